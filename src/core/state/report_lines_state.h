#pragma once

#include "app/vb_types.h"

namespace korvex {

// Report line buffers: each part of the report as the windows last wrote it.
struct ReportLines {
    StringArray<100> LinesInput;
    StringArray<20> LinesLayers, LinesStresses, LinesSettlements, LinesConsolIL, LinesConsolGL;
    StringArray<20> LinesDegreeIL, LinesDegreeGL, LinesPreload, LinesFillHeight;
    StringArray<10> LinesSettlTimes;
    StringArray<20> LinesStressHeader, LinesSettlLayer;
    StringArray<100> LinesTS, LinesDsDt, LinesDsDlogt, LinesObserved;

    // As a program just started holds it: no report written.
    void resetToStartUp() { *this = {}; }
};

} // namespace korvex
