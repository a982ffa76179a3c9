#include "report/report_writer.h"

#include <cmath>
#include <limits>

namespace korvex::report {

int wholeRows(Single count) {
    // A float above the int range, or NaN, has no int: converting it is undefined.
    if (!(count >= 1.0f)) {
        return 0;
    }
    if (count >= static_cast<Single>(std::numeric_limits<int>::max())) {
        return std::numeric_limits<int>::max();
    }
    return static_cast<int>(std::floor(count));
}

} // namespace korvex::report
