#pragma once

#include "app/vb_types.h"

namespace korvex {

struct GeneralState;
struct SettlementInput;
struct SettlementResults;

// The per-layer coefficients (SigmaEff0, SigmaP, OCR, CompRatio, RecompRatio, CalphaRatio) of the
// active method. Refuses a layer whose initial effective or preconsolidation stress is not
// positive, or (Terzaghi-Bjerrum) whose e0 is -1 or less: their logarithms have no meaning.
void computeLayerCoefficients(const GeneralState& general, const SettlementInput& input,
                              SettlementResults& results);
// For a caller holding the whole state: it passes itself as every part.
template <class State> void computeLayerCoefficients(State& st) {
    computeLayerCoefficients(st, st, st);
}

// The time-independent part of a layer's settlement under one load on top of its initial
// effective stress: the stress (capped at the preconsolidation stress), the two logarithms and
// the virgin and recompression settlements, each as stored.
struct PrimarySettlement {
    Single stress = 0;
    Single logVirgin = 0;
    Single logRecomp = 0;
    Single virgin = 0;
    Single recomp = 0;
};

// The logarithm of SigmaP / SigmaEff0 of every layer (element 0 unused) in the active method: a
// layer loaded beyond its preconsolidation stress recompresses by it whatever the load. The fill
// and preload iterations try thousands of loads, so they take these once, before the first.
struct RecompressionLogs {
    VbArray<double, 20> layer;
};
RecompressionLogs recompressionLogs(const GeneralState& general, const SettlementInput& input,
                                    const SettlementResults& results);

// Refuses a load under which the effective stress of the layer would not be positive.
PrimarySettlement primarySettlement(const GeneralState& general, const SettlementResults& results,
                                    const RecompressionLogs& recompression, int layer, double load);

// The creep part at log10(t) as stored: the secondary part (negative, Terzaghi-Bjerrum) or the
// secular part (positive, Terzaghi-Koppejan).
Single creepPart(const GeneralState& general, const SettlementInput& input,
                 const SettlementResults& results, int layer, const PrimarySettlement& primary,
                 double log10Time);

// The layer's settlement (negative downward) from its primary and creep parts.
Single layerSettlement(const GeneralState& general, const PrimarySettlement& primary, Single creep);

// log10 of a time in days, taken as ln(t) / ln(10).
double log10Days(double days);

// The settlement of every layer and the totals for the 16 load steps after 1 to 10 000 days.
void computeLoadStepSettlements(const GeneralState& general, const SettlementInput& input,
                                SettlementResults& results);
// For a caller holding the whole state: it passes itself as every part.
template <class State> void computeLoadStepSettlements(State& st) {
    computeLoadStepSettlements(st, st, st);
}

} // namespace korvex
