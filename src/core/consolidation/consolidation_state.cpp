#include "consolidation/consolidation_state.h"

namespace korvex {

void ConsolidationState::resetToStartUp() {
    *this = {};
    const Single times[20] = {10,   20,   40,   60,   80,   100,   200,   400,   600,   800,
                              1000, 2000, 4000, 6000, 8000, 10000, 20000, 40000, 60000, 80000};
    for (int i = 1; i <= 20; ++i) {
        TPred(i) = times[i - 1];
    }
    DegreeCons = 0.9f;
    ConsolidationPeriod = 365.0f;
    DrainDiameter = 0.065f;
    RestSettlement = 0.2f;
    ConstructionTime = 60.0f;
    DrainArea = 10000.0f;
    KhKr = 1.0f;
    CvAvg = 5e-8f;
    ChAvg = 1e-7f;
    TimeFactor = 2.0f;
}

} // namespace korvex
