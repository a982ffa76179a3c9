#include "settlement/layer_thickness_check.h"

#include <algorithm>
#include <cmath>

namespace korvex {

std::vector<int> layersReachingThickness(std::span<const double> settlements,
                                         std::span<const double> thicknesses) {
    std::vector<int> layers;
    const std::size_t count = std::min(settlements.size(), thicknesses.size());
    for (std::size_t i = 0; i < count; ++i) {
        if (std::fabs(settlements[i]) >= thicknesses[i]) {
            layers.push_back(static_cast<int>(i) + 1);
        }
    }
    return layers;
}

std::string layersReachingThicknessMessage(std::span<const int> layers,
                                           std::string_view situation) {
    std::string names;
    for (std::size_t i = 0; i < layers.size(); ++i) {
        names += (i == 0                   ? ""
                  : i + 1 == layers.size() ? " and "
                                           : ", ") +
                 std::to_string(layers[i]);
    }
    const bool one = layers.size() == 1;
    return std::string(one ? "Layer " : "Layers ") + names +
           (one ? " settles by its" : " settle by their") + " whole thickness or more " +
           std::string(situation) +
           ": the settlement formulas are outside their range there and these results are not "
           "reliable; check the layer input.";
}

} // namespace korvex
