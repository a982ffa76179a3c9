#pragma once

// Whether a refused action left the shared state as it was: the parts the settlement,
// consolidation and preload calculations write, compared byte for byte (NaN and -0 included),
// and the general part by value.

#include "state/module1.h"

#include <cstring>
#include <type_traits>

namespace korvex::test {

template <class Part> bool samePart(const Part& a, const Part& b) {
    static_assert(std::is_trivially_copyable_v<Part>);
    // Padding takes part: it is copied with the part, and equal bytes mean equal values.
    return std::memcmp(&a, &b, sizeof(Part)) == 0; // NOLINT(bugprone-suspicious-memory-comparison)
}

inline bool sameState(const Module1& a, const Module1& b) {
    const GeneralState& ga = a;
    const GeneralState& gb = b;
    return ga.Method == gb.Method && ga.ListMode == gb.ListMode &&
           ga.SettlementCalculated == gb.SettlementCalculated &&
           ga.ConsolidationCalculated == gb.ConsolidationCalculated &&
           ga.SettlementMethod == gb.SettlementMethod &&
           ga.SettlementSubmergence == gb.SettlementSubmergence &&
           ga.ConsolidationOption4 == gb.ConsolidationOption4 && samePart<SettlementInput>(a, b) &&
           samePart<SettlementResults>(a, b) && samePart<ConsolidationState>(a, b) &&
           samePart<PreloadState>(a, b);
}

} // namespace korvex::test
