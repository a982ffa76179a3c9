#pragma once

#include "app/vb_types.h"

namespace korvex {

// What the consolidation calculation reads and stores: the prediction times, its inputs, the
// drain design and the settlement-time series.
struct ConsolidationState {
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
    Single TimeFactorHor = 0;
    Single DrainPath = 0;
    Single SoilThickness = 0;
    SingleArray<20> Cv;

    // Consolidation results.
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

    // As a program just started holds it: the start-up inputs and prediction times, nothing
    // calculated.
    void resetToStartUp();
};

} // namespace korvex
