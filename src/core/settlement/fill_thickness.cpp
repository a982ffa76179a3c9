#include "settlement/fill_thickness.h"

#include "app/module1.h"
#include "app/number_text.h"
#include "settlement/fill_iteration.h"
#include "settlement/settlement_steps.h"
#include "settlement/stress_paths.h"

#include <cmath>

namespace korvex {

using num::toSingle;

namespace {

void buildFillStepPaths(Module1& st, bool submergence, StressPath (&paths)[kFillSteps + 1]) {
    for (int k = 1; k <= kFillSteps; ++k) {
        paths[k] = buildStressPath(st, st.FillHeight(k));
        st.SubmergedFill(k) = paths[k].submerged;
        if (!submergence) {
            switchOffSubmergence(paths[k], PathKind::FillStep);
        }
    }
}

void intersectFillSteps(Module1& st, const StressPath* paths) {
    const LayerSettlementArrays layers{&st.SigmaTrial, st.LogVirginFill, st.LogRecompFill,
                                       st.SVirginFill, st.SRecompFill,   st.SLayerFill,
                                       st.SSecFill,    st.SSumFill};
    const double log10Time = log10Days(st.SettlementTime);
    // Only Terzaghi-Koppejan can settle a layer by more than its thickness under a fill step.
    const bool halt = st.Method == 2;
    const IterationArrays arrays{st.TrialLoadFill, st.LoadPrevFill, st.FillHeightSettlement,
                                 st.FillHeightStress};
    intersectPaths(paths, kFillSteps, arrays, [&](int k, double load) {
        return settleLayersAt(st, layers, k, load, log10Time, halt);
    });
}

bool interpolateFillThickness(Module1& st) {
    st.FillThickness = 0.0f;
    st.FillSettlement = 0.0f;
    bool found = false;
    const double required = st.SurfaceLevelRequired;
    double previousSurface = st.SurfaceLevel;
    for (int k = 1; k <= kFillSteps; ++k) {
        st.EffHeight(k) =
            toSingle(static_cast<double>(st.FillHeight(k)) + st.FillHeightSettlement(k));
        st.SurfaceHeight(k) = toSingle(static_cast<double>(st.SurfaceLevel) + st.EffHeight(k));
        const double surface = st.SurfaceHeight(k);
        // The last pair of steps that brackets the required level gives the answer.
        if (surface > required && previousSurface <= required) {
            const double above = std::fabs(surface - required);
            const double below = std::fabs(previousSurface - required);
            st.FillThickness =
                toSingle(st.FillHeight(k) - above * st.FillIncrement / (above + below));
            st.FillSettlement = toSingle(static_cast<double>(st.FillThickness) + st.SurfaceLevel -
                                         st.SurfaceLevelRequired);
            found = true;
        }
        previousSurface = surface;
    }
    return found;
}

void storeCalculatedThicknessPath(Module1& st, bool submergence) {
    StressPath path = buildStressPath(st, st.FillThickness);
    if (!submergence) {
        switchOffSubmergence(path, PathKind::CalculatedThickness);
    }
    for (int p = 1; p <= 4; ++p) {
        st.CalcFillPathS(p) = path.S[p];
        st.CalcFillPathLoad(p) = path.L[p];
    }
}

} // namespace

bool computeFillThickness(Module1& st, bool submergence) {
    StressPath paths[kFillSteps + 1];
    buildFillStepPaths(st, submergence, paths);
    storePathsAndLines(st, paths, kFillSteps);
    for (int k = 1; k <= kFillSteps; ++k) {
        st.FillHeightStress(k) = 0.0f;
    }
    intersectFillSteps(st, paths);
    const bool found = interpolateFillThickness(st);
    storeCalculatedThicknessPath(st, submergence);
    return found;
}

void storeFillStepPaths(Module1& st, bool submergence) {
    StressPath paths[kFillSteps + 1];
    buildFillStepPaths(st, submergence, paths);
    storePathsAndLines(st, paths, kFillSteps);
}

} // namespace korvex
