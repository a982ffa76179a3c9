#include "consolidation/settlement_time_series.h"

#include "app/number_text.h"
#include "consolidation/consolidation_degrees.h"
#include "state/consolidation_state.h"
#include "state/settlement_results_state.h"

#include <cmath>

namespace korvex {

using num::toSingle;

double curveSettlement(double creep, const CreepStart& start, double days, double primary,
                       double degree) {
    const bool primaryOnly = start.primaryOnlyBefore && days < start.days;
    return curveSettlementAtLog(creep, primaryOnly ? 0.0 : std::log10(days / start.days),
                                primaryOnly, primary, degree);
}

double curveSettlementAtLog(double creep, double log10SinceStart, bool primaryOnly, double primary,
                            double degree) {
    if (primaryOnly) {
        return -primary * degree;
    }
    return -(creep * log10SinceStart + primary * degree);
}

double creepPerLogCycle(const ConsolidationState& state) {
    return static_cast<double>(state.DiffS10000S10) / 3.0;
}

void computePeriodSettlements(const SettlementResults& settlement, ConsolidationState& st,
                              const ConsolidationDegrees& degrees, Single periodSeconds) {
    double periodDays = static_cast<double>(periodSeconds) / kSecondsPerDay;
    double uh = 1.0 - static_cast<double>(degrees.radialRemainderInstant(periodDays));
    double uv = 1.0 - static_cast<double>(degrees.verticalRemainderInstant(periodDays));
    // The settlement after 1 day on the straight line through both settlements against log time.
    st.SPrimary = toSingle(settlement.S10Cons -
                           (static_cast<double>(settlement.S10000Cons) - settlement.S10Cons) / 3.0);
    st.DiffS10000S10 = toSingle(static_cast<double>(settlement.S10000Cons) - settlement.S10Cons);
    double creep = creepPerLogCycle(st);
    double creepAtPeriod = creep * std::log10(static_cast<double>(st.ConsolidationPeriod));
    st.DiffSHor = toSingle(settlement.S10000Cons - (st.SPrimary * uh + creepAtPeriod));
    st.DiffSVert = toSingle(settlement.S10000Cons - (st.SPrimary * uv + creepAtPeriod));
}

void computeInstantDegrees(ConsolidationState& st, const ConsolidationDegrees& degrees) {
    for (int i = 1; i <= kPredictionRows; ++i) {
        st.OneMinusUHorIL(i) = degrees.radialRemainderInstant(st.TPred(i));
        st.UHorIL(i) = 1.0f - st.OneMinusUHorIL(i);
    }
    for (int i = 1; i <= kPredictionRows; ++i) {
        st.OneMinusUVertIL(i) = degrees.verticalRemainderInstant(st.TPred(i));
        st.UVertIL(i) = 1.0f - st.OneMinusUVertIL(i);
        st.OneMinusUHorVertIL(i) =
            toSingle(static_cast<double>(st.OneMinusUVertIL(i)) * st.OneMinusUHorIL(i));
        st.UHorVertIL(i) = 1.0f - st.OneMinusUHorVertIL(i);
    }
}

void computePrimarySettlements(const SettlementResults& settlement, ConsolidationState& st,
                               bool secondaryFromTimeFactor) {
    st.SPrimary =
        toSingle(settlement.S10Cons -
                 std::fabs(static_cast<double>(settlement.S10000Cons) - settlement.S10Cons) / 3.0);
    st.SPrimVert = st.SPrimary;
    st.SPrimHor = st.SPrimary;
    st.DiffS10000S10 = toSingle(static_cast<double>(settlement.S10000Cons) - settlement.S10Cons);
    if (secondaryFromTimeFactor) {
        double creep = creepPerLogCycle(st);
        st.SPrimVert = toSingle(st.SPrimary + creep * std::log10(st.TconsVert));
        st.SPrimHor = toSingle(st.SPrimary + creep * std::log10(st.TconsHor));
    }
}

void computeGradualDegrees(ConsolidationState& st, const ConsolidationDegrees& degrees) {
    for (int i = 1; i <= kPredictionRows; ++i) {
        st.TimeFactorHorAtT(i) = toSingle(degrees.horizontalTimeFactor(st.TPred(i)));
        st.UHorGL(i) = degrees.radialDegreeGradual(st.TPred(i));
    }
    for (int i = 1; i <= kPredictionRows; ++i) {
        st.TimeFactorVertAtT(i) = toSingle(degrees.verticalTimeFactor(st.TPred(i)));
        st.UVertGL(i) = degrees.verticalDegreeGradual(st.TPred(i));
    }
    for (int i = 1; i <= kPredictionRows; ++i) {
        st.UHorVertGL(i) =
            toSingle(1.0 - (1.0 - static_cast<double>(st.UVertGL(i))) * (1.0 - st.UHorGL(i)));
    }
}

void computeSettlementSeries(ConsolidationState& st, bool secondaryFromTimeFactor) {
    const double creep = creepPerLogCycle(st);
    const CreepStart fromOneDay;
    auto settlement = [&](double days, Single primary, Single degree) {
        return toSingle(curveSettlement(creep, fromOneDay, days, primary, degree));
    };
    for (int i = 1; i <= kPredictionRows; ++i) {
        double days = st.TPred(i);
        double logTime = std::log10(days);
        st.SHorIL(i) = settlement(days, st.SPrimHor, st.UHorIL(i));
        st.SVertIL(i) = settlement(days, st.SPrimVert, st.UVertIL(i));
        st.SHorVertIL(i) = settlement(days, st.SPrimary, st.UHorVertIL(i));
        st.SSecondary(i) = toSingle(-creep * logTime);
        st.SPrimHorIL(i) = toSingle(-static_cast<double>(st.SPrimHor) * st.UHorIL(i));
        st.SPrimVertIL(i) = toSingle(-static_cast<double>(st.SPrimVert) * st.UVertIL(i));
        st.DiffDrainsIL(i) =
            toSingle(1000.0 * static_cast<double>(st.SHorIL(i)) - 1000.0 * st.SVertIL(i));
        st.RatioSecPrim(i) = toSingle(-static_cast<double>(st.SSecondary(i)) / st.SPrimary);

        st.SHorGL(i) = settlement(days, st.SPrimHor, st.UHorGL(i));
        st.SVertGL(i) = settlement(days, st.SPrimVert, st.UVertGL(i));
        st.SHorVertGL(i) = settlement(days, st.SPrimary, st.UHorVertGL(i));
        st.SPrimHorGL(i) = toSingle(-static_cast<double>(st.SPrimHor) * st.UHorGL(i));
        st.SPrimVertGL(i) = toSingle(-static_cast<double>(st.SPrimVert) * st.UVertGL(i));
        st.DiffDrainsGL(i) =
            toSingle(1000.0 * static_cast<double>(st.SHorGL(i)) - 1000.0 * st.SVertGL(i));
    }
    if (!secondaryFromTimeFactor) {
        return;
    }
    const CreepStart fromHorizontal{st.TconsHor, true};
    const CreepStart fromVertical{st.TconsVert, true};
    auto shifted = [&](const CreepStart& start, double days, Single primary, Single degree) {
        return toSingle(curveSettlement(creep, start, days, primary, degree));
    };
    for (int i = 1; i <= kPredictionRows; ++i) {
        double days = st.TPred(i);
        st.SHorIL(i) = shifted(fromHorizontal, days, st.SPrimHor, st.UHorIL(i));
        st.SHorGL(i) = shifted(fromHorizontal, days, st.SPrimHor, st.UHorGL(i));
        st.SVertIL(i) = shifted(fromVertical, days, st.SPrimVert, st.UVertIL(i));
        st.SVertGL(i) = shifted(fromVertical, days, st.SPrimVert, st.UVertGL(i));
    }
}

} // namespace korvex
