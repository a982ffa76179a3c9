#include "preload/preload_cases.h"

#include "app/module1.h"
#include "preload/preload_inputs.h"
#include "settlement/extra_fill_cases.h"

#include <algorithm>

namespace korvex {

void computePreloadCases(Module1& st, const PreloadInputs& in, bool submergence) {
    const int layers = std::clamp<int>(st.NLayers, 0, 20);
    for (int i = 1; i <= layers; ++i) {
        st.Drained(i) = in.drained(i);
        st.ChExtraFill(i) = in.ch(i);
    }
    // Every case is iterated, so each one shows its own intersection; with submergence off the
    // paths end at point 2's load, as the path of the calculated thickness does.
    computeExtraFillCases(
        st, {in.increment, kExtraFillCases, submergence, PathKind::CalculatedThickness});
}

} // namespace korvex
