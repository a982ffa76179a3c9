#pragma once

// The shared calculation state: one set of named variables that lives for the whole run. Every
// window model and calculation reads and writes it by the names the program has always used, so
// that the next engineer finds a value by its name in any window, calculation or report.

#include "app/vb_types.h"

#include <string>

namespace korvex {

struct Module1 {
    // Window, mode and file variables.
    Integer Method = 0;
    Integer ListMode = 0;
    Integer SettlementCalculated = 0;
    Integer ConsolidationCalculated = 0;
    // What the last completed calculations ran with, so that a later step built on their results
    // uses the same choices even after the menus or the input windows have changed: the method and
    // the submergence switch (0/1) of the settlement calculation, and Option4 (0/1, the end of
    // primary at the time factor) of the consolidation calculation.
    Integer SettlementMethod = 0;
    Integer SettlementSubmergence = 0;
    Integer ConsolidationOption4 = 0;
    Integer FileNr = 0;
    std::string FileName;

    // Project strings and constants.
    std::string ProjectName;
    std::string BoreHole;
    std::string ExtraCode;
    Single Gravity = 0;
    Single GammaWater = 0;
    Single SoilmassWater = 0;
    Single Pi = 0;

    // Site input copies.
    Integer NLayers = 0;
    Single SurfaceLevel = 0;
    Single Watertable = 0;
    Single NewWatertable = 0;
    Variant WatertableLoad;
    Single WatertableOrig = 0;
    Single SoilmassFill = 0;
    Single SoilmassFillSat = 0;
    Single SoilmassAvg = 0;
    Single SoilmassAvgSat = 0;
    Single SurfaceLevelRequired = 0;
    Single SettlementTime = 0;
    Single NFillLayers = 0;
    Single FillIncrement = 0;

    // Soil-layer input arrays (element i = layer i; LDepth(0) is the surface level).
    SingleArray<21> LDepth, Soilwet, Cr, e0, Cc, ec, Calpha, Sigmac;
    SingleArray<21> InvCp, InvCs, InvCp2, InvCs2, CKoppejan;

    // Load steps and time points.
    SingleArray<21> StressStep;
    SingleArray<101> TPred;

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

    // Fill steps, stress paths and fill thickness.
    SingleArray<21> FillHeight, SubmergedFill;
    SingleArray2<21, 5> StressPathS, StressPathLoad;
    SingleArray<16> PathSlope1, PathSlope2, PathIntercept1, PathIntercept2;
    SingleArray<21> TrialLoadFill, LoadPrevFill;
    SingleArray2<20, 20> SigmaTrial, LogVirginFill, LogRecompFill, SVirginFill, SRecompFill;
    SingleArray<20> SSecFill;
    SingleArray2<20, 20> SLayerFill;
    SingleArray<20> SSumFill, FillHeightSettlement, FillHeightStress, EffHeight, SurfaceHeight;
    Single FillThickness = 0;
    Single FillSettlement = 0;
    SingleArray<20> CalcFillPathS, CalcFillPathLoad;

    // Settlements after 10 and 10 000 days for fill plus extra fill: [layer 0..20, case 0..20].
    SingleArray<20> ExtraFill;
    SingleArray<15> FillPlusPreload, SubmergedFillPre;
    SingleArray<21> TrialLoadPre10, TrialLoadPre10000, LoadPrevPre10, LoadPrevPre10000;
    SingleArray2<20, 20> LogVirginPre10, LogVirginPre10000, LogRecompPre10, LogRecompPre10000;
    SingleArray2<20, 20> SVirginPre10, SVirginPre10000, SRecompPre10, SRecompPre10000;
    SingleArray<20> SSecPre10, SSecPre10000;
    SingleArray2<20, 20> SLayerPre10, SLayerPre10000;
    SingleArray<20> SSumPre10, SSumPre10000, SettlementPre10, SettlementPre10000;
    SingleArray<20> LoadPre10, LoadPre10000;
    Single S10Cons = 0;
    Single S10000Cons = 0;

    // Fitting coefficients.
    Single CcA = 0, CcB = 0;
    Single aCp = 0, bCp = 0, aCs = 0, bCs = 0, aCp2 = 0, bCp2 = 0, aC = 0, bC = 0;

    // Consolidation inputs.
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
    Single DrainZone = 0, Fn = 0, SpacingTri = 0, SpacingSq = 0, SpacingTriPre = 0;
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

    // Preload.
    SingleArray<20> ChExtraFill, CvExtraFill;
    VbArray<Integer, 20> Drained;
    SingleArray<20> TPreload;
    SingleArray2<20, 20> PreloadTermA, PreloadTermB, PreloadTermExp, UPreload;
    VbArray3<Single, 20, 16, 6> SPreloadHorLayer, SPreloadVertRestLayer, SPreloadTotalLayer;
    SingleArray2<20, 6> SPreloadHor, SPreloadVertRest, SPreloadTotal;
    Single SRemoveLevel = 0;
    SingleArray<6> TRemoveCalc, TRemove, TAdvantage;

    // Observations.
    SingleArray<100> TObs, SObs;
    Single NObs = 0;
    Single DtObs = 0;
    Single TShift = 0;
    std::string PlateCode;
    Single DtAsaoka = 0;
    Single SumX = 0, SumX2 = 0, SumXY = 0, SumY = 0, SumY2 = 0;
    Single Beta1 = 0, Beta0 = 0, Correlation = 0, SFinal = 0, CvOverall = 0, ChOverall = 0;
    SingleArray<100> SAsaokaFit, TSRatio, DsDt, DsDlogt;

    // Report line buffers.
    StringArray<100> LinesInput;
    StringArray<20> LinesLayers, LinesStresses, LinesSettlements, LinesConsolIL, LinesConsolGL;
    StringArray<20> LinesDegreeIL, LinesDegreeGL, LinesPreload, LinesFillHeight;
    StringArray<10> LinesSettlTimes;
    StringArray<20> LinesStressHeader, LinesSettlLayer;
    StringArray<100> LinesTS, LinesDsDt, LinesDsDlogt, LinesObserved;

    // The start-up values of Main, each stored as the nearest Single.
    void setDefaults();
};

} // namespace korvex
