#include "settlement/fill_thickness.h"

#include "app/number_text.h"
#include "settlement/fill_iteration.h"
#include "settlement/settlement_steps.h"
#include "settlement/stress_paths.h"
#include "state/general_state.h"
#include "state/settlement_input_state.h"
#include "state/settlement_results_state.h"

#include <cmath>

namespace korvex {

using num::toSingle;

namespace {

void buildFillStepPaths(const GeneralState& general, const SettlementInput& input,
                        SettlementResults& results, bool submergence,
                        StressPath (&paths)[kFillSteps + 1]) {
    for (int k = 1; k <= kFillSteps; ++k) {
        paths[k] = buildStressPath(general, input, results, results.FillHeight(k));
        results.SubmergedFill(k) = paths[k].submerged;
        if (!submergence) {
            switchOffSubmergence(paths[k], PathKind::FillStep);
        }
    }
}

void intersectFillSteps(const GeneralState& general, const SettlementInput& input,
                        SettlementResults& results, const StressPath* paths) {
    const LayerSettlementArrays layers{
        &results.SigmaTrial, results.LogVirginFill, results.LogRecompFill, results.SVirginFill,
        results.SRecompFill, results.SLayerFill,    results.SSecFill,      results.SSumFill};
    const double log10Time = log10Days(input.SettlementTime);
    // Only Terzaghi-Koppejan can settle a layer by more than its thickness under a fill step.
    const bool halt = general.Method == 2;
    const IterationArrays arrays{results.TrialLoadFill, results.LoadPrevFill,
                                 results.FillHeightSettlement, results.FillHeightStress};
    const RecompressionLogs recompression = recompressionLogs(general, input, results);
    intersectPaths(paths, kFillSteps, arrays, [&](int k, double load) {
        return settleLayersAt(general, input, results, recompression, layers, k, load, log10Time,
                              halt);
    });
}

void storeSettledSurfaces(const SettlementInput& input, SettlementResults& results) {
    for (int k = 1; k <= kFillSteps; ++k) {
        results.EffHeight(k) =
            toSingle(static_cast<double>(results.FillHeight(k)) + results.FillHeightSettlement(k));
        results.SurfaceHeight(k) =
            toSingle(static_cast<double>(input.SurfaceLevel) + results.EffHeight(k));
    }
}

// The fill step whose settled surface lies above the required level while the step before lies
// at or below it, with the distances of the two surfaces from the required level. The last such
// pair gives the answer; step 0 is the surface without fill.
struct FillStepBracket {
    int step = 0;
    double above = 0.0;
    double below = 0.0;
    // How far up from the step before the required level lies, 0 to 1.
    double fraction() const { return below / (above + below); }
};

FillStepBracket bracketRequiredLevel(const SettlementInput& input,
                                     const SettlementResults& results) {
    FillStepBracket bracket;
    const double required = input.SurfaceLevelRequired;
    double previousSurface = input.SurfaceLevel;
    for (int k = 1; k <= kFillSteps; ++k) {
        const double surface = results.SurfaceHeight(k);
        if (surface > required && previousSurface <= required) {
            const double above = std::fabs(surface - required);
            const double below = std::fabs(previousSurface - required);
            bracket = {k, above, below};
        }
        previousSurface = surface;
    }
    return bracket;
}

bool interpolateFillThickness(const SettlementInput& input, SettlementResults& results) {
    results.FillThickness = 0.0f;
    results.FillSettlement = 0.0f;
    storeSettledSurfaces(input, results);
    const FillStepBracket bracket = bracketRequiredLevel(input, results);
    if (bracket.step == 0) {
        return false;
    }
    results.FillThickness =
        toSingle(results.FillHeight(bracket.step) -
                 bracket.above * input.FillIncrement / (bracket.above + bracket.below));
    results.FillSettlement = toSingle(static_cast<double>(results.FillThickness) +
                                      input.SurfaceLevel - input.SurfaceLevelRequired);
    return true;
}

void storeCalculatedThicknessPath(const GeneralState& general, const SettlementInput& input,
                                  SettlementResults& results, bool submergence) {
    StressPath path = buildStressPath(general, input, results, results.FillThickness);
    if (!submergence) {
        switchOffSubmergence(path, PathKind::CalculatedThickness);
    }
    for (int p = 1; p <= 4; ++p) {
        results.CalcFillPathS(p) = path.S[p];
        results.CalcFillPathLoad(p) = path.L[p];
    }
}

} // namespace

bool computeFillThickness(const GeneralState& general, const SettlementInput& input,
                          SettlementResults& results, bool submergence) {
    StressPath paths[kFillSteps + 1];
    buildFillStepPaths(general, input, results, submergence, paths);
    storePathsAndLines(input, results, paths, kFillSteps);
    for (int k = 1; k <= kFillSteps; ++k) {
        results.FillHeightStress(k) = 0.0f;
    }
    intersectFillSteps(general, input, results, paths);
    const bool found = interpolateFillThickness(input, results);
    storeCalculatedThicknessPath(general, input, results, submergence);
    return found;
}

void storeFillStepPaths(const GeneralState& general, const SettlementInput& input,
                        SettlementResults& results, bool submergence) {
    StressPath paths[kFillSteps + 1];
    buildFillStepPaths(general, input, results, submergence, paths);
    storePathsAndLines(input, results, paths, kFillSteps);
}

std::vector<double> layerSettlementsAtFillThickness(const SettlementInput& input,
                                                    const SettlementResults& results) {
    std::vector<double> settlements;
    const FillStepBracket bracket = bracketRequiredLevel(input, results);
    if (bracket.step == 0) {
        return settlements;
    }
    for (int i = 1; i <= input.NLayers; ++i) {
        // The surface without fill has not settled, as in the interpolation of the thickness.
        const double lower = bracket.step > 1 ? results.SLayerFill(i, bracket.step - 1) : 0.0;
        const double upper = results.SLayerFill(i, bracket.step);
        settlements.push_back(lower + bracket.fraction() * (upper - lower));
    }
    return settlements;
}

} // namespace korvex
