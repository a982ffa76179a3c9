#pragma once

namespace korvex {

struct GeneralState;
struct SettlementInput;
struct SettlementResults;
struct ConsolidationState;

// Layer geometry and the total, pore-water and effective stress at the middle of every layer,
// with the water table before any change (dry above it, hydrostatic below it, and the weight of
// standing water on a flooded site). Also sets DrainPath and SoilThickness of the consolidation,
// and LDepth(0) to the surface level.
void computeSoilStresses(const GeneralState& general, SettlementInput& input,
                         SettlementResults& results, ConsolidationState& consolidation);
// For a caller holding the whole state: it passes itself as every part.
template <class State> void computeSoilStresses(State& st) {
    computeSoilStresses(st, st, st, st);
}

// The extra effective stress of a changed water table (WatertableLoad: Integer 0 when the level
// does not change); afterwards Watertable holds the new level.
void applyWatertableChange(const GeneralState& general, SettlementInput& input);
// For a caller holding the whole state: it passes itself as every part.
template <class State> void applyWatertableChange(State& st) {
    applyWatertableChange(st, st);
}

} // namespace korvex
