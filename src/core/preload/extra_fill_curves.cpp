#include "preload/extra_fill_curves.h"

#include "app/module1.h"
#include "app/number_text.h"
#include "consolidation/consolidation_degrees.h"
#include "consolidation/consolidation_inputs.h"
#include "consolidation/drain_zone.h"
#include "consolidation/rest_settlement_times.h"
#include "consolidation/settlement_time_series.h"
#include "preload/preload_inputs.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace korvex {

using num::toSingle;

namespace {

constexpr Single kPreloadTimes[20] = {10,   20,    40,    60,    80,    100,  200,
                                      400,  600,   800,   1000,  2000,  4000, 6000,
                                      8000, 10000, 20000, 40000, 60000, 80000};

// Per time point 1..16 (element 0 unused).
using TimeSeries = std::array<Single, kCurveTimes + 1>;

void storeDrainDesign(Module1& st, const PreloadInputs& in) {
    st.SpacingTriPre = in.spacing;
    st.RestSettlement = in.restSettlement;
    st.DrainZone = toSingle(static_cast<double>(in.spacing) * 1.05);
    st.Fn = toSingle(barronFn(static_cast<double>(st.DrainZone) / st.DrainDiameter));
    for (int t = 1; t <= 20; ++t) {
        st.TPreload(t) = kPreloadTimes[t - 1];
    }
}

void computeRadialDegrees(Module1& st, int layers) {
    ConsolidationDegrees radial;
    radial.drainZone = st.DrainZone;
    radial.fn = st.Fn;
    for (int t = 1; t <= kCurveTimes; ++t) {
        for (int i = 1; i <= layers; ++i) {
            radial.ch = st.ChExtraFill(i);
            st.PreloadTermExp(i, t) = radial.radialRemainderInstant(st.TPreload(t));
            st.UPreload(i, t) = 1.0f - st.PreloadTermExp(i, t);
        }
    }
}

// One degree for the whole package: its layers consolidate together through its drainage path.
TimeSeries restDegrees(const Module1& st, const RestPackage& rest) {
    TimeSeries degree{};
    ConsolidationDegrees vertical;
    vertical.cv = rest.cvEquivalent;
    vertical.drainPath = rest.drainagePath;
    vertical.pi = st.Pi;
    for (int t = 1; t <= kCurveTimes; ++t) {
        degree[t] = 1.0f - vertical.verticalRemainderInstant(st.TPreload(t));
    }
    return degree;
}

// A layer's settlement at a time: the primary settlement (at 1 day on the creep line, or at the
// end of primary consolidation tp) reached to the degree, plus creep from the start of creep.
Single layerCurve(const Module1& st, int i, int c, int t, double degree, Single endOfPrimaryDays,
                  bool endOfPrimaryAtTp) {
    const double at10 = st.SLayerPre10(i, c);
    const double creepCycle = (static_cast<double>(st.SLayerPre10000(i, c)) - at10) / 3.0;
    double primary = toSingle(at10 - creepCycle);
    CreepStart start;
    if (endOfPrimaryAtTp) {
        primary = toSingle(primary + creepCycle * std::log10(endOfPrimaryDays));
        start = {endOfPrimaryDays, true};
    }
    // The consolidation engine's curve takes settlements as positive numbers.
    return toSingle(curveSettlement(-creepCycle, start, st.TPreload(t), -primary, degree));
}

struct Flows {
    SingleArray<20> radialEndOfPrimary; // per layer, days
    TimeSeries restDegree{};
    Single restEndOfPrimary = 0;
};

template <typename Array> void addTo(Array& sum, int t, int c, Single value) {
    sum(t, c) = toSingle(static_cast<double>(sum(t, c)) + value);
}

void computeCurves(Module1& st, const PreloadInputs& in, int layers, const Flows& flows,
                   bool endOfPrimaryAtTp) {
    st.SPreloadHorLayer.fill(0.0f);
    st.SPreloadVertRestLayer.fill(0.0f);
    st.SPreloadTotalLayer.fill(0.0f);
    st.SPreloadHor.fill(0.0f);
    st.SPreloadVertRest.fill(0.0f);
    st.SPreloadTotal.fill(0.0f);
    for (int c = 1; c <= kCurveCases; ++c) {
        for (int t = 1; t <= kCurveTimes; ++t) {
            for (int i = 1; i <= layers; ++i) {
                if (in.drained(i) == 1) {
                    st.SPreloadHorLayer(i, t, c) =
                        layerCurve(st, i, c, t, st.UPreload(i, t), flows.radialEndOfPrimary(i),
                                   endOfPrimaryAtTp);
                } else {
                    st.SPreloadVertRestLayer(i, t, c) = layerCurve(
                        st, i, c, t, flows.restDegree[t], flows.restEndOfPrimary, endOfPrimaryAtTp);
                }
                st.SPreloadTotalLayer(i, t, c) =
                    toSingle(static_cast<double>(st.SPreloadVertRestLayer(i, t, c)) +
                             st.SPreloadHorLayer(i, t, c));
                addTo(st.SPreloadTotal, t, c, st.SPreloadTotalLayer(i, t, c));
                addTo(st.SPreloadHor, t, c, st.SPreloadHorLayer(i, t, c));
                addTo(st.SPreloadVertRest, t, c, st.SPreloadVertRestLayer(i, t, c));
            }
        }
    }
}

// The time the curve of case c passes below the removal level, interpolated linearly in time
// between the bracketing points (from 0 days and 0 m before the first); the last passing counts.
Single removalTime(const Module1& st, int c) {
    const double level = st.SRemoveLevel;
    Single found = kRestTimeLimitDays;
    for (int t = 1; t <= kCurveTimes; ++t) {
        const double now = st.SPreloadTotal(t, c);
        const double before = st.SPreloadTotal(t - 1, c);
        if (now < level && before >= level) {
            const double d1 = std::fabs(level - now);
            const double d0 = std::fabs(level - before);
            const double t1 = st.TPreload(t);
            const double t0 = st.TPreload(t - 1);
            found = toSingle(t1 - (t1 - t0) * d1 / (d0 + d1));
        }
    }
    return found;
}

} // namespace

void computeExtraFillCurves(Module1& st, const PreloadInputs& in, bool endOfPrimaryAtTp) {
    const int layers = std::clamp<int>(st.NLayers, 0, 20);
    storeDrainDesign(st, in);
    computeRadialDegrees(st, layers);

    Flows flows;
    if (in.rest.present) {
        for (int i = 1; i <= layers; ++i) {
            if (in.drained(i) == 0) {
                st.CvExtraFill(i) = st.Cv(i);
            }
        }
        flows.restDegree = restDegrees(st, in.rest);
        flows.restEndOfPrimary =
            consolidationTimeDays(in.rest.drainagePath, st.TimeFactor, in.rest.cvEquivalent);
    }
    st.TimeFactorHor = st.TimeFactor;
    for (int i = 1; i <= layers; ++i) {
        flows.radialEndOfPrimary(i) =
            consolidationTimeDays(st.DrainZone, st.TimeFactorHor, st.ChExtraFill(i));
    }
    computeCurves(st, in, layers, flows, endOfPrimaryAtTp);

    st.SRemoveLevel =
        toSingle(static_cast<double>(st.RestSettlement) + st.SPreloadTotal(kCurveTimes, 1));
    // Every case is searched afresh: a time kept from an earlier Calculate would look like a
    // result of this one.
    for (int c = 1; c <= kCurveCases; ++c) {
        st.TRemoveCalc(c) = removalTime(st, c);
        st.TRemove(c) = st.TRemoveCalc(c);
    }
    for (int c = 1; c <= kCurveCases; ++c) {
        for (int t = 1; t <= kCurveTimes; ++t) {
            st.SPreloadTotal(t, c) = toSingle(num::roundDecimals(st.SPreloadTotal(t, c), 3));
            st.SPreloadHor(t, c) = toSingle(num::roundDecimals(st.SPreloadHor(t, c), 3));
            st.SPreloadVertRest(t, c) = toSingle(num::roundDecimals(st.SPreloadVertRest(t, c), 3));
        }
    }
}

} // namespace korvex
