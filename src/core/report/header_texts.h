#pragma once

// The texts that head the reports and the project file: the boxes of the settlement input window
// and the observation window as the user sees them, or, for a window that is not loaded, the
// texts its loading would put there. Reading them loads no window: loading the observation
// window would set ListMode and TShift and count the observations again, and the report would
// then change what it reports on.

#include "app/vb_types.h"

#include <string>

namespace korvex {

class Application;
struct ObservationState;

struct HeaderTexts {
    std::string projectName; // Form1.Text1
    std::string boreHole;    // Form1.Text2
    std::string extraCode;   // Form1.Text3
    std::string plateCode;   // Form13.Text1
    bool operator==(const HeaderTexts&) const = default;
};

HeaderTexts headerTexts(Application& app);

// What the observation window's loading writes in its plate-code box: the plate of the readings
// in the state, the default plate when there is none.
std::string plateCodeOnLoading(const ObservationState& st);

} // namespace korvex
