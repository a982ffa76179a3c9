#pragma once

namespace korvex {

struct GeneralState;
struct SettlementInput;
struct SettlementResults;

// The calculated fill with 0 to 14 m of extra fill (cases 1 to 15) and, for cases 1 and 2, where
// their paths meet the settlement curves after 10 and 10 000 days; S10Cons and S10000Cons are the
// settlements of case 1 (the calculated fill alone), positive.
void computeExtraFillCases(const GeneralState& general, const SettlementInput& input,
                           SettlementResults& results, bool submergence);

} // namespace korvex
