#include "settlement/extra_fill_cases.h"

#include "app/number_text.h"
#include "settlement/fill_iteration.h"
#include "settlement/settlement_input_state.h"
#include "settlement/settlement_results_state.h"
#include "settlement/stress_paths.h"

#include <cmath>

namespace korvex {

using num::toSingle;

namespace {

constexpr int kCases = 15;
constexpr int kIteratedCases = 2;
constexpr double kExtraFillIncrement = 1.0;

void intersectCases(const GeneralState& general, const SettlementInput& input,
                    SettlementResults& results, const StressPath* paths, double log10Time,
                    const IterationArrays& arrays, const LayerSettlementArrays& layers) {
    intersectPaths(paths, kIteratedCases, arrays, [&](int k, double load) {
        return settleLayersAt(general, input, results, layers, k, load, log10Time, false);
    });
}

} // namespace

void computeExtraFillCases(const GeneralState& general, const SettlementInput& input,
                           SettlementResults& results, bool submergence) {
    StressPath paths[kCases + 1];
    for (int k = 1; k <= kCases; ++k) {
        results.ExtraFill(k) = toSingle((k - 1) * kExtraFillIncrement);
        results.FillPlusPreload(k) =
            toSingle(static_cast<double>(results.FillThickness) + results.ExtraFill(k));
        paths[k] = buildStressPath(general, input, results, results.FillPlusPreload(k));
        results.SubmergedFillPre(k) = paths[k].submerged;
        if (!submergence) {
            switchOffSubmergence(paths[k], PathKind::FillStep);
        }
    }
    storePathsAndLines(input, results, paths, kCases);
    for (int k = 1; k <= kCases; ++k) {
        results.LoadPre10(k) = 0.0f;
        results.LoadPre10000(k) = 0.0f;
    }

    intersectCases(
        general, input, results, paths, 1.0,
        {results.TrialLoadPre10, results.LoadPrevPre10, results.SettlementPre10, results.LoadPre10},
        {nullptr, results.LogVirginPre10, results.LogRecompPre10, results.SVirginPre10,
         results.SRecompPre10, results.SLayerPre10, results.SSecPre10, results.SSumPre10});
    intersectCases(general, input, results, paths, 4.0,
                   {results.TrialLoadPre10000, results.LoadPrevPre10000, results.SettlementPre10000,
                    results.LoadPre10000},
                   {nullptr, results.LogVirginPre10000, results.LogRecompPre10000,
                    results.SVirginPre10000, results.SRecompPre10000, results.SLayerPre10000,
                    results.SSecPre10000, results.SSumPre10000});
    results.S10Cons = toSingle(std::fabs(results.SSumPre10(1)));
    results.S10000Cons = toSingle(std::fabs(results.SSumPre10000(1)));
}

} // namespace korvex
