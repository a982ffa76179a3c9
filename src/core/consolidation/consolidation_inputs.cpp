#include "consolidation/consolidation_inputs.h"

#include "app/desktop.h"
#include "app/number_text.h"
#include "consolidation/consolidation_degrees.h"
#include "consolidation/consolidation_state.h"
#include "consolidation/form4_consolidation_input.h"

#include <cmath>
#include <string>

namespace korvex {

namespace {

Single boxValue(const std::string& text) {
    return num::toSingle(num::leadingNumber(text));
}

bool positive(Single x) {
    return std::isfinite(x) && x > 0.0f;
}

class Refusal {
public:
    explicit Refusal(Desktop& desktop) : desktop_(desktop) {}
    // Shows the first refusal only: one message per "Calculate".
    bool require(bool condition, const std::string& message) {
        if (!condition && !refused_) {
            desktop_.msgBox(message, vbExclamation);
            refused_ = true;
        }
        return !refused_;
    }
    bool refused() const { return refused_; }

private:
    Desktop& desktop_;
    bool refused_ = false;
};

std::string greaterThanZero(const char* field) {
    return std::string("The ") + field + " must be a number greater than 0.";
}

std::string finiteNumber(const char* field) {
    return std::string("The ") + field + " must be a number.";
}

} // namespace

Single consolidationTimeDays(Single path, Single timeFactor, Single coefficient) {
    double p = path;
    return num::toSingle(p * p * static_cast<double>(timeFactor) /
                         (static_cast<double>(coefficient) * kSecondsPerDay));
}

std::optional<ConsolidationInputs>
readConsolidationInputs(const Form4& form, const ConsolidationState& state, Desktop& desktop) {
    ConsolidationInputs in;
    in.DegreeCons = boxValue(form.Text1);
    in.ConsolidationPeriod = boxValue(form.Text2);
    in.DrainDiameter = boxValue(form.Text3);
    in.RestSettlement = boxValue(form.Text4);
    in.S10Cons = boxValue(form.Text5);
    in.S10000Cons = boxValue(form.Text6);
    in.ConstructionTime = boxValue(form.Text7);
    in.DrainArea = boxValue(form.Text9);
    in.thickness = boxValue(form.Text10);
    in.ChAvg = boxValue(form.Text11);
    const bool equivalentCv = !form.Text14.empty();
    in.CvAvg = boxValue(equivalentCv ? form.Text14 : form.Text12);
    in.TimeFactor = boxValue(form.Text13);

    Refusal check(desktop);
    check.require(std::isfinite(in.DegreeCons) && in.DegreeCons > 0.0f && in.DegreeCons < 1.0f,
                  "The Degree of Consolidation [-] must be a number greater than 0 and less "
                  "than 1.");
    check.require(positive(in.ConsolidationPeriod), greaterThanZero("Consolidation period [days]"));
    check.require(positive(in.DrainDiameter), greaterThanZero("Equivalent draindiameter [m]"));
    check.require(positive(in.RestSettlement), greaterThanZero("Rest Settlement [m]"));
    check.require(std::isfinite(in.S10Cons), finiteNumber("Settlement after 10 days [m]"));
    check.require(std::isfinite(in.S10000Cons), finiteNumber("Settlement after 10 000 days [m]"));
    check.require(std::isfinite(in.ConstructionTime) && in.ConstructionTime >= 0.0f,
                  "The Construction time [days] must be a number of 0 or more.");
    check.require(std::isfinite(in.DrainArea), finiteNumber("Area [m2]"));
    check.require(in.thickness != 0.0f, kUnknownThicknessMessage);
    check.require(positive(in.thickness), greaterThanZero("Total thickness of Soil layers [m]"));
    check.require(positive(in.ChAvg), greaterThanZero("Average Ch [m2/s]"));
    check.require(positive(in.CvAvg),
                  greaterThanZero(equivalentCv ? "Equivalent Cv for total Layer thickness [m/s2]"
                                               : "Average Cv [m2/s]"));
    check.require(positive(in.TimeFactor), greaterThanZero("Time factor for End of Primary [-]"));
    Single previous = 0.0f;
    for (int i = 1; i <= 20 && !check.refused(); ++i) {
        check.require(positive(state.TPred(i)) && state.TPred(i) > previous,
                      "The prediction times must be greater than 0 and increasing; row " +
                          std::to_string(i) + " is not.");
        previous = state.TPred(i);
    }
    // Without a primary settlement the ratio of secondary to primary settlement has no value.
    Single primary = num::toSingle(
        in.S10Cons - std::fabs(static_cast<double>(in.S10000Cons) - in.S10Cons) / 3.0);
    check.require(primary != 0.0f, "The Settlement after 10 days [m] and the Settlement after 10 "
                                   "000 days [m] leave no primary settlement.");
    if (check.refused()) {
        return std::nullopt;
    }

    in.drainagePath = form.Option1 ? num::toSingle(in.thickness / 2.0) : in.thickness;
    in.periodSeconds = num::toSingle(static_cast<double>(in.ConsolidationPeriod) * kSecondsPerDay);
    in.drainZone = solveDrainZone(in.periodSeconds, in.ChAvg, in.DegreeCons, in.DrainDiameter);
    double fn = barronFn(in.drainZone.lastRatio);
    check.require(positive(in.drainZone.drainZone) && std::isfinite(fn) && fn > 0.0,
                  "The Equivalent draindiameter [m] is too large for the Average Ch [m2/s], the "
                  "Degree of Consolidation [-] and the Consolidation period [days].");
    check.require(
        positive(consolidationTimeDays(in.drainagePath, in.TimeFactor, in.CvAvg)) &&
            positive(consolidationTimeDays(in.drainZone.drainZone, in.TimeFactor, in.ChAvg)),
        "The consolidation times of these inputs are out of range; please check the thickness, "
        "Ch, Cv and the Time factor.");
    if (check.refused()) {
        return std::nullopt;
    }
    return in;
}

} // namespace korvex
