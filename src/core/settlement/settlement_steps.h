#pragma once

#include "app/vb_types.h"

namespace korvex {

struct Module1;

// The per-layer coefficients (SigmaEff0, SigmaP, OCR, CompRatio, RecompRatio, CalphaRatio) of the
// active method. Refuses a layer whose initial effective or preconsolidation stress is not
// positive, or (Terzaghi-Bjerrum) whose e0 is -1 or less: their logarithms have no meaning.
void computeLayerCoefficients(Module1& st);

// The load-independent part of a layer's settlement under one load on top of its initial
// effective stress: the stress (capped at the preconsolidation stress), the two logarithms and
// the virgin and recompression settlements, each as stored.
struct PrimarySettlement {
    Single stress = 0;
    Single logVirgin = 0;
    Single logRecomp = 0;
    Single virgin = 0;
    Single recomp = 0;
};

// Refuses a load under which the effective stress of the layer would not be positive.
PrimarySettlement primarySettlement(const Module1& st, int layer, double load);

// The creep part at log10(t) as stored: the secondary part (negative, Terzaghi-Bjerrum) or the
// secular part (positive, Terzaghi-Koppejan).
Single creepPart(const Module1& st, int layer, const PrimarySettlement& primary, double log10Time);

// The layer's settlement (negative downward) from its primary and creep parts.
Single layerSettlement(const Module1& st, const PrimarySettlement& primary, Single creep);

// log10 of a time in days, taken as ln(t) / ln(10).
double log10Days(double days);

// The settlement of every layer and the totals for the 16 load steps after 1 to 10 000 days.
void computeLoadStepSettlements(Module1& st);

} // namespace korvex
