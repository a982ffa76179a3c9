#pragma once

#include "app/vb_types.h"

namespace korvex {

// The preload: extra fill on drained and undrained layers, its consolidation and when it can be
// removed.
struct PreloadState {
    SingleArray<20> ChExtraFill, CvExtraFill;
    VbArray<Integer, 20> Drained;
    // The drain design and rest settlement the preload was sized with. They are the preload's own:
    // the consolidation's design stays beside them as the consolidation calculated it.
    Single SpacingTriPre = 0, DrainZonePre = 0, FnPre = 0, RestSettlementPre = 0;
    SingleArray<20> TPreload;
    SingleArray2<20, 20> PreloadTermA, PreloadTermB, PreloadTermExp, UPreload;
    VbArray3<Single, 20, 16, 6> SPreloadHorLayer, SPreloadVertRestLayer, SPreloadTotalLayer;
    SingleArray2<20, 6> SPreloadHor, SPreloadVertRest, SPreloadTotal;
    Single SRemoveLevel = 0;
    SingleArray<6> TRemoveCalc, TRemove, TAdvantage;

    // As a program just started holds it: no layer drained, nothing calculated.
    void resetToStartUp() { *this = {}; }
};

} // namespace korvex
