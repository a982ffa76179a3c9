#pragma once

// Primary and secondary settlement from the settlements after 10 and 10 000 days, and the
// settlement-time series at the prediction times for every flow and load case.

#include "app/vb_types.h"

namespace korvex {

struct ConsolidationState;
struct SettlementResults;
class ConsolidationDegrees;

// Creep per log cycle of time: the settlement between 10 and 10 000 days spans three cycles.
double creepPerLogCycle(const ConsolidationState& state);

// What still settles between the end of the consolidation period and 10 000 days (DiffSHor,
// DiffSVert), with SPrimary and DiffS10000S10 on the way.
void computePeriodSettlements(const SettlementResults& settlement, ConsolidationState& state,
                              const ConsolidationDegrees& degrees, Single periodSeconds);
// Degrees for a load placed at once, at the 20 prediction times.
void computeInstantDegrees(ConsolidationState& state, const ConsolidationDegrees& degrees);
// SPrimary, SPrimVert, SPrimHor; with secondaryFromTimeFactor the primary settlement of each flow
// is read on the creep line at its consolidation time.
void computePrimarySettlements(const SettlementResults& settlement, ConsolidationState& state,
                               bool secondaryFromTimeFactor);
// Olson's degrees for a load placed over the construction time, at the 20 prediction times.
void computeGradualDegrees(ConsolidationState& state, const ConsolidationDegrees& degrees);
// The settlement, primary, secondary, difference and ratio series (negative = downward).
void computeSettlementSeries(ConsolidationState& state, bool secondaryFromTimeFactor);

inline constexpr int kPredictionRows = 20;

// Where a settlement curve counts its creep from: 1 day, or (secondary settlement from the time
// factor) the consolidation time of the flow, before which the curve holds the primary part only.
struct CreepStart {
    double days = 1.0;
    bool primaryOnlyBefore = false;
};

// The settlement (negative = downward) at a time, for a primary settlement reached to the given
// degree and the creep per log cycle.
double curveSettlement(double creep, const CreepStart& start, double days, double primary,
                       double degree);
// The same with log10(days / start.days) taken by the caller, who evaluates many curves at the same
// times, and primaryOnly for a time before a start that holds the primary part only.
double curveSettlementAtLog(double creep, double log10SinceStart, bool primaryOnly, double primary,
                            double degree);

} // namespace korvex
