#pragma once

// The notice that heads every report, printout and file of results. Readers of the files split
// lines at commas and skip this line by its place, so its shape is fixed: one colon, no TAB or
// double quote, and exactly five comma-separated items.

namespace korvex {

inline constexpr const char* kNoticeLine =
    "Notice: KORVEX results are estimates, check all input, check all output, use engineering "
    "judgement, no liability accepted";

} // namespace korvex
