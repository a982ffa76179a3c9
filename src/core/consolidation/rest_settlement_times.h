#pragma once

// The time after which no more than a given rest settlement is still to come, for the curves with
// and without drains under instantaneous and gradual load.

#include "app/vb_types.h"

#include <functional>
#include <string>

namespace korvex {

struct ConsolidationState;
class ConsolidationDegrees;

// A curve whose rest settlement has not fallen to the target by this time never will in any
// sense that matters on site; its time is stored as this value and shown as "not reached".
inline constexpr Single kRestTimeLimitDays = 1.0e6f;

bool restTimeReached(Single days);
// The box and report text of a rest-settlement time: the number, or "not reached".
std::string restTimeText(Single days);

struct RestTimeSearch {
    Single days = 0;
    // The step the search stood at when it ended (0.1 after a completed search).
    Single lastStep = 0;
};

// Steps through the time grid of 100, 10 and 1 days for the last time at which more than the
// target remained below the reference settlement; a search that passes the limit ends there.
RestTimeSearch searchRestTime(const std::function<double(double days)>& settlementAt,
                              Single reference, Single target);

// The rest-settlement steps (RestSett, RestSettGL, in mm afterwards) and the four searches
// (TimeRestHor, TimeRestVert, TimeRestHorGL, TimeRestVertGL with their steps).
void computeRestSettlementTimes(ConsolidationState& state, const ConsolidationDegrees& degrees,
                                bool secondaryFromTimeFactor);

} // namespace korvex
