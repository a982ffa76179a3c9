#pragma once

#include "app/vb_types.h"

namespace korvex {

// The preload: extra fill on drained and undrained layers, its consolidation and when it can be
// removed.
struct PreloadState {
    SingleArray<20> ChExtraFill, CvExtraFill;
    VbArray<Integer, 20> Drained;
    SingleArray<20> TPreload;
    SingleArray2<20, 20> PreloadTermA, PreloadTermB, PreloadTermExp, UPreload;
    VbArray3<Single, 20, 16, 6> SPreloadHorLayer, SPreloadVertRestLayer, SPreloadTotalLayer;
    SingleArray2<20, 6> SPreloadHor, SPreloadVertRest, SPreloadTotal;
    Single SRemoveLevel = 0;
    SingleArray<6> TRemoveCalc, TRemove, TAdvantage;
};

} // namespace korvex
