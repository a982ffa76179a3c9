#include "state/settlement_input_state.h"

namespace korvex {

void SettlementInput::resetToStartUp() {
    *this = {};
    SurfaceLevel = 1.0f;
    Watertable = 1.0f;
    WatertableInput = 1.0f;
    NewWatertable = 1.0f;
    SurfaceLevelRequired = 1.0f;
    SettlementTime = 1000.0f;
    FillIncrement = 1.0f;
    NFillLayers = 15.0f;
    const Single stressSteps[16] = {5,   10,  20,  40,  60,  80,  100, 120,
                                    140, 160, 180, 200, 220, 240, 260, 280};
    for (int j = 1; j <= 16; ++j) {
        StressStep(j) = stressSteps[j - 1];
    }
    SoilmassFill = 1.6f;
    SoilmassFillSat = 2.0f;
    SoilmassAvg = 1.5f;
    SoilmassAvgSat = 1.5f;
    CcA = 1.04f;
    CcB = 0.357f;
    aCp = -1.98f;
    aCs = -2.54f;
    aCp2 = -2.34f;
    aC = -2.72f;
    bCp = -1.05f;
    bCs = -1.58f;
    bCp2 = 0.569f;
    bC = 1.6f;
}

} // namespace korvex
