#pragma once

#include "settlement/stress_paths.h"

namespace korvex {

struct GeneralState;
struct SettlementInput;
struct SettlementResults;

// How a family of extra-fill cases is built: case k carries FillThickness + (k - 1) x increment.
struct ExtraFillCaseSettings {
    // Extra fill added by each further case, m.
    double increment = 1.0;
    // Cases 1..iteratedCases get their 10-day and 10 000-day intersections; all 15 get paths.
    int iteratedCases = 2;
    bool submergence = true;
    // How the submergence switch treats the paths when submergence is off.
    PathKind switchedOffAs = PathKind::FillStep;
};

inline constexpr int kExtraFillCases = 15;

// The calculated fill with extra fill (cases 1 to 15): their stress paths and, for the iterated
// cases, where the paths meet the settlement curves after 10 and 10 000 days, per layer
// (SLayerPre10, SLayerPre10000) and in total (SettlementPre10, SettlementPre10000 with their
// loads).
void computeExtraFillCases(const GeneralState& general, const SettlementInput& input,
                           SettlementResults& results, const ExtraFillCaseSettings& settings);

} // namespace korvex
