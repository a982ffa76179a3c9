#include "state/general_state.h"

namespace korvex {

void GeneralState::resetToStartUp() {
    *this = {};
    Gravity = 9.80665f;
    GammaWater = 1.0f;
    Pi = 3.14159f; // the program's own value, not the full constant
    SoilmassWater = 1.0f;
    ProjectName = "Settlement/Consolidation and Vertical drains";
    BoreHole = "Bore hole 1";
}

} // namespace korvex
