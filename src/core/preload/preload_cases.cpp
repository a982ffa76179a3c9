#include "preload/preload_cases.h"

#include "preload/preload_inputs.h"
#include "settlement/extra_fill_cases.h"
#include "state/preload_state.h"
#include "state/settlement_input_state.h"

#include <algorithm>

namespace korvex {

void computePreloadCases(const GeneralState& general, const SettlementInput& input,
                         SettlementResults& settlement, PreloadState& preload,
                         const PreloadInputs& in, bool submergence) {
    const int layers = std::clamp<int>(input.NLayers, 0, 20);
    for (int i = 1; i <= layers; ++i) {
        preload.Drained(i) = in.drained(i);
        preload.ChExtraFill(i) = in.ch(i);
    }
    // Every case is iterated, so each one shows its own intersection; with submergence off the
    // paths end at point 2's load, as the path of the calculated thickness does.
    computeExtraFillCases(
        general, input, settlement,
        {in.increment, kExtraFillCases, submergence, PathKind::CalculatedThickness});
}

} // namespace korvex
