#include "preload/preload_inputs.h"

#include "app/input_reading.h"
#include "app/number_text.h"
#include "consolidation/equivalent_cv.h"
#include "consolidation/form4_consolidation_input.h"
#include "preload/form10_preload_input.h"
#include "state/consolidation_state.h"
#include "state/settlement_input_state.h"
#include "state/settlement_results_state.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace korvex {

namespace {

bool positive(Single value) {
    return std::isfinite(value) && value > 0.0f;
}

// An empty cell reads 0 like an empty box; where 0 would be a valid choice that is not enough.
bool blank(const std::string& text) {
    return num::readFieldNumber(text).kind == num::FieldNumber::Kind::Empty;
}

void require(bool condition, const std::string& message) {
    if (!condition) {
        refuse(message);
    }
}

// A refusal unless the condition holds; the named box or cell gets the cursor.
void require(bool condition, const std::string& message, const InputField& field) {
    if (!condition) {
        refuse(message, field);
    }
}

const InputBox<Form10>& box(const char* name) {
    return boxNamed(Form10::boxes(), name);
}

InputField boxField(const char* name) {
    return fieldOf(box(name));
}

InputField layerCell(int layer, int column) {
    return {Form10::kName, "Fg8", layer, column};
}

// A value of the last consolidation calculation is corrected in its input window.
InputField consolidationBox(const char* name) {
    return fieldOf(boxNamed(Form4::boxes(), name));
}

Single boxValue(const Form10& form, const char* name) {
    return num::toSingle(readBox(form, box(name)));
}

std::string boxMustBe(const char* name, const char* condition) {
    return "The " + captionInSentence(box(name).caption) + " must be a number " + condition + ".";
}

void readBoxes(const Form10& form, PreloadInputs& in) {
    in.increment = boxValue(form, "Text1");
    in.restSettlement = boxValue(form, "Text2");
    in.spacing = boxValue(form, "Text3");
    // A negative increment would put the cases below the calculated fill: no preload at all.
    require(in.increment >= 0.0f, boxMustBe("Text1", "of 0 or more"), boxField("Text1"));
    require(in.restSettlement >= 0.0f, boxMustBe("Text2", "of 0 or more"), boxField("Text2"));
    require(positive(in.spacing), boxMustBe("Text3", "greater than 0"), boxField("Text3"));
}

void readLayerRows(const Form10& form, int layers, const ConsolidationState& cons,
                   PreloadInputs& in) {
    const std::string chHeading = form.Fg8.TextMatrix(0, 1);
    const std::string flagHeading = form.Fg8.TextMatrix(0, 2);
    for (int i = 1; i <= layers; ++i) {
        // Any other value once dropped the layer's whole settlement without a word, and an empty
        // cell, which reads 0 elsewhere, made the layer a rest layer.
        const std::string& flagText = form.Fg8.TextMatrix(i, 2);
        const double flag = readCell(flagText, layerCell(i, 2), flagHeading);
        require(!blank(flagText) && (flag == 0.0 || flag == 1.0),
                "Drained 1/0 of layer " + std::to_string(i) + " must be 0 or 1.", layerCell(i, 2));
        in.drained(i) = static_cast<Integer>(flag);
        // An empty Ch is refused even where the layer's Cv replaces it: it is a row left unfilled.
        const std::string& chText = form.Fg8.TextMatrix(i, 1);
        const Single ch = num::toSingle(readCell(chText, layerCell(i, 1), chHeading));
        const std::string chMessage =
            "The Ch(i) of layer " + std::to_string(i) + " must be a number greater than 0.";
        require(!blank(chText), chMessage, layerCell(i, 1));
        if (in.drained(i) == 1) {
            require(positive(ch), chMessage, layerCell(i, 1));
            in.ch(i) = ch;
        } else {
            require(positive(cons.Cv(i)),
                    "The Cv(i) of layer " + std::to_string(i) +
                        " under the drain depth must be greater than 0; please give it in the "
                        "consolidation input and calculate the consolidation.",
                    InputField{Form4::kName, "Fg4", i, 1});
            in.ch(i) = cons.Cv(i);
        }
    }
}

void readRestPackage(int layers, const SettlementResults& settlement,
                     const ConsolidationState& cons, bool twoWayFlow, Desktop& desktop,
                     PreloadInputs& in) {
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
    // Without thickness the package has neither an equivalent Cv nor a drainage path.
    require(thickness > 0.0, "The layers under the drain depth (Drained 1/0 = 0) have no "
                             "thickness; please check the layer depths.");
    // Every Cv is positive and the package has thickness, so the equivalent Cv exists.
    in.rest.present = true;
    in.rest.cvEquivalent = equivalentCv(thicknesses, cvs, desktop).value();
    in.rest.drainagePath = num::toSingle(twoWayFlow ? thickness / 2.0 : thickness);
}

} // namespace

PreloadInputs readPreloadInputs(const Form10& form, const SettlementInput& input,
                                const SettlementResults& settlement, const ConsolidationState& cons,
                                bool endOfPrimaryAtTp, Desktop& desktop) {
    const int layers = std::clamp<int>(input.NLayers, 0, Form10::kLayerRows);
    PreloadInputs in;
    in.twoWayFlow = form.Option1;
    readBoxes(form, in);
    readLayerRows(form, layers, cons, in);
    require(positive(cons.DrainDiameter),
            "The Equivalent draindiameter [m] of the consolidation input must be greater than 0; "
            "please calculate the consolidation first.",
            consolidationBox("Text3"));
    // Barron's drain function has no value unless the zone of a drain is wider than the drain.
    require(1.05 * in.spacing > cons.DrainDiameter,
            "The drain zone, 1.05 x the " + captionInSentence(box("Text3").caption) +
                ", must be larger than the Equivalent draindiameter [m] (" +
                num::boxText(cons.DrainDiameter) + " m).",
            boxField("Text3"));
    require(!endOfPrimaryAtTp || positive(cons.TimeFactor),
            "The Time factor for End of Primary [-] must be greater than 0 for the End of Primary "
            "tp for Time factor; please calculate the consolidation again.",
            consolidationBox("Text13"));
    readRestPackage(layers, settlement, cons, in.twoWayFlow, desktop, in);
    return in;
}

} // namespace korvex
