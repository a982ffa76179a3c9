#pragma once

#include "app/vb_types.h"

namespace korvex {

struct GeneralState;

// What the consolidation calculation computes from its inputs: the drain design, the consolidation
// times and the settlement-time series.
struct ConsolidationResults {
    // The time factor the horizontal-flow time was computed with.
    Single TimeFactorHor = 0;

    // Drain design and consolidation times.
    Single DrainZone = 0, Fn = 0, SpacingTri = 0, SpacingSq = 0;
    Single DrainsPerM2 = 0, DrainsTotal = 0, TconsHor = 0, TconsVert = 0;
    Single DiffSHor = 0, DiffSVert = 0, SPrimary = 0, SPrimVert = 0, SPrimHor = 0;
    Single DiffS10000S10 = 0, Discharge = 0, DischargeYear = 0;

    // Settlement-time series (rows 1 to 20 belong to TPred rows 1 to 20).
    SingleArray<21> OneMinusUVertIL, OneMinusUHorIL, OneMinusUHorVertIL;
    SingleArray<21> UVertIL, UHorIL, UHorVertIL, UVertGL, UHorGL, UHorVertGL;
    SingleArray<21> TimeFactorHorAtT, TimeFactorVertAtT;
    SingleArray<101> SHorIL, SVertIL, SHorGL, SVertGL;
    SingleArray<21> SHorVertIL, SHorVertGL;
    SingleArray<101> SSecondary;
    SingleArray<21> SPrimHorIL, SPrimVertIL, SPrimHorGL, SPrimVertGL;
    SingleArray<21> DiffDrainsIL, DiffDrainsGL, RatioSecPrim;
    SingleArray<21> RestSett, RestSettGL;
    SingleArray<21> TimeRestHor, TimeRestVert, TimeRestHorGL, TimeRestVertGL;
    SingleArray<100> TimeRestHorStep, TimeRestVertStep, TimeRestHorGLStep, TimeRestVertGLStep;

    // As a program just started holds them: nothing calculated.
    void resetToStartUp() { *this = {}; }
};

// What the consolidation calculation reads and stores: the prediction times and its inputs, and
// its results.
struct ConsolidationState : ConsolidationResults {
    // Prediction times.
    SingleArray<101> TPred;

    // Consolidation inputs (the settlement calculation sets DrainPath and SoilThickness to the
    // thickness of the layers).
    Single DegreeCons = 0;
    Single ConsolidationPeriod = 0;
    Single DrainDiameter = 0;
    Single RestSettlement = 0;
    Single ConstructionTime = 0;
    Single DrainArea = 0;
    Single KhKr = 0;
    Single CvAvg = 0;
    Single ChAvg = 0;
    Single TimeFactor = 0;
    Single DrainPath = 0;
    Single SoilThickness = 0;
    SingleArray<20> Cv;

    // As a program just started holds it: the start-up inputs and prediction times, nothing
    // calculated.
    void resetToStartUp();
};

// The consolidation's results as a program just started holds them, and no consolidation counted
// as calculated; its inputs stay. A new settlement calculation or the other method leaves this:
// the results were computed from settlements that are gone.
void discardConsolidationResults(GeneralState& general, ConsolidationState& consolidation);

} // namespace korvex
