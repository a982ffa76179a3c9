#pragma once

namespace korvex {

struct GeneralState;
struct PreloadInputs;
struct PreloadState;
struct SettlementInput;
struct SettlementResults;

// The calculated fill with 0, 1, ... 14 increments of extra fill (cases 1 to 15): the layer flags
// and Ch, the stress path of each case and where it meets the settlement of the subsoil after 10
// and after 10 000 days. The method of the general part decides the layer settlements.
void computePreloadCases(const GeneralState& general, const SettlementInput& input,
                         SettlementResults& settlement, PreloadState& preload,
                         const PreloadInputs& inputs, bool submergence);
// For a caller holding the whole state: it passes itself as every part.
template <class State>
void computePreloadCases(State& st, const PreloadInputs& inputs, bool submergence) {
    computePreloadCases(st, st, st, st, inputs, submergence);
}

} // namespace korvex
