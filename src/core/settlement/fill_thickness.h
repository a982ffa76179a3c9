#pragma once

#include <vector>

namespace korvex {

struct GeneralState;
struct SettlementInput;
struct SettlementResults;

// Number of fill steps that get a stress path and an intersection.
inline constexpr int kFillSteps = 15;

// The 15 fill steps: their stress paths, where each meets the settlement curve at the settlement
// time, the fill thickness that brings the settled surface to the required level and its
// settlement, and the stress path of that thickness. Returns false when no pair of neighbouring
// steps brackets the required level (FillThickness and FillSettlement are then 0).
bool computeFillThickness(const GeneralState& general, const SettlementInput& input,
                          SettlementResults& results, bool submergence);

// Stores the fill-step paths and their lines again (the extra-fill cases use the same arrays),
// leaving the intersections as they are.
void storeFillStepPaths(const GeneralState& general, const SettlementInput& input,
                        SettlementResults& results, bool submergence);

// The settlement of each layer (1 to NLayers, negative downward) at the settlement time under the
// calculated fill thickness, interpolated between the two fill steps that bracket the required
// level as the thickness is; empty when no thickness was found.
std::vector<double> layerSettlementsAtFillThickness(const SettlementInput& input,
                                                    const SettlementResults& results);

} // namespace korvex
