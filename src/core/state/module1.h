#pragma once

// The shared calculation state: one set of named variables that lives for the whole run. Every
// window model and calculation reads and writes it by the names the program has always used, so
// that the next engineer finds a value by its name in any window, calculation or report.
//
// Each subsystem owns one part. A calculation that works on only some parts takes just those, so
// its signature says what it changes, and a file that needs one part includes only that part's
// header and is not rebuilt when another part changes.
//
// The whole state lies beneath every subsystem, since their calculations and windows and the
// ground's own Application and commitOnSuccess work on it; so the parts are plain data kept here
// beside it, and include nothing but the program's types.

#include "state/consolidation_state.h"
#include "state/general_state.h"
#include "state/observation_state.h"
#include "state/preload_state.h"
#include "state/report_lines_state.h"
#include "state/settlement_input_state.h"
#include "state/settlement_results_state.h"

namespace korvex {

struct Module1 : GeneralState,
                 SettlementInput,
                 SettlementResults,
                 ConsolidationState,
                 PreloadState,
                 ObservationState,
                 ReportLines {
    // The start-up values of Main, each stored as the nearest Single: every part's own
    // resetToStartUp, so that a variable added to a part starts the same way everywhere.
    void setDefaults();
    // Before an opened project is put in place: every part as at start-up, so that no result,
    // preload choice or input of the project before survives beside the new inputs. What belongs
    // to no project stays: the observations (the plate's), the listing's mode and the
    // coefficients of the two fitting windows.
    void resetForProject();
    // The other method chosen: every result (settlement, consolidation, preload) as at start-up,
    // with nothing counted as calculated. The inputs of both methods stay, and so does what belongs
    // to no calculation: the observations with the plate's predictions.
    void discardResults();
};

} // namespace korvex
