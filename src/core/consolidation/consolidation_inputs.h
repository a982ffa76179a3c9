#pragma once

// The boxes of the consolidation input window read as the calculation needs them, and the one
// check of all of them that runs before the calculation changes anything.

#include "app/vb_types.h"
#include "consolidation/drain_zone.h"

#include <optional>

namespace korvex {

class Desktop;
class Form4;
struct ConsolidationState;

struct ConsolidationInputs {
    Single DegreeCons = 0, ConsolidationPeriod = 0, DrainDiameter = 0, RestSettlement = 0;
    Single S10Cons = 0, S10000Cons = 0, ConstructionTime = 0, DrainArea = 0;
    // The thickness of the box; halved for two-way flow into drainagePath.
    Single thickness = 0;
    Single drainagePath = 0;
    Single ChAvg = 0, CvAvg = 0, TimeFactor = 0;
    // The period in seconds, as stored for the drain zone.
    Single periodSeconds = 0;
    DrainZoneSolution drainZone;
};

inline constexpr const char* kUnknownThicknessMessage =
    "The total thickness of Soil layers is unknown because it is not set automatic by settlement "
    "Calculation; Please give a value.";

// Reads and checks every input (the boxes, the prediction times of the state) and solves the drain
// zone. On the first input that would make a step impossible it shows a message naming the box and
// returns nothing; the state is not touched either way.
std::optional<ConsolidationInputs>
readConsolidationInputs(const Form4& form, const ConsolidationState& state, Desktop& desktop);

// Days for a flow to reach the time factor over a path (drainage path or drain zone), m.
Single consolidationTimeDays(Single path, Single timeFactor, Single coefficient);

} // namespace korvex
