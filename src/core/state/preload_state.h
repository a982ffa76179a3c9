#pragma once

#include "app/vb_types.h"

namespace korvex {

struct SettlementResults;

// What the preload calculation computes: the drain design it sized the extra fill with, the
// settlement curves with extra fill and when the extra fill can be removed.
struct PreloadResults {
    // The drain design and rest settlement the preload was sized with. They are the preload's own:
    // the consolidation's design stays beside them as the consolidation calculated it.
    Single SpacingTriPre = 0, DrainZonePre = 0, FnPre = 0, RestSettlementPre = 0;
    SingleArray<20> TPreload;
    SingleArray2<20, 20> PreloadTermA, PreloadTermB, PreloadTermExp, UPreload;
    VbArray3<Single, 20, 16, 6> SPreloadHorLayer, SPreloadVertRestLayer, SPreloadTotalLayer;
    SingleArray2<20, 6> SPreloadHor, SPreloadVertRest, SPreloadTotal;
    Single SRemoveLevel = 0;
    SingleArray<6> TRemoveCalc, TRemove, TAdvantage;

    // As a program just started holds them: nothing calculated.
    void resetToStartUp() { *this = {}; }
};

// The preload: extra fill on drained and undrained layers, its consolidation and when it can be
// removed. Per layer, what the preload was given: its Ch, its Cv under the drain ends and whether
// the drains reach it.
struct PreloadState : PreloadResults {
    SingleArray<20> ChExtraFill, CvExtraFill;
    VbArray<Integer, 20> Drained;

    // As a program just started holds it: no layer drained, nothing calculated.
    void resetToStartUp() { *this = {}; }
};

// The preload's results as a program just started holds them, and the extra-fill cases it replaced
// as the settlement calculation left them; what the preload was given per layer stays. A new
// settlement or consolidation calculation, or the other method, leaves this: the extra fill was
// sized for settlements or drains that are gone.
void discardPreloadResults(SettlementResults& settlement, PreloadState& preload);

} // namespace korvex
