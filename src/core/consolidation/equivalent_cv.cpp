#include "consolidation/equivalent_cv.h"

#include "app/desktop.h"
#include "app/number_text.h"

#include <cmath>
#include <string>

namespace korvex {

std::string cvNotPositiveMessage(int layer) {
    return "The Cv(i) of layer " + std::to_string(layer) + " must be a number greater than 0.";
}

std::optional<Single> equivalentCv(const std::vector<Single>& thicknesses,
                                   const std::vector<Single>& cvs, Desktop& desktop) {
    for (std::size_t i = 0; i < cvs.size(); ++i) {
        if (!(std::isfinite(cvs[i]) && cvs[i] > 0.0f)) {
            desktop.msgBox(cvNotPositiveMessage(static_cast<int>(i) + 1), vbExclamation);
            return std::nullopt;
        }
    }
    Single thickness = 0.0f;
    Single resistance = 0.0f;
    for (std::size_t i = 0; i < thicknesses.size() && i < cvs.size(); ++i) {
        thickness = num::toSingle(static_cast<double>(thickness) + thicknesses[i]);
        resistance = num::toSingle(static_cast<double>(resistance) +
                                   thicknesses[i] / std::sqrt(static_cast<double>(cvs[i])));
    }
    if (!(thickness > 0.0f) || !(resistance > 0.0f)) {
        desktop.msgBox("The total thickness of the soil layers is 0: there is no equivalent Cv. "
                       "Please calculate the settlements first.",
                       vbExclamation);
        return std::nullopt;
    }
    double ratio = static_cast<double>(thickness) / resistance;
    return num::toSingle(ratio * ratio);
}

} // namespace korvex
