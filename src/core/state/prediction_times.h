#pragma once

#include "app/vb_types.h"

#include <algorithm>
#include <array>
#include <cstddef>

namespace korvex {

// The times in days a settlement is predicted at when the program starts: rows 1 to 20 of the
// consolidation's TPred, and the first 18 beside the readings of a plate until a prediction
// arrives. The preload's curves are always computed at these times, whatever TPred holds.
inline constexpr std::array<Single, 20> kStartUpPredictionTimes = {
    10,   20,   40,   60,   80,   100,   200,   400,   600,   800,
    1000, 2000, 4000, 6000, 8000, 10000, 20000, 40000, 60000, 80000};

// Rows 1 to 20 (as far as the array goes) hold the start-up times, every other row 0.
template <std::size_t UBound> SingleArray<UBound> startUpPredictionTimes() {
    SingleArray<UBound> rows;
    const std::size_t last = std::min(UBound, kStartUpPredictionTimes.size());
    for (std::size_t i = 1; i <= last; ++i) {
        rows(static_cast<std::ptrdiff_t>(i)) = kStartUpPredictionTimes[i - 1];
    }
    return rows;
}

} // namespace korvex
