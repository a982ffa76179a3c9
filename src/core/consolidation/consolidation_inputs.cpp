#include "consolidation/consolidation_inputs.h"

#include "app/input_reading.h"
#include "app/number_text.h"
#include "consolidation/consolidation_degrees.h"
#include "consolidation/form4_consolidation_input.h"
#include "state/consolidation_state.h"

#include <cmath>
#include <string>

namespace korvex {

namespace {

bool positive(Single x) {
    return std::isfinite(x) && x > 0.0f;
}

const InputBox<Form4>& box(const char* name) {
    return boxNamed(Form4::boxes(), name);
}

// A refusal unless the condition holds; the named box gets the cursor.
void require(bool condition, const std::string& message, const char* boxName = nullptr) {
    if (condition) {
        return;
    }
    if (boxName != nullptr) {
        refuse(message, fieldOf(box(boxName)));
    }
    refuse(message);
}

Single boxValue(const Form4& form, const char* name) {
    return num::toSingle(readBox(form, box(name)));
}

std::string greaterThanZero(const char* name) {
    return "The " + captionInSentence(box(name).caption) + " must be a number greater than 0.";
}

} // namespace

Single consolidationTimeDays(Single path, Single timeFactor, Single coefficient) {
    double p = path;
    return num::toSingle(p * p * static_cast<double>(timeFactor) /
                         (static_cast<double>(coefficient) * kSecondsPerDay));
}

ConsolidationInputs readConsolidationInputs(const Form4& form, const ConsolidationState& state,
                                            int layers) {
    ConsolidationInputs in;
    in.DegreeCons = boxValue(form, "Text1");
    in.ConsolidationPeriod = boxValue(form, "Text2");
    in.DrainDiameter = boxValue(form, "Text3");
    in.RestSettlement = boxValue(form, "Text4");
    in.S10Cons = boxValue(form, "Text5");
    in.S10000Cons = boxValue(form, "Text6");
    in.ConstructionTime = boxValue(form, "Text7");
    in.DrainArea = boxValue(form, "Text9");
    in.thickness = boxValue(form, "Text10");
    in.ChAvg = boxValue(form, "Text11");
    const char* cvBox = form.Text14.empty() ? "Text12" : "Text14";
    in.CvAvg = boxValue(form, cvBox);
    in.TimeFactor = boxValue(form, "Text13");
    in.layerCv = form.layerCv(layers);

    require(in.DegreeCons > 0.0f && in.DegreeCons < 1.0f,
            "The Degree of Consolidation [-] must be a number greater than 0 and less than 1.",
            "Text1");
    require(positive(in.ConsolidationPeriod), greaterThanZero("Text2"), "Text2");
    require(positive(in.DrainDiameter), greaterThanZero("Text3"), "Text3");
    require(positive(in.RestSettlement), greaterThanZero("Text4"), "Text4");
    require(in.ConstructionTime >= 0.0f,
            "The Construction time [days] must be a number of 0 or more.", "Text7");
    require(in.thickness != 0.0f, kUnknownThicknessMessage, "Text10");
    require(positive(in.thickness), greaterThanZero("Text10"), "Text10");
    require(positive(in.ChAvg), greaterThanZero("Text11"), "Text11");
    require(positive(in.CvAvg), greaterThanZero(cvBox), cvBox);
    require(positive(in.TimeFactor), greaterThanZero("Text13"), "Text13");
    Single previous = 0.0f;
    for (int i = 1; i <= 20; ++i) {
        require(positive(state.TPred(i)) && state.TPred(i) > previous,
                "The prediction times must be greater than 0 and increasing; row " +
                    std::to_string(i) + " is not.");
        previous = state.TPred(i);
    }
    require(positive(in.DrainArea), greaterThanZero("Text9"), "Text9");
    // A fill whose water-table rise outweighs it heaves on balance; consolidation describes a
    // loaded layer settling, and drains designed for the heave made positive would be wrong.
    auto notUpward = [](Single settlement, const char* name) {
        require(settlement >= 0.0f,
                "The " + captionInSentence(box(name).caption) +
                    " is upward: a heave is not consolidated.",
                name);
    };
    notUpward(in.S10Cons, "Text5");
    notUpward(in.S10000Cons, "Text6");
    // The ground does not rise again under a fill that stays in place.
    require(in.S10000Cons >= in.S10Cons,
            "The " + captionInSentence(box("Text6").caption) + " must not be less than the " +
                captionInSentence(box("Text5").caption) + ".",
            "Text6");
    // Without a primary settlement the ratio of secondary to primary settlement has no value,
    // and a negative one would turn every settlement and the discharge upward.
    Single primary = num::toSingle(
        in.S10Cons - std::fabs(static_cast<double>(in.S10000Cons) - in.S10Cons) / 3.0);
    require(primary > 0.0f,
            "The " + captionInSentence(box("Text5").caption) + " and the " +
                captionInSentence(box("Text6").caption) +
                " leave no primary settlement: the creep between 10 and 10 000 days must be less "
                "than three times the settlement after 10 days.",
            "Text5");

    in.drainagePath = form.Option1 ? num::toSingle(in.thickness / 2.0) : in.thickness;
    in.periodSeconds = num::toSingle(static_cast<double>(in.ConsolidationPeriod) * kSecondsPerDay);
    in.drainZone = solveDrainZone(in.periodSeconds, in.ChAvg, in.DegreeCons, in.DrainDiameter);
    double fn = barronFn(in.drainZone.lastRatio);
    require(positive(in.drainZone.drainZone) && std::isfinite(fn) && fn > 0.0,
            "The Equivalent draindiameter [m] is too large for the Average Ch [m2/s], the Degree "
            "of Consolidation [-] and the Consolidation period [days].",
            "Text3");
    require(positive(consolidationTimeDays(in.drainagePath, in.TimeFactor, in.CvAvg)) &&
                positive(consolidationTimeDays(in.drainZone.drainZone, in.TimeFactor, in.ChAvg)),
            "The consolidation times of these inputs are out of range; please check the thickness, "
            "Ch, Cv and the Time factor.");
    return in;
}

} // namespace korvex
