#include "preload/extra_fill_curves.h"

#include "app/number_text.h"
#include "consolidation/consolidation_degrees.h"
#include "consolidation/consolidation_inputs.h"
#include "consolidation/drain_zone.h"
#include "consolidation/rest_settlement_times.h"
#include "consolidation/settlement_time_series.h"
#include "preload/preload_inputs.h"
#include "state/consolidation_state.h"
#include "state/general_state.h"
#include "state/prediction_times.h"
#include "state/preload_state.h"
#include "state/settlement_input_state.h"
#include "state/settlement_results_state.h"

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

// A layer's creep line in one case, as the consolidation engine's curve takes it (settlements as
// positive numbers): the primary settlement (at 1 day on the line through its settlements after 10
// and 10 000 days, or at the end of primary consolidation tp) and the creep per log cycle, counted
// from 1 day or from tp. It depends on the layer and the case only, so it is taken once for all
// 16 time points.
struct CreepLine {
    double creep = 0;
    double primary = 0;
    CreepStart start;
};

CreepLine creepLine(const SettlementResults& settlement, int i, int c, Single endOfPrimaryDays,
                    Single log10EndOfPrimary, bool endOfPrimaryAtTp) {
    const double at10 = settlement.SLayerPre10(i, c);
    const double creepCycle = (static_cast<double>(settlement.SLayerPre10000(i, c)) - at10) / 3.0;
    double primary = toSingle(at10 - creepCycle);
    CreepStart start;
    if (endOfPrimaryAtTp) {
        primary = toSingle(primary + creepCycle * log10EndOfPrimary);
        start = {endOfPrimaryDays, true};
    }
    return {-creepCycle, -primary, start};
}

// log10(days / start) at the time points 1..16 (element 0 unused).
using LogTimes = std::array<double, kCurveTimes + 1>;

LogTimes logTimesSince(const PreloadState& pre, double startDays) {
    LogTimes logs{};
    for (int t = 1; t <= kCurveTimes; ++t) {
        logs[t] = std::log10(pre.TPreload(t) / startDays);
    }
    return logs;
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
    // The logarithms of the time points are taken once per Calculate, not per case: all layers
    // share those since 1 day; with creep from tp each drained layer has its own start, the rest
    // layers one together. They are of the same quotients as taken at every point, so the curves
    // are the same numbers bit for bit.
    std::array<Single, 21> endOfPrimary{};
    std::array<Single, 21> log10EndOfPrimary{};
    std::array<LogTimes, 21> sinceStart{};
    const LogTimes common =
        logTimesSince(pre, endOfPrimaryAtTp ? static_cast<double>(flows.restEndOfPrimary) : 1.0);
    for (int i = 1; i <= layers; ++i) {
        const auto k = static_cast<std::size_t>(i);
        const bool drained = in.drained(i) == 1;
        endOfPrimary[k] = drained ? flows.radialEndOfPrimary(i) : flows.restEndOfPrimary;
        sinceStart[k] = common;
        if (endOfPrimaryAtTp) {
            log10EndOfPrimary[k] = std::log10(endOfPrimary[k]);
            if (drained) {
                sinceStart[k] = logTimesSince(pre, endOfPrimary[k]);
            }
        }
    }
    std::array<CreepLine, 21> lines;
    for (int c = 1; c <= kCurveCases; ++c) {
        for (int i = 1; i <= layers; ++i) {
            const auto k = static_cast<std::size_t>(i);
            lines[k] = creepLine(settlement, i, c, endOfPrimary[k], log10EndOfPrimary[k],
                                 endOfPrimaryAtTp);
        }
        for (int t = 1; t <= kCurveTimes; ++t) {
            const double days = pre.TPreload(t);
            for (int i = 1; i <= layers; ++i) {
                const auto k = static_cast<std::size_t>(i);
                const CreepLine& line = lines[k];
                const bool drained = in.drained(i) == 1;
                const double degree = drained ? pre.UPreload(i, t) : flows.restDegree[t];
                const bool primaryOnly = line.start.primaryOnlyBefore && days < line.start.days;
                const Single settlementAt = toSingle(curveSettlementAtLog(
                    line.creep, sinceStart[k][t], primaryOnly, line.primary, degree));
                (drained ? pre.SPreloadHorLayer : pre.SPreloadVertRestLayer)(i, t, c) =
                    settlementAt;
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
