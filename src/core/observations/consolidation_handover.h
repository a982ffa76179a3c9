#pragma once

// What the consolidation calculation gives the observations: its predictions, to compare the
// readings with, and its drainage, to find Cv and Ch from the Asaoka slope.

#include "state/observation_state.h"

#include <optional>

namespace korvex {

struct GeneralState;
struct SettlementResults;
struct ConsolidationState;

// Called by a consolidation calculation that completed. Cv and Ch found from the drainage before
// are dropped with it.
void handOverPredictions(const SettlementResults& settlement,
                         const ConsolidationState& consolidation, ObservationState& observed);

// The drainage Cv and Ch may be found from: that of the consolidation calculated for the inputs
// as they now stand. None before any consolidation, after a project file was opened and once a
// later calculation (settlement or preload) replaced part of the drainage.
std::optional<AsaokaDrainage> currentDrainage(const GeneralState& general,
                                              const ConsolidationState& consolidation,
                                              const ObservationState& observed);

} // namespace korvex
