#pragma once

#include "app/vb_types.h"

namespace korvex {

struct GeneralState;
struct SettlementInput;
struct SettlementResults;

// The load on the subsoil as the fill settles: points 1 to 4 (settlement m, negative downward;
// load kPa), each as stored. Element 0 is unused so that points keep their numbers.
struct StressPath {
    Single S[5] = {};
    Single L[5] = {};
    // Thickness of the fill below the water table at point 3 (m).
    Single submerged = 0;
};

// How the submergence switch treats a path when submergence is off: a fill step or extra-fill
// case keeps a small slope to point 3; the calculated thickness's path ends at point 2's load.
enum class PathKind { FillStep, CalculatedThickness };

// The stress path of a fill of thickness h on the current site and water table (after the
// water-table change), with submergence, before the submergence switch.
StressPath buildStressPath(const GeneralState& general, const SettlementInput& input,
                           const SettlementResults& results, double fillThickness);
// For a caller holding the whole state: it passes itself as every part.
template <class State> StressPath buildStressPath(const State& st, double fillThickness) {
    return buildStressPath(st, st, st, fillThickness);
}

// Submergence off: the loads fall by only 0.005 kPa per point, so the path is practically
// vertical at the full fill load.
void switchOffSubmergence(StressPath& path, PathKind kind);

// The load a path gives at settlement s: linear between its points, its first load above its
// first point and its last load below its last point. Points at the same settlement add nothing.
double loadAtSettlement(const StressPath& path, double settlement);

// Stores paths 1..count into StressPathS / StressPathLoad and their lines into PathSlope1/2 and
// PathIntercept1/2 (the lines are kept for readers of the shared state; the iterations read the
// paths themselves).
void storePathsAndLines(const SettlementInput& input, SettlementResults& results,
                        const StressPath* paths, int count);

} // namespace korvex
