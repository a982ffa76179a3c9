#include "state/consolidation_state.h"

#include "state/general_state.h"
#include "state/prediction_times.h"

namespace korvex {

void ConsolidationState::resetToStartUp() {
    *this = {};
    TPred = startUpPredictionTimes<decltype(TPred)::upperBound>();
    DegreeCons = 0.9f;
    ConsolidationPeriod = 365.0f;
    DrainDiameter = 0.065f;
    RestSettlement = 0.2f;
    ConstructionTime = 60.0f;
    DrainArea = 10000.0f;
    KhKr = 1.0f;
    CvAvg = 5e-8f;
    ChAvg = 1e-7f;
    TimeFactor = 2.0f;
}

void discardConsolidationResults(GeneralState& general, ConsolidationState& consolidation) {
    consolidation.ConsolidationResults::resetToStartUp();
    general.forgetConsolidation();
}

} // namespace korvex
