#include "preload/extra_fill_curves.h"

#include "app/general_state.h"
#include "app/number_text.h"
#include "consolidation/consolidation_degrees.h"
#include "consolidation/consolidation_inputs.h"
#include "consolidation/consolidation_state.h"
#include "consolidation/drain_zone.h"
#include "consolidation/prediction_times.h"
#include "consolidation/rest_settlement_times.h"
#include "consolidation/settlement_time_series.h"
#include "preload/preload_inputs.h"
#include "preload/preload_state.h"
#include "settlement/settlement_input_state.h"
#include "settlement/settlement_results_state.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace korvex {

using num::toSingle;

namespace {

// Per time point 1..16 (element 0 unused).
using TimeSeries = std::array<Single, kCurveTimes + 1>;

void storeDrainDesign(const ConsolidationState& cons, PreloadState& pre, const PreloadInputs& in) {
    pre.SpacingTriPre = in.spacing;
    pre.RestSettlementPre = in.restSettlement;
    pre.DrainZonePre = toSingle(static_cast<double>(in.spacing) * 1.05);
    pre.FnPre = toSingle(barronFn(static_cast<double>(pre.DrainZonePre) / cons.DrainDiameter));
    pre.TPreload = startUpPredictionTimes<decltype(pre.TPreload)::upperBound>();
}

void computeRadialDegrees(PreloadState& pre, int layers) {
    ConsolidationDegrees radial;
    radial.drainZone = pre.DrainZonePre;
    radial.fn = pre.FnPre;
    for (int t = 1; t <= kCurveTimes; ++t) {
        for (int i = 1; i <= layers; ++i) {
            radial.ch = pre.ChExtraFill(i);
            pre.PreloadTermExp(i, t) = radial.radialRemainderInstant(pre.TPreload(t));
            pre.UPreload(i, t) = 1.0f - pre.PreloadTermExp(i, t);
        }
    }
}

// One degree for the whole package: its layers consolidate together through its drainage path.
TimeSeries restDegrees(const GeneralState& general, const PreloadState& pre,
                       const RestPackage& rest) {
    TimeSeries degree{};
    ConsolidationDegrees vertical;
    vertical.cv = rest.cvEquivalent;
    vertical.drainPath = rest.drainagePath;
    vertical.pi = general.Pi;
    for (int t = 1; t <= kCurveTimes; ++t) {
        degree[t] = 1.0f - vertical.verticalRemainderInstant(pre.TPreload(t));
    }
    return degree;
}

// Where the layers consolidate to and when their primary consolidation ends.
struct Flows {
    SingleArray<20> radialEndOfPrimary; // per layer, days
    TimeSeries restDegree{};
    Single restEndOfPrimary = 0;
};

// A layer's settlement at a time: the primary settlement (at 1 day on the creep line, or at the
// end of primary consolidation tp) reached to the degree, plus creep from the start of creep.
Single layerCurve(const SettlementResults& settlement, int i, int c, double days, double degree,
                  Single endOfPrimaryDays, bool endOfPrimaryAtTp) {
    const double at10 = settlement.SLayerPre10(i, c);
    const double creepCycle = (static_cast<double>(settlement.SLayerPre10000(i, c)) - at10) / 3.0;
    double primary = toSingle(at10 - creepCycle);
    CreepStart start;
    if (endOfPrimaryAtTp) {
        primary = toSingle(primary + creepCycle * std::log10(endOfPrimaryDays));
        start = {endOfPrimaryDays, true};
    }
    // The consolidation engine's curve takes settlements as positive numbers.
    return toSingle(curveSettlement(-creepCycle, start, days, -primary, degree));
}

template <typename Array> void addTo(Array& sum, int t, int c, Single value) {
    sum(t, c) = toSingle(static_cast<double>(sum(t, c)) + value);
}

void computeCurves(const SettlementResults& settlement, PreloadState& pre, const PreloadInputs& in,
                   int layers, const Flows& flows, bool endOfPrimaryAtTp) {
    pre.SPreloadHorLayer.fill(0.0f);
    pre.SPreloadVertRestLayer.fill(0.0f);
    pre.SPreloadTotalLayer.fill(0.0f);
    pre.SPreloadHor.fill(0.0f);
    pre.SPreloadVertRest.fill(0.0f);
    pre.SPreloadTotal.fill(0.0f);
    for (int c = 1; c <= kCurveCases; ++c) {
        for (int t = 1; t <= kCurveTimes; ++t) {
            const double days = pre.TPreload(t);
            for (int i = 1; i <= layers; ++i) {
                if (in.drained(i) == 1) {
                    pre.SPreloadHorLayer(i, t, c) =
                        layerCurve(settlement, i, c, days, pre.UPreload(i, t),
                                   flows.radialEndOfPrimary(i), endOfPrimaryAtTp);
                } else {
                    pre.SPreloadVertRestLayer(i, t, c) =
                        layerCurve(settlement, i, c, days, flows.restDegree[t],
                                   flows.restEndOfPrimary, endOfPrimaryAtTp);
                }
                pre.SPreloadTotalLayer(i, t, c) =
                    toSingle(static_cast<double>(pre.SPreloadVertRestLayer(i, t, c)) +
                             pre.SPreloadHorLayer(i, t, c));
                addTo(pre.SPreloadTotal, t, c, pre.SPreloadTotalLayer(i, t, c));
                addTo(pre.SPreloadHor, t, c, pre.SPreloadHorLayer(i, t, c));
                addTo(pre.SPreloadVertRest, t, c, pre.SPreloadVertRestLayer(i, t, c));
            }
        }
    }
}

// The time the curve of case c passes below the removal level, interpolated linearly in time
// between the bracketing points (from 0 days and 0 m before the first); the last passing counts.
Single removalTime(const PreloadState& pre, int c) {
    const double level = pre.SRemoveLevel;
    Single found = kRestTimeLimitDays;
    for (int t = 1; t <= kCurveTimes; ++t) {
        const double now = pre.SPreloadTotal(t, c);
        const double before = pre.SPreloadTotal(t - 1, c);
        if (now < level && before >= level) {
            const double d1 = std::fabs(level - now);
            const double d0 = std::fabs(level - before);
            const double t1 = pre.TPreload(t);
            const double t0 = pre.TPreload(t - 1);
            found = toSingle(t1 - (t1 - t0) * d1 / (d0 + d1));
        }
    }
    return found;
}

Single roundedToMillimetre(Single value) {
    return toSingle(num::roundDecimals(value, 3));
}

} // namespace

void computeExtraFillCurves(const GeneralState& general, const SettlementInput& input,
                            const SettlementResults& settlement, const ConsolidationState& cons,
                            PreloadState& pre, const PreloadInputs& in, bool endOfPrimaryAtTp) {
    const int layers = std::clamp<int>(input.NLayers, 0, 20);
    storeDrainDesign(cons, pre, in);
    computeRadialDegrees(pre, layers);

    Flows flows;
    if (in.rest.present) {
        for (int i = 1; i <= layers; ++i) {
            if (in.drained(i) == 0) {
                pre.CvExtraFill(i) = cons.Cv(i);
            }
        }
        flows.restDegree = restDegrees(general, pre, in.rest);
        flows.restEndOfPrimary =
            consolidationTimeDays(in.rest.drainagePath, cons.TimeFactor, in.rest.cvEquivalent);
    }
    for (int i = 1; i <= layers; ++i) {
        flows.radialEndOfPrimary(i) =
            consolidationTimeDays(pre.DrainZonePre, cons.TimeFactor, pre.ChExtraFill(i));
    }
    computeCurves(settlement, pre, in, layers, flows, endOfPrimaryAtTp);

    pre.SRemoveLevel =
        toSingle(static_cast<double>(pre.RestSettlementPre) + pre.SPreloadTotal(kCurveTimes, 1));
    // Every case is searched afresh: a time kept from an earlier Calculate would look like a
    // result of this one.
    for (int c = 1; c <= kCurveCases; ++c) {
        pre.TRemoveCalc(c) = removalTime(pre, c);
        pre.TRemove(c) = pre.TRemoveCalc(c);
    }
    for (int c = 1; c <= kCurveCases; ++c) {
        for (int t = 1; t <= kCurveTimes; ++t) {
            pre.SPreloadTotal(t, c) = roundedToMillimetre(pre.SPreloadTotal(t, c));
            pre.SPreloadHor(t, c) = roundedToMillimetre(pre.SPreloadHor(t, c));
            pre.SPreloadVertRest(t, c) = roundedToMillimetre(pre.SPreloadVertRest(t, c));
        }
    }
}

} // namespace korvex
