#include "observations/consolidation_handover.h"

#include "state/consolidation_state.h"
#include "state/general_state.h"
#include "state/settlement_results_state.h"

namespace korvex {

namespace {

AsaokaDrainage drainageOf(const ConsolidationState& consolidation) {
    return {consolidation.DrainPath, consolidation.DrainZone, consolidation.Fn};
}

} // namespace

void handOverPredictions(const SettlementResults& settlement,
                         const ConsolidationState& consolidation, ObservationState& observed) {
    PlatePredictions& p = observed.Predictions;
    p.FillThickness = settlement.FillThickness;
    p.FillSettlement = settlement.FillSettlement;
    p.SPrimVert = consolidation.SPrimVert;
    p.SPrimHor = consolidation.SPrimHor;
    for (int i = 1; i <= kObservedPredictionRows; ++i) {
        p.TPred(i) = consolidation.TPred(i);
        p.SHorIL(i) = consolidation.SHorIL(i);
        p.SVertIL(i) = consolidation.SVertIL(i);
        p.SHorVertIL(i) = consolidation.SHorVertIL(i);
        p.SHorGL(i) = consolidation.SHorGL(i);
        p.SVertGL(i) = consolidation.SVertGL(i);
        p.SHorVertGL(i) = consolidation.SHorVertGL(i);
    }
    observed.CvOverall = 0.0f;
    observed.ChOverall = 0.0f;
    observed.HandedDrainage = drainageOf(consolidation);
}

std::optional<AsaokaDrainage> currentDrainage(const GeneralState& general,
                                              const ConsolidationState& consolidation,
                                              const ObservationState& observed) {
    // The settlement calculation writes the layers' thickness into DrainPath and the preload its
    // own drain zone into DrainZone and Fn, without a new consolidation: what the consolidation
    // handed over then no longer stands beside the inputs.
    if (general.ConsolidationCalculated == 0 ||
        drainageOf(consolidation) != observed.HandedDrainage) {
        return std::nullopt;
    }
    return observed.HandedDrainage;
}

} // namespace korvex
