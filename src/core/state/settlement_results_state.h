#pragma once

#include "app/vb_types.h"

namespace korvex {

// The stress paths with their lines and the extra-fill cases: where the calculated fill plus
// extra fill meets the settlement curves after 10 and 10 000 days, [layer 0..20, case 0..20]. The
// settlement calculation writes its own (cases 1 m of extra fill apart, the fill steps' paths);
// the preload calculation replaces them by its own cases.
struct ExtraFillCaseResults {
    SingleArray2<21, 5> StressPathS, StressPathLoad;
    SingleArray<16> PathSlope1, PathSlope2, PathIntercept1, PathIntercept2;

    SingleArray<20> ExtraFill;
    SingleArray<15> FillPlusPreload, SubmergedFillPre;
    SingleArray<21> TrialLoadPre10, TrialLoadPre10000, LoadPrevPre10, LoadPrevPre10000;
    SingleArray2<20, 20> LogVirginPre10, LogVirginPre10000, LogRecompPre10, LogRecompPre10000;
    SingleArray2<20, 20> SVirginPre10, SVirginPre10000, SRecompPre10, SRecompPre10000;
    SingleArray<20> SSecPre10, SSecPre10000;
    SingleArray2<20, 20> SLayerPre10, SLayerPre10000;
    SingleArray<20> SSumPre10, SSumPre10000, SettlementPre10, SettlementPre10000;
    SingleArray<20> LoadPre10, LoadPre10000;
};

// What the settlement calculation stores: stresses, layer coefficients, settlements per load
// step and time, the fill steps and the fill thickness, and the extra-fill cases whose
// settlements after 10 and 10 000 days the consolidation starts from.
struct SettlementResults : ExtraFillCaseResults {
    // Soil stresses and layer coefficients.
    SingleArray<21> LThickness, CumDepth, HalfSigmaTot, HalfSigmaWat, SigmaTotBot, SigmaWatBot;
    SingleArray<21> SigmaTotSoil, SigmaTotFlooded, SigmaWatWT, SigmaWatFlooded;
    SingleArray<21> SigmaTot, SigmaWat, SigmaEff, Depth;
    SingleArray<20> SigmaEff0, SigmaP, OCR, CompRatio, RecompRatio, CalphaRatio;

    // Settlements per load step and time: [layer 0..20, load step 0..20].
    SingleArray2<20, 20> SigmaStep, LogVirgin, LogRecomp, SVirgin, SRecomp;
    SingleArray<20> SSec1, SSec10, SSec100, SSec1000, SSec10000;
    SingleArray2<20, 20> SLayer1, SLayer10, SLayer100, SLayer1000, SLayer10000;
    SingleArray<20> S1, S10, S100, S1000, S10000;

    // Fill steps and fill thickness.
    SingleArray<21> FillHeight, SubmergedFill;
    SingleArray<21> TrialLoadFill, LoadPrevFill;
    SingleArray2<20, 20> SigmaTrial, LogVirginFill, LogRecompFill, SVirginFill, SRecompFill;
    SingleArray<20> SSecFill;
    SingleArray2<20, 20> SLayerFill;
    SingleArray<20> SSumFill, FillHeightSettlement, FillHeightStress, EffHeight, SurfaceHeight;
    Single FillThickness = 0;
    Single FillSettlement = 0;
    SingleArray<20> CalcFillPathS, CalcFillPathLoad;

    // The settlements of the calculated fill alone (case 1) handed to the consolidation.
    Single S10Cons = 0;
    Single S10000Cons = 0;

    // The paths and cases as the settlement calculation left them, so that they come back when
    // the preload's results are discarded.
    ExtraFillCaseResults SettlementCases;

    // Kept by the settlement calculation once it has written its paths and cases.
    void keepSettlementCases() {
        SettlementCases = static_cast<const ExtraFillCaseResults&>(*this);
    }
    // The preload's cases give way to those of the settlement calculation.
    void restoreSettlementCases() { static_cast<ExtraFillCaseResults&>(*this) = SettlementCases; }

    // As a program just started holds it: nothing calculated.
    void resetToStartUp() { *this = {}; }
};

} // namespace korvex
