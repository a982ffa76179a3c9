#include "settlement/fill_iteration.h"

#include "app/input_reading.h"
#include "app/number_text.h"
#include "settlement/settlement_steps.h"
#include "state/settlement_input_state.h"
#include "state/settlement_results_state.h"

#include <algorithm>
#include <cmath>

namespace korvex {

using num::toSingle;

Single settleLayersAt(const GeneralState& general, const SettlementInput& input,
                      const SettlementResults& results, const RecompressionLogs& recompression,
                      const LayerSettlementArrays& a, int k, double load, double log10Time,
                      bool haltOnLayerExceeded) {
    a.sum(k) = 0.0f;
    for (int i = 1; i <= input.NLayers; ++i) {
        const PrimarySettlement p = primarySettlement(general, results, recompression, i, load);
        if (a.stress != nullptr) {
            (*a.stress)(i, k) = p.stress;
        }
        a.logVirgin(i, k) = p.logVirgin;
        a.logRecomp(i, k) = p.logRecomp;
        a.virgin(i, k) = p.virgin;
        a.recomp(i, k) = p.recomp;
        a.creep(i) = creepPart(general, input, results, i, p, log10Time);
        a.layer(i, k) = layerSettlement(general, p, a.creep(i));
        a.sum(k) = toSingle(static_cast<double>(a.sum(k)) + a.layer(i, k));
        if (haltOnLayerExceeded && std::fabs(a.layer(i, k)) >= results.LThickness(i)) {
            refuse("Settlement greater than soillayer thickness; probably caused by very "
                   "low watertable or unrealistic input values.; Calculation halted!",
                   vbOKOnly);
        }
    }
    return a.sum(k);
}

namespace {

void settleAtLoad(const StressPath& path, int k, Single trial, const IterationArrays& a,
                  const SettlementAtLoad& settlementAt) {
    a.trialLoad(k) = trial;
    a.previousLoad(k) = trial;
    a.settlement(k) = settlementAt(k, trial);
    a.load(k) = toSingle(loadAtSettlement(path, a.settlement(k)));
}

bool settled(const IterationArrays& a, int k) {
    return std::fabs(static_cast<double>(a.load(k)) - a.previousLoad(k)) < kLoadTolerance;
}

// The load rises with settlement on one side of the meeting point and falls on the other, so
// halving the path's load range always keeps it inside.
Single bisectLoad(const StressPath& path, int k, const SettlementAtLoad& settlementAt) {
    double low = *std::min_element(path.L + 1, path.L + 5);
    double high = *std::max_element(path.L + 1, path.L + 5);
    for (int step = 0; step < 200 && high - low > 1e-9 * (1.0 + std::fabs(high)); ++step) {
        const double middle = 0.5 * (low + high);
        const double excess = loadAtSettlement(path, settlementAt(k, middle)) - middle;
        if (excess >= 0.0) {
            low = middle;
        } else {
            high = middle;
        }
    }
    return toSingle(0.5 * (low + high));
}

} // namespace

void intersectPaths(const StressPath* paths, int count, const IterationArrays& a,
                    const SettlementAtLoad& settlementAt) {
    for (int k = 1; k <= count; ++k) {
        const StressPath& path = paths[k];
        Single trial = path.L[1];
        bool done = false;
        for (int pass = 0; pass < kMaxFixedPointPasses && !done; ++pass) {
            settleAtLoad(path, k, trial, a, settlementAt);
            done = settled(a, k);
            trial = a.load(k);
        }
        if (!done) {
            settleAtLoad(path, k, bisectLoad(path, k, settlementAt), a, settlementAt);
        }
    }
}

} // namespace korvex
