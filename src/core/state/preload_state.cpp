#include "state/preload_state.h"

#include "state/settlement_results_state.h"

namespace korvex {

void discardPreloadResults(SettlementResults& settlement, PreloadState& preload) {
    preload.PreloadResults::resetToStartUp();
    settlement.restoreSettlementCases();
}

} // namespace korvex
