#pragma once

// The rate plots of a settlement plate: settlement per day, settlement per decade of time, and
// settlement over elapsed time. A consolidating layer shows falling rates; a rate that levels off
// or rises points to creep or to new load.

#include "app/vb_types.h"

#include <string>
#include <vector>

namespace korvex {

// One rate per point; a point whose rate cannot be found holds 0 and is listed (observation
// rows, from 1) so that it is left out of the plot.
struct Rates {
    std::vector<Single> values;
    std::vector<int> missingRows;
};

// ds/dt of observations 1..n over one time step dt; the first from a settlement of 0 at loading.
Rates settlementPerDay(const std::vector<Single>& settlements, Single dt);

// ds / log10(t(i+1) / t(i)) for i = 1..n-1: the settlement per decade of time in the step from
// observation i to i + 1.
Rates settlementPerDecade(const std::vector<Single>& times, const std::vector<Single>& settlements);

// s(i) / t(i) for i = 1..n.
Rates settlementOverTime(const std::vector<Single>& times, const std::vector<Single>& settlements);

// "2, 5-7, 9": rows for a message.
std::string rowList(const std::vector<int>& rows);

} // namespace korvex
