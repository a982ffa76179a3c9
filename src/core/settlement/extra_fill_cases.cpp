#include "settlement/extra_fill_cases.h"

#include "app/number_text.h"
#include "settlement/fill_iteration.h"
#include "settlement/stress_paths.h"
#include "state/settlement_input_state.h"
#include "state/settlement_results_state.h"

namespace korvex {

using num::toSingle;

namespace {

void intersectCases(const GeneralState& general, const SettlementInput& input,
                    SettlementResults& results, const StressPath* paths, int cases,
                    double log10Time, const IterationArrays& arrays,
                    const LayerSettlementArrays& layers) {
    const RecompressionLogs recompression = recompressionLogs(general, input, results);
    intersectPaths(paths, cases, arrays, [&](int k, double load) {
        return settleLayersAt(general, input, results, recompression, layers, k, load, log10Time,
                              false);
    });
}

} // namespace

void computeExtraFillCases(const GeneralState& general, const SettlementInput& input,
                           SettlementResults& results, const ExtraFillCaseSettings& settings) {
    constexpr int kCases = kExtraFillCases;
    StressPath paths[kCases + 1];
    for (int k = 1; k <= kCases; ++k) {
        results.ExtraFill(k) = toSingle((k - 1) * settings.increment);
        results.FillPlusPreload(k) =
            toSingle(static_cast<double>(results.FillThickness) + results.ExtraFill(k));
        paths[k] = buildStressPath(general, input, results, results.FillPlusPreload(k));
        results.SubmergedFillPre(k) = paths[k].submerged;
        if (!settings.submergence) {
            switchOffSubmergence(paths[k], settings.switchedOffAs);
        }
    }
    storePathsAndLines(input, results, paths, kCases);
    for (int k = 1; k <= kCases; ++k) {
        results.LoadPre10(k) = 0.0f;
        results.LoadPre10000(k) = 0.0f;
    }

    intersectCases(
        general, input, results, paths, settings.iteratedCases, 1.0,
        {results.TrialLoadPre10, results.LoadPrevPre10, results.SettlementPre10, results.LoadPre10},
        {nullptr, results.LogVirginPre10, results.LogRecompPre10, results.SVirginPre10,
         results.SRecompPre10, results.SLayerPre10, results.SSecPre10, results.SSumPre10});
    intersectCases(general, input, results, paths, settings.iteratedCases, 4.0,
                   {results.TrialLoadPre10000, results.LoadPrevPre10000, results.SettlementPre10000,
                    results.LoadPre10000},
                   {nullptr, results.LogVirginPre10000, results.LogRecompPre10000,
                    results.SVirginPre10000, results.SRecompPre10000, results.SLayerPre10000,
                    results.SSecPre10000, results.SSumPre10000});
}

} // namespace korvex
