#pragma once

#include <cmath>

namespace korvex {

// True when no value is infinite or NaN. A calculation checks its results with it before they are
// committed, since a formula taken beyond its range overflows without an error of its own.
template <typename Values> bool allFinite(const Values& values) {
    for (const auto v : values) {
        if (!std::isfinite(v)) {
            return false;
        }
    }
    return true;
}

} // namespace korvex
