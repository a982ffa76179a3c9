#include "consolidation/rest_settlement_times.h"

#include "app/number_text.h"
#include "consolidation/consolidation_degrees.h"
#include "consolidation/settlement_time_series.h"
#include "state/consolidation_state.h"

#include <vector>

namespace korvex {

namespace {

constexpr int kRestRows = 10;
// The grid of the search: 100, 10 and 1 days. The levels are counted, never compared as a
// falling float step with 0.1 (0.1f is above 0.1 and would add a level).
constexpr double kStepsDays[] = {100.0, 10.0, 1.0};
constexpr int kLevels = 3;

template <std::size_t N> void buildRestSteps(SingleArray<N>& steps, Single restSettlement) {
    Single running = 0.0f;
    for (int k = 1; k <= kRestRows; ++k) {
        running = num::toSingle(static_cast<double>(running) + restSettlement / 5.0);
        steps(k) = running;
    }
}

template <std::size_t N> void toMillimetres(SingleArray<N>& steps) {
    for (int k = 1; k <= kRestRows; ++k) {
        steps(k) = num::toSingle(static_cast<double>(steps(k)) * 1000.0);
    }
}

} // namespace

bool restTimeReached(Single days) {
    return days < kRestTimeLimitDays;
}

std::string restTimeText(Single days) {
    return restTimeReached(days) ? num::boxText(days) : std::string("not reached");
}

namespace {

// The searches of one curve for the ten targets walk the same 100-day grid from day 0 before they
// part (the n-th coarse step is exactly n x 100 days), so the curve's values there are kept, in
// order, for the next search; the finer steps are taken as they come.
template <typename Curve>
RestTimeSearch searchWithGrid(const Curve& settlementAt, Single reference, Single target,
                              std::vector<double>& coarse) {
    double t = 0.0;
    for (int level = 0; level < kLevels; ++level) {
        const double step = kStepsDays[level];
        for (std::size_t n = 1;; ++n) {
            t += step;
            if (t > kRestTimeLimitDays) {
                return {kRestTimeLimitDays, static_cast<Single>(step)};
            }
            double settlement = 0.0;
            if (level == 0) {
                if (coarse.size() < n) {
                    coarse.push_back(settlementAt(t));
                }
                settlement = coarse[n - 1];
            } else {
                settlement = settlementAt(t);
            }
            double rest = -static_cast<double>(reference) + settlement;
            if (!(rest > static_cast<double>(target))) {
                break;
            }
        }
        t -= step;
    }
    return {static_cast<Single>(t), static_cast<Single>(kStepsDays[kLevels - 1] / 10.0)};
}

} // namespace

RestTimeSearch searchRestTime(const std::function<double(double days)>& settlementAt,
                              Single reference, Single target) {
    std::vector<double> coarse;
    return searchWithGrid(settlementAt, reference, target, coarse);
}

void computeRestSettlementTimes(ConsolidationState& st, const ConsolidationDegrees& degrees,
                                bool secondaryFromTimeFactor) {
    const double creep = creepPerLogCycle(st);
    const CreepStart horizontalStart{secondaryFromTimeFactor ? st.TconsHor : 1.0,
                                     secondaryFromTimeFactor};
    const CreepStart verticalStart{secondaryFromTimeFactor ? st.TconsVert : 1.0,
                                   secondaryFromTimeFactor};
    const double primaryHor = st.SPrimHor;
    const double primaryVert = st.SPrimVert;

    auto horizontalInstant = [&](double t) {
        double u = 1.0 - static_cast<double>(degrees.radialRemainderInstant(t));
        return curveSettlement(creep, horizontalStart, t, primaryHor, u);
    };
    auto verticalInstant = [&](double t) {
        double u = 1.0 - static_cast<double>(degrees.verticalRemainderInstant(t));
        return curveSettlement(creep, verticalStart, t, primaryVert, u);
    };
    auto horizontalGradual = [&](double t) {
        return curveSettlement(creep, horizontalStart, t, primaryHor,
                               degrees.radialDegreeGradual(t));
    };
    auto verticalGradual = [&](double t) {
        return curveSettlement(creep, verticalStart, t, primaryVert,
                               degrees.verticalDegreeGradual(t));
    };

    // Row 16 is 10 000 days with the default prediction times.
    constexpr int kReferenceRow = 16;
    auto searchAll = [&](const auto& curve, Single reference, const SingleArray<21>& targets,
                         SingleArray<21>& times, SingleArray<100>& steps) {
        std::vector<double> coarse;
        for (int k = 1; k <= kRestRows; ++k) {
            RestTimeSearch found = searchWithGrid(curve, reference, targets(k), coarse);
            times(k) = found.days;
            steps(k) = found.lastStep;
        }
    };

    buildRestSteps(st.RestSett, st.RestSettlement);
    searchAll(horizontalInstant, st.SHorIL(kReferenceRow), st.RestSett, st.TimeRestHor,
              st.TimeRestHorStep);
    searchAll(verticalInstant, st.SVertIL(kReferenceRow), st.RestSett, st.TimeRestVert,
              st.TimeRestVertStep);
    toMillimetres(st.RestSett);

    buildRestSteps(st.RestSettGL, st.RestSettlement);
    searchAll(horizontalGradual, st.SHorGL(kReferenceRow), st.RestSettGL, st.TimeRestHorGL,
              st.TimeRestHorGLStep);
    searchAll(verticalGradual, st.SVertGL(kReferenceRow), st.RestSettGL, st.TimeRestVertGL,
              st.TimeRestVertGLStep);
    toMillimetres(st.RestSettGL);
}

} // namespace korvex
