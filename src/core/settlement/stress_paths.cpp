#include "settlement/stress_paths.h"

#include "app/number_text.h"
#include "state/general_state.h"
#include "state/settlement_input_state.h"
#include "state/settlement_results_state.h"

#include <algorithm>
#include <cmath>

namespace korvex {

using num::toSingle;

namespace {

StressPath dryTopPath(const GeneralState& general, const SettlementInput& input,
                      const SettlementResults& results, double h) {
    const double g = general.Gravity;
    const double dW = std::fabs(input.SurfaceLevel - static_cast<double>(input.Watertable));
    const double water = general.SoilmassWater;
    const double avgLoss = input.SoilmassAvg - (input.SoilmassAvgSat - water);
    const double fillLoss = input.SoilmassFill - (input.SoilmassFillSat - water);
    const double smax = results.S1000(16);
    StressPath p;
    Single* S = p.S;
    Single* L = p.L;

    // Point 2: the old surface reaches the water table; point 3: all the fill is under water.
    S[1] = 0.0f;
    L[1] = toSingle(input.SoilmassFill * h * g + input.WatertableLoad.asDouble());
    S[2] = toSingle(-dW);
    L[2] = toSingle(L[1] - dW * avgLoss * g);
    // A path is held at load 0 where it reaches 0 on the way down. One that starts below 0 (a
    // water-table rise that takes off more than the fill adds) keeps its loads: cut at 0, its
    // point 2 would lie above point 1 and a settling site would lose its negative load. A path
    // that starts at 0 is cut as one a hair above it, or a millimetre of water table would move
    // the settlement by centimetres.
    const bool crossesZero = L[1] >= 0.0f;
    if (crossesZero && L[2] < 0.0f) {
        // Where the line reaches load 0; L1 = L2 only when nothing is lost, then nothing crosses.
        const double drop = static_cast<double>(L[1]) - L[2];
        S[2] = drop != 0.0 ? toSingle(-(dW * L[1] / drop)) : S[2];
        L[2] = 0.0f;
    }
    auto submergeTo = [&](double pointSettlement) {
        p.submerged = toSingle(-(pointSettlement + dW));
        L[3] = toSingle(L[2] - fillLoss * g * p.submerged);
        if (!crossesZero) {
            return;
        }
        if (L[2] == 0.0f) {
            L[3] = 0.0f;
        }
        if (L[3] < 0.0f) {
            S[3] = toSingle(-(dW + L[2] * h / (static_cast<double>(L[2]) - L[3])));
            L[3] = 0.0f;
        }
    };
    S[3] = toSingle(-(dW + h));
    submergeTo(S[3]);
    S[4] = toSingle(S[3] - 1.0);
    L[4] = L[3];
    if (S[3] <= smax) {
        S[3] = toSingle(smax);
        submergeTo(smax);
        S[4] = S[3];
        L[4] = L[3];
    }
    if (S[2] <= smax) {
        S[2] = toSingle(smax);
        L[2] = toSingle(L[1] + avgLoss * g * smax);
        S[3] = S[2];
        S[4] = S[3];
        L[3] = L[2];
        L[4] = L[3];
    }
    return p;
}

StressPath floodedPath(const GeneralState& general, const SettlementInput& input,
                       const SettlementResults& results, double h) {
    const double g = general.Gravity;
    const double dW = std::fabs(input.SurfaceLevel - static_cast<double>(input.Watertable));
    const double water = general.SoilmassWater;
    const double satLoad = input.SoilmassFillSat - water;
    const double fillBuoyant = input.SoilmassFill - water;
    const double load = input.WatertableLoad.asDouble();
    const double deepest = results.S10000(16);
    const Single sa = toSingle(deepest - 1.0);
    StressPath p;
    Single* S = p.S;
    Single* L = p.L;

    S[1] = 0.0f;
    // The fill's weight is stored before the water-table load is added to it.
    L[1] =
        toSingle(dW <= h ? (h - dW) * input.SoilmassFill * g + dW * satLoad * g : satLoad * h * g);
    L[1] = toSingle(L[1] + load);
    if (L[1] <= 0.0f) {
        L[1] = 0.0f;
    }
    const double aboveWater = input.SurfaceLevel - static_cast<double>(input.Watertable) + h;
    S[2] = toSingle(aboveWater >= 0.0 ? -aboveWater : aboveWater);
    // Point 2 is where the fill surface reaches the water: all the fill is then submerged.
    const Single submergedLoad = toSingle(std::max(0.0, satLoad * h * g + load));
    L[2] = submergedLoad;
    if (L[1] == 0.0f) {
        L[2] = 0.0f;
    }
    if (sa >= S[2]) {
        S[2] = sa;
        // A fill under water from the start carries the water-table load all along; without it
        // the load would rise as the fill sinks.
        L[2] =
            aboveWater < 0.0 ? submergedLoad : toSingle(L[1] - std::fabs(fillBuoyant * S[2] * g));
    }
    S[3] = toSingle(deepest);
    L[3] = L[2];
    if (sa >= S[2]) {
        S[3] = S[2];
    }
    S[4] = sa;
    L[4] = L[2];
    if (S[4] == S[2]) {
        S[4] = S[3];
    }
    if (S[3] > S[2]) {
        S[3] = S[4];
    }
    return p;
}

bool flooded(const SettlementInput& input) {
    return input.SurfaceLevel < input.Watertable;
}

} // namespace

StressPath buildStressPath(const GeneralState& general, const SettlementInput& input,
                           const SettlementResults& results, double fillThickness) {
    return flooded(input) ? floodedPath(general, input, results, fillThickness)
                          : dryTopPath(general, input, results, fillThickness);
}

void switchOffSubmergence(StressPath& path, PathKind kind) {
    path.L[2] = toSingle(path.L[1] - 0.005);
    path.L[3] = kind == PathKind::FillStep ? toSingle(path.L[2] - 0.005) : path.L[2];
    path.L[4] = path.L[2];
}

double loadAtSettlement(const StressPath& path, double settlement) {
    if (settlement >= path.S[1]) {
        return path.L[1];
    }
    for (int p = 1; p <= 3; ++p) {
        const double upper = path.S[p];
        const double lower = path.S[p + 1];
        if (settlement <= upper && settlement > lower) {
            const double fraction = (settlement - upper) / (lower - upper);
            return path.L[p] + fraction * (static_cast<double>(path.L[p + 1]) - path.L[p]);
        }
    }
    return path.L[4];
}

void storePathsAndLines(const SettlementInput& input, SettlementResults& results,
                        const StressPath* paths, int count) {
    for (int k = 1; k <= count; ++k) {
        for (int p = 1; p <= 4; ++p) {
            results.StressPathS(k, p) = paths[k].S[p];
            results.StressPathLoad(k, p) = paths[k].L[p];
        }
    }
    // A line with no load difference has no slope; it keeps 0 rather than an infinity.
    auto slope = [](double ds, double dl) {
        return dl != 0.0 ? std::fabs(ds) / std::fabs(dl) : 0.0;
    };
    const double dW = std::fabs(input.SurfaceLevel - static_cast<double>(input.Watertable));
    if (!flooded(input)) {
        const StressPath& last = paths[count];
        const double slope1 = slope(last.S[1] - last.S[2], last.L[1] - last.L[2]);
        const bool secondLine = last.S[2] > results.S1000(16);
        const double slope2 = slope(last.S[2] - last.S[3], last.L[2] - last.L[3]);
        for (int k = 1; k <= count; ++k) {
            results.PathSlope1(k) = toSingle(slope1);
            results.PathIntercept1(k) =
                toSingle(-paths[k].L[1] * static_cast<double>(results.PathSlope1(k)));
            if (secondLine) {
                results.PathSlope2(k) = toSingle(slope2);
                // The line through (L2, -dW), written without dividing by its slope.
                results.PathIntercept2(k) =
                    toSingle(-(dW + paths[k].L[2] * static_cast<double>(results.PathSlope2(k))));
            }
        }
        return;
    }
    for (int k = 1; k <= count; ++k) {
        const StressPath& path = paths[k];
        if (std::fabs(static_cast<double>(path.L[1]) - path.L[2]) != 0.0) {
            results.PathSlope1(k) = toSingle(slope(path.S[1] - path.S[2], path.L[1] - path.L[2]));
            results.PathIntercept1(k) =
                toSingle(-path.L[1] * static_cast<double>(results.PathSlope1(k)));
            results.PathSlope2(k) = 1.0f;
        } else {
            results.PathSlope1(k) = 1.0f;
            results.PathIntercept1(k) = 0.0f;
            results.PathSlope2(k) = 1.0f;
            results.PathIntercept2(k) = 0.0f;
        }
    }
}

} // namespace korvex
