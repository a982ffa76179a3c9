#pragma once

// The boxes of the consolidation input window read as the calculation needs them, and the one
// check of all of them that runs before the calculation changes anything.

#include "app/vb_types.h"
#include "consolidation/drain_zone.h"

#include <vector>

namespace korvex {

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
    // The Cv of layers 1 to NLayers from the window's table.
    std::vector<Single> layerCv;
};

inline constexpr const char* kUnknownThicknessMessage =
    "The total thickness of Soil layers is unknown because it is not set automatic by settlement "
    "Calculation; Please give a value.";

// Reads and checks every input (the boxes, the Cv of the first `layers` rows of the table, the
// prediction times of the state) and solves the drain zone. The first input that would make a step
// impossible is refused with a message naming its box; the state is not touched either way.
ConsolidationInputs readConsolidationInputs(const Form4& form, const ConsolidationState& state,
                                            int layers);

// Days for a flow to reach the time factor over a path (drainage path or drain zone), m.
Single consolidationTimeDays(Single path, Single timeFactor, Single coefficient);

} // namespace korvex
