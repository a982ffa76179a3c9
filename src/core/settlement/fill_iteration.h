#pragma once

// Where a stress path meets the settlement curve of the subsoil at one time: the load L with
// L = path load at settlement S(L). The settlement falls as the load grows and the path's load
// does not rise as the fill sinks, so the meeting point is unique and lies between the smallest
// and largest load of the path.

#include "app/vb_types.h"
#include "settlement/settlement_steps.h"
#include "settlement/stress_paths.h"

#include <functional>

namespace korvex {

struct GeneralState;
struct SettlementInput;
struct SettlementResults;

// The arrays one family of iterations (fill steps, or extra-fill cases at one time) keeps.
struct IterationArrays {
    SingleArray<21>& trialLoad;
    SingleArray<21>& previousLoad;
    SingleArray<20>& settlement;
    SingleArray<20>& load;
};

// Per-layer arrays of one family: the layer terms at the trial load of path k.
struct LayerSettlementArrays {
    SingleArray2<20, 20>* stress; // none for the extra-fill cases
    SingleArray2<20, 20>& logVirgin;
    SingleArray2<20, 20>& logRecomp;
    SingleArray2<20, 20>& virgin;
    SingleArray2<20, 20>& recomp;
    SingleArray2<20, 20>& layer;
    SingleArray<20>& creep;
    SingleArray<20>& sum;
};

// The total settlement of all layers for path k at a load after 10^log10Time days, storing the
// layer terms. With haltOnLayerExceeded a layer settling by its whole thickness or more stops
// the calculation (the Terzaghi-Koppejan fill steps).
Single settleLayersAt(const GeneralState& general, const SettlementInput& input,
                      const SettlementResults& results, const RecompressionLogs& recompression,
                      const LayerSettlementArrays& arrays, int path, double load, double log10Time,
                      bool haltOnLayerExceeded);
// For a caller holding the whole state and trying one load: it passes itself as every part.
template <class State>
Single settleLayersAt(const State& st, const LayerSettlementArrays& arrays, int path, double load,
                      double log10Time, bool haltOnLayerExceeded) {
    return settleLayersAt(st, st, st, recompressionLogs(st, st, st), arrays, path, load, log10Time,
                          haltOnLayerExceeded);
}

using SettlementAtLoad = std::function<Single(int path, double load)>;

// Fixed-point passes stop when the load changes by less than this (kPa).
inline constexpr double kLoadTolerance = 0.01;
// Passes before a path that has not settled is solved by bisection.
inline constexpr int kMaxFixedPointPasses = 100;

// Solves paths 1..count. Each path iterates on its own until its load settles within the
// tolerance; one that does not within the pass limit is solved by bisection on its load range.
void intersectPaths(const StressPath* paths, int count, const IterationArrays& arrays,
                    const SettlementAtLoad& settlementAt);

} // namespace korvex
