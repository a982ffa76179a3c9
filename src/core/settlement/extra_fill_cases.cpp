#include "settlement/extra_fill_cases.h"

#include "app/module1.h"
#include "app/number_text.h"
#include "settlement/fill_iteration.h"
#include "settlement/stress_paths.h"

namespace korvex {

using num::toSingle;

namespace {

void intersectCases(Module1& st, const StressPath* paths, int cases, double log10Time,
                    const IterationArrays& arrays, const LayerSettlementArrays& layers) {
    intersectPaths(paths, cases, arrays, [&](int k, double load) {
        return settleLayersAt(st, layers, k, load, log10Time, false);
    });
}

} // namespace

void computeExtraFillCases(Module1& st, const ExtraFillCaseSettings& settings) {
    constexpr int kCases = kExtraFillCases;
    StressPath paths[kCases + 1];
    for (int k = 1; k <= kCases; ++k) {
        st.ExtraFill(k) = toSingle((k - 1) * settings.increment);
        st.FillPlusPreload(k) = toSingle(static_cast<double>(st.FillThickness) + st.ExtraFill(k));
        paths[k] = buildStressPath(st, st.FillPlusPreload(k));
        st.SubmergedFillPre(k) = paths[k].submerged;
        if (!settings.submergence) {
            switchOffSubmergence(paths[k], settings.switchedOffAs);
        }
    }
    storePathsAndLines(st, paths, kCases);
    for (int k = 1; k <= kCases; ++k) {
        st.LoadPre10(k) = 0.0f;
        st.LoadPre10000(k) = 0.0f;
    }

    intersectCases(st, paths, settings.iteratedCases, 1.0,
                   {st.TrialLoadPre10, st.LoadPrevPre10, st.SettlementPre10, st.LoadPre10},
                   {nullptr, st.LogVirginPre10, st.LogRecompPre10, st.SVirginPre10, st.SRecompPre10,
                    st.SLayerPre10, st.SSecPre10, st.SSumPre10});
    intersectCases(
        st, paths, settings.iteratedCases, 4.0,
        {st.TrialLoadPre10000, st.LoadPrevPre10000, st.SettlementPre10000, st.LoadPre10000},
        {nullptr, st.LogVirginPre10000, st.LogRecompPre10000, st.SVirginPre10000,
         st.SRecompPre10000, st.SLayerPre10000, st.SSecPre10000, st.SSumPre10000});
}

} // namespace korvex
