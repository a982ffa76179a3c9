#include "app/module1.h"

namespace korvex {

void Module1::setDefaults() {
    Gravity = 9.80665f;
    GammaWater = 1.0f;
    Pi = 3.14159f; // the program's own value, not the full constant
    SoilmassWater = 1.0f;
    SurfaceLevel = 1.0f;
    Watertable = 1.0f;
    WatertableInput = 1.0f;
    NewWatertable = 1.0f;
    SurfaceLevelRequired = 1.0f;
    NLayers = 0;
    SettlementTime = 1000.0f;
    FillIncrement = 1.0f;
    NFillLayers = 15.0f;
    ProjectName = "Settlement/Consolidation and Vertical drains";
    BoreHole = "Bore hole 1";
    const Single stressSteps[16] = {5,   10,  20,  40,  60,  80,  100, 120,
                                    140, 160, 180, 200, 220, 240, 260, 280};
    for (int j = 1; j <= 16; ++j) {
        StressStep(j) = stressSteps[j - 1];
    }
    const Single times[20] = {10,   20,   40,   60,   80,   100,   200,   400,   600,   800,
                              1000, 2000, 4000, 6000, 8000, 10000, 20000, 40000, 60000, 80000};
    for (int i = 1; i <= 20; ++i) {
        TPred(i) = times[i - 1];
    }
    ConstructionTime = 60.0f;
    DrainArea = 10000.0f;
    TimeFactor = 2.0f;
    SoilmassFillSat = 2.0f;
    KhKr = 1.0f;
    SoilmassAvg = 1.5f;
    SoilmassAvgSat = 1.5f;
    aCp = -1.98f;
    aCs = -2.54f;
    aCp2 = -2.34f;
    aC = -2.72f;
    bCp = -1.05f;
    bCs = -1.58f;
    DegreeCons = 0.9f;
    ConsolidationPeriod = 365.0f;
    DrainDiameter = 0.065f;
    RestSettlement = 0.2f;
    CvAvg = 5e-8f;
    ChAvg = 1e-7f;
    SoilmassFill = 1.6f;
    CcA = 1.04f;
    CcB = 0.357f;
    bCp2 = 0.569f;
    bC = 1.6f;
}

} // namespace korvex
