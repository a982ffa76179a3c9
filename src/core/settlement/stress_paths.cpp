#include "settlement/stress_paths.h"

#include "app/module1.h"
#include "app/number_text.h"

#include <algorithm>
#include <cmath>

namespace korvex {

using num::toSingle;

namespace {

StressPath dryTopPath(const Module1& st, double h) {
    const double g = st.Gravity;
    const double dW = std::fabs(st.SurfaceLevel - static_cast<double>(st.Watertable));
    const double water = st.SoilmassWater;
    const double avgLoss = st.SoilmassAvg - (st.SoilmassAvgSat - water);
    const double fillLoss = st.SoilmassFill - (st.SoilmassFillSat - water);
    const double smax = st.S1000(16);
    StressPath p;
    Single* S = p.S;
    Single* L = p.L;

    // Point 2: the old surface reaches the water table; point 3: all the fill is under water.
    S[1] = 0.0f;
    L[1] = toSingle(st.SoilmassFill * h * g + st.WatertableLoad.asDouble());
    S[2] = toSingle(-dW);
    L[2] = toSingle(L[1] - dW * avgLoss * g);
    if (L[2] < 0.0f) {
        // Where the line reaches load 0; L1 = L2 only when nothing is lost, then nothing crosses.
        const double drop = static_cast<double>(L[1]) - L[2];
        S[2] = drop != 0.0 ? toSingle(-(dW * L[1] / drop)) : S[2];
        L[2] = 0.0f;
    }
    auto submergeTo = [&](double pointSettlement) {
        p.submerged = toSingle(-(pointSettlement + dW));
        L[3] = toSingle(L[2] - fillLoss * g * p.submerged);
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

StressPath floodedPath(const Module1& st, double h) {
    const double g = st.Gravity;
    const double dW = std::fabs(st.SurfaceLevel - static_cast<double>(st.Watertable));
    const double water = st.SoilmassWater;
    const double satLoad = st.SoilmassFillSat - water;
    const double fillBuoyant = st.SoilmassFill - water;
    const double load = st.WatertableLoad.asDouble();
    const double deepest = st.S10000(16);
    const Single sa = toSingle(deepest - 1.0);
    StressPath p;
    Single* S = p.S;
    Single* L = p.L;

    S[1] = 0.0f;
    // The fill's weight is stored before the water-table load is added to it.
    L[1] = toSingle(dW <= h ? (h - dW) * st.SoilmassFill * g + dW * satLoad * g : satLoad * h * g);
    L[1] = toSingle(L[1] + load);
    if (L[1] <= 0.0f) {
        L[1] = 0.0f;
    }
    const double aboveWater = st.SurfaceLevel - static_cast<double>(st.Watertable) + h;
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

bool flooded(const Module1& st) {
    return st.SurfaceLevel < st.Watertable;
}

} // namespace

StressPath buildStressPath(const Module1& st, double fillThickness) {
    return flooded(st) ? floodedPath(st, fillThickness) : dryTopPath(st, fillThickness);
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

void storePathsAndLines(Module1& st, const StressPath* paths, int count) {
    for (int k = 1; k <= count; ++k) {
        for (int p = 1; p <= 4; ++p) {
            st.StressPathS(k, p) = paths[k].S[p];
            st.StressPathLoad(k, p) = paths[k].L[p];
        }
    }
    // A line with no load difference has no slope; it keeps 0 rather than an infinity.
    auto slope = [](double ds, double dl) {
        return dl != 0.0 ? std::fabs(ds) / std::fabs(dl) : 0.0;
    };
    const double dW = std::fabs(st.SurfaceLevel - static_cast<double>(st.Watertable));
    if (!flooded(st)) {
        const StressPath& last = paths[count];
        const double slope1 = slope(last.S[1] - last.S[2], last.L[1] - last.L[2]);
        const bool secondLine = last.S[2] > st.S1000(16);
        const double slope2 = slope(last.S[2] - last.S[3], last.L[2] - last.L[3]);
        for (int k = 1; k <= count; ++k) {
            st.PathSlope1(k) = toSingle(slope1);
            st.PathIntercept1(k) = toSingle(-paths[k].L[1] * static_cast<double>(st.PathSlope1(k)));
            if (secondLine) {
                st.PathSlope2(k) = toSingle(slope2);
                // The line through (L2, -dW), written without dividing by its slope.
                st.PathIntercept2(k) =
                    toSingle(-(dW + paths[k].L[2] * static_cast<double>(st.PathSlope2(k))));
            }
        }
        return;
    }
    for (int k = 1; k <= count; ++k) {
        const StressPath& path = paths[k];
        if (std::fabs(static_cast<double>(path.L[1]) - path.L[2]) != 0.0) {
            st.PathSlope1(k) = toSingle(slope(path.S[1] - path.S[2], path.L[1] - path.L[2]));
            st.PathIntercept1(k) = toSingle(-path.L[1] * static_cast<double>(st.PathSlope1(k)));
            st.PathSlope2(k) = 1.0f;
        } else {
            st.PathSlope1(k) = 1.0f;
            st.PathIntercept1(k) = 0.0f;
            st.PathSlope2(k) = 1.0f;
            st.PathIntercept2(k) = 0.0f;
        }
    }
}

} // namespace korvex
