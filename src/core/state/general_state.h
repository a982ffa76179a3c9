#pragma once

#include "app/vb_types.h"

#include <string>

namespace korvex {

// The part of the shared state every window and calculation may read: how the program was
// started and what it shows, the project's names and the physical constants.
struct GeneralState {
    // Window, mode and file variables.
    Integer Method = 0;
    Integer ListMode = 0;
    Integer SettlementCalculated = 0;
    Integer ConsolidationCalculated = 0;
    // What the last completed calculations ran with, so that a later step built on their results
    // uses the same choices even after the menus or the input windows have changed: the method and
    // the submergence switch (0/1) of the settlement calculation, and Option4 (0/1, the end of
    // primary at the time factor) of the consolidation calculation. An opened project sets the
    // method too: the results its file brings belong to it.
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

    // As a program just started holds it.
    void resetToStartUp();
    // No settlement, or no consolidation, counted as calculated, with nothing recorded of it: as
    // at start-up, once its results are discarded.
    void forgetSettlement() {
        SettlementCalculated = 0;
        SettlementMethod = 0;
        SettlementSubmergence = 0;
    }
    void forgetConsolidation() {
        ConsolidationCalculated = 0;
        ConsolidationOption4 = 0;
    }
};

} // namespace korvex
