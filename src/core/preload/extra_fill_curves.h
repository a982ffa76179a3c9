#pragma once

// The settlement-time curves of the first six extra-fill cases and the time after which each
// case's extra fill may be removed.

namespace korvex {

struct ConsolidationState;
struct GeneralState;
struct PreloadInputs;
struct PreloadState;
struct SettlementInput;
struct SettlementResults;

inline constexpr int kCurveCases = 6;
inline constexpr int kCurveTimes = 16;

// Each layer's settlements after 10 and 10 000 days (SLayerPre10, SLayerPre10000) become a curve
// over the 16 time points up to 10 000 days: primary settlement reached by radial flow to the
// drains (a drained layer) or by vertical flow through the package under the drain ends (a rest
// layer), plus creep along the line through both settlements in log time. With endOfPrimaryAtTp
// the primary settlement is read on the creep line at the layer's own end of primary
// consolidation and creep counts from there. The removal level is case 1's settlement after
// 10 000 days raised by the rest settlement; a case whose curve never passes it within 10 000
// days gets the "not reached" time.
// The drain zone, F(n) and rest settlement it works with are the preload's own (SpacingTriPre,
// DrainZonePre, FnPre, RestSettlementPre); of the consolidation it reads the drain diameter, the
// time factor and the layers' Cv.
void computeExtraFillCurves(const GeneralState& general, const SettlementInput& input,
                            const SettlementResults& settlement,
                            const ConsolidationState& consolidation, PreloadState& preload,
                            const PreloadInputs& inputs, bool endOfPrimaryAtTp);
// For a caller holding the whole state: it passes itself as every part.
template <class State>
void computeExtraFillCurves(State& st, const PreloadInputs& inputs, bool endOfPrimaryAtTp) {
    computeExtraFillCurves(st, st, st, st, st, inputs, endOfPrimaryAtTp);
}

} // namespace korvex
