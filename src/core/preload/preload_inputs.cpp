#include "preload/preload_inputs.h"

#include "app/desktop.h"
#include "app/number_text.h"
#include "consolidation/consolidation_state.h"
#include "consolidation/equivalent_cv.h"
#include "preload/form10_preload_input.h"
#include "settlement/settlement_input_state.h"
#include "settlement/settlement_results_state.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace korvex {

namespace {

// TODO(seams): read the boxes and cells through the shared box reading and its refusal once it
// has landed; until then a field that is not one number is refused here by name.
class Reading {
public:
    explicit Reading(Desktop& desktop) : desktop_(desktop) {}

    // The number of a field, or a refusal naming it when the text is not one number.
    std::optional<Single> number(const std::string& text, const std::string& message) {
        if (refused_) {
            return std::nullopt;
        }
        const num::FieldNumber field = num::readFieldNumber(text);
        if (!field.isNumber()) {
            refuse(message);
            return std::nullopt;
        }
        return num::toSingle(field.value);
    }
    bool require(bool condition, const std::string& message) {
        if (!condition && !refused_) {
            refuse(message);
        }
        return !refused_;
    }
    // A check elsewhere has shown its own message.
    void refusedElsewhere() { refused_ = true; }
    bool refused() const { return refused_; }

private:
    void refuse(const std::string& message) {
        desktop_.msgBox(message, vbExclamation);
        refused_ = true;
    }
    Desktop& desktop_;
    bool refused_ = false;
};

const char* const kIncrementBox = "Increment Extra Fill Thickness (m)";
const char* const kRestSettlementBox = "Rest Settlement (m)";
const char* const kSpacingBox = "Calculated Drainspacing Triangular based on average Ch-value (m)";

std::string notNegative(const char* box) {
    return std::string("The ") + box + " must be a number of 0 or more.";
}

std::string layerText(int layer) {
    return std::to_string(layer);
}

bool positive(Single value) {
    return std::isfinite(value) && value > 0.0f;
}

void readBoxes(const Form10& form, Reading& reading, PreloadInputs& in) {
    const auto increment = reading.number(form.Text1, notNegative(kIncrementBox));
    // A negative increment would put the cases below the calculated fill: no preload at all.
    if (increment && reading.require(*increment >= 0.0f, notNegative(kIncrementBox))) {
        in.increment = *increment;
    }
    const auto rest = reading.number(form.Text2, notNegative(kRestSettlementBox));
    if (rest && reading.require(*rest >= 0.0f, notNegative(kRestSettlementBox))) {
        in.restSettlement = *rest;
    }
    const std::string spacingMessage =
        std::string("The ") + kSpacingBox + " must be a number greater than 0.";
    const auto spacing = reading.number(form.Text3, spacingMessage);
    if (spacing && reading.require(*spacing > 0.0f, spacingMessage)) {
        in.spacing = *spacing;
    }
}

void readLayerRows(const Form10& form, int layers, const ConsolidationState& cons, Reading& reading,
                   PreloadInputs& in) {
    for (int i = 1; i <= layers && !reading.refused(); ++i) {
        // Any other value once dropped the layer's whole settlement without a word, and an empty
        // cell made the layer a rest layer.
        const std::string flagMessage = "Drained 1/0 of layer " + layerText(i) + " must be 0 or 1";
        const auto flag = reading.number(form.Fg8.TextMatrix(i, 2), flagMessage);
        if (!flag || !reading.require(*flag == 0.0f || *flag == 1.0f, flagMessage)) {
            break;
        }
        in.drained(i) = static_cast<Integer>(*flag);
        const std::string chMessage =
            "The Ch(i) of layer " + layerText(i) + " must be a number greater than 0.";
        const auto ch = reading.number(form.Fg8.TextMatrix(i, 1), chMessage);
        if (!ch) {
            break;
        }
        if (in.drained(i) == 1) {
            reading.require(positive(*ch), chMessage);
            in.ch(i) = *ch;
        } else {
            reading.require(positive(cons.Cv(i)),
                            "The Cv(i) of layer " + layerText(i) +
                                " under the drain depth must be greater than 0; please give it in "
                                "the consolidation input and calculate the consolidation.");
            in.ch(i) = cons.Cv(i);
        }
    }
}

void readRestPackage(int layers, const SettlementResults& settlement,
                     const ConsolidationState& cons, bool twoWayFlow, Desktop& desktop,
                     Reading& reading, PreloadInputs& in) {
    std::vector<Single> thicknesses;
    std::vector<Single> cvs;
    double thickness = 0.0;
    for (int i = 1; i <= layers; ++i) {
        if (in.drained(i) == 0) {
            thicknesses.push_back(settlement.LThickness(i));
            cvs.push_back(cons.Cv(i));
            thickness += settlement.LThickness(i);
        }
    }
    if (thicknesses.empty()) {
        return;
    }
    const std::optional<Single> cv = equivalentCv(thicknesses, cvs, desktop);
    if (!cv) {
        reading.refusedElsewhere();
        return;
    }
    in.rest.present = true;
    in.rest.cvEquivalent = *cv;
    in.rest.drainagePath = num::toSingle(twoWayFlow ? thickness / 2.0 : thickness);
}

} // namespace

std::optional<PreloadInputs> readPreloadInputs(const Form10& form, const SettlementInput& input,
                                               const SettlementResults& settlement,
                                               const ConsolidationState& cons,
                                               bool endOfPrimaryAtTp, Desktop& desktop) {
    const int layers = std::clamp<int>(input.NLayers, 0, Form10::kLayerRows);
    PreloadInputs in;
    in.twoWayFlow = form.Option1;
    Reading reading(desktop);
    readBoxes(form, reading, in);
    readLayerRows(form, layers, cons, reading, in);
    reading.require(positive(cons.DrainDiameter),
                    "The Equivalent draindiameter [m] of the consolidation input must be greater "
                    "than 0; please calculate the consolidation first.");
    // Barron's drain function has no value unless the zone of a drain is wider than the drain.
    reading.require(1.05 * in.spacing > cons.DrainDiameter,
                    std::string("The drain zone, 1.05 x the ") + kSpacingBox +
                        ", must be larger than the Equivalent draindiameter [m] (" +
                        num::boxText(cons.DrainDiameter) + " m).");
    reading.require(!endOfPrimaryAtTp || positive(cons.TimeFactor),
                    "The Time factor for End of Primary [-] must be greater than 0 for the End of "
                    "Primary tp for Time factor; please calculate the consolidation again.");
    if (!reading.refused()) {
        readRestPackage(layers, settlement, cons, in.twoWayFlow, desktop, reading, in);
    }
    if (reading.refused()) {
        return std::nullopt;
    }
    return in;
}

} // namespace korvex
