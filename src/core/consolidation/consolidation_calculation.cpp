#include "consolidation/consolidation_calculation.h"

#include "app/application.h"
#include "app/input_reading.h"
#include "app/number_text.h"
#include "consolidation/consolidation_degrees.h"
#include "consolidation/consolidation_inputs.h"
#include "consolidation/drain_zone.h"
#include "consolidation/form4_consolidation_input.h"
#include "consolidation/form5_consolidation_results.h"
#include "consolidation/rest_settlement_times.h"
#include "consolidation/settlement_time_series.h"
#include "observations/consolidation_handover.h"
#include "state/module1.h"
#include "state/preload_state.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace korvex {

namespace {

constexpr Single kProgramPi = 3.14159f;

using num::roundDecimals;
using num::toSingle;

void storeInputs(SettlementResults& settlement, ConsolidationState& st,
                 const ConsolidationInputs& in) {
    st.DegreeCons = in.DegreeCons;
    st.ConsolidationPeriod = in.ConsolidationPeriod;
    st.DrainDiameter = in.DrainDiameter;
    st.RestSettlement = in.RestSettlement;
    settlement.S10Cons = in.S10Cons;
    settlement.S10000Cons = in.S10000Cons;
    st.ConstructionTime = in.ConstructionTime;
    st.DrainArea = in.DrainArea;
    st.ChAvg = in.ChAvg;
    st.CvAvg = in.CvAvg;
    st.TimeFactor = in.TimeFactor;
    st.DrainPath = in.drainagePath;
}

void storeDrainDesign(ConsolidationState& st, const DrainZoneSolution& zone) {
    st.DrainZone = zone.drainZone;
    st.SpacingTri = toSingle(st.DrainZone / 1.05);
    st.SpacingSq = toSingle(st.DrainZone / 1.128);
    double spacing = st.SpacingTri;
    // One drain serves the hexagon of a triangular pattern: sqrt(3)/2 s^2.
    st.DrainsPerM2 = toSingle(1.0 / (std::sqrt(3.0) * 0.5 * spacing * spacing));
    st.DrainsTotal = toSingle(static_cast<double>(st.DrainsPerM2) * st.DrainArea);
    st.Fn = toSingle(barronFn(zone.lastRatio));
}

void storeConsolidationTimes(ConsolidationState& st) {
    st.TimeFactorHor = st.TimeFactor;
    st.TconsVert = consolidationTimeDays(st.DrainPath, st.TimeFactor, st.CvAvg);
    st.TconsHor = consolidationTimeDays(st.DrainZone, st.TimeFactorHor, st.ChAvg);
}

Single rounded(Single value, int decimals) {
    return toSingle(roundDecimals(value, decimals));
}

// The shown results in the order the later readers rely on; everything computed before used the
// unrounded values.
void roundShownResults(ConsolidationState& st) {
    st.SPrimary = rounded(st.SPrimary, 3);
    st.TconsVert = rounded(st.TconsVert, 1);
    st.TconsHor = rounded(st.TconsHor, 1);
    st.DrainZone = rounded(st.DrainZone, 2);
    st.SpacingTri = rounded(st.SpacingTri, 2);
    st.SpacingSq = rounded(st.SpacingSq, 2);
    st.DrainsPerM2 = rounded(st.DrainsPerM2, 3);
    st.DiffSHor = rounded(st.DiffSHor, 3);
    st.DiffSVert = rounded(st.DiffSVert, 3);
    st.DrainsTotal = rounded(st.DrainsTotal, 1);
    st.SPrimary = rounded(st.SPrimary, 3);
}

void storeDischarge(GeneralState& general, ConsolidationState& st) {
    general.Pi = kProgramPi;
    // 2 pi Ch / Fn times the primary settlement with drains at 10 000 days (negative), per drain.
    st.Discharge = toSingle(static_cast<double>(st.SPrimHorIL(16)) * (-6.28318) * st.ChAvg / st.Fn);
    st.DischargeYear = toSingle(static_cast<double>(st.Discharge) * 24.0 * 3600.0 * 365.0);
}

void storeLayerCv(ConsolidationState& st, const std::vector<Single>& layerCv) {
    for (std::size_t i = 0; i < layerCv.size(); ++i) {
        st.Cv(static_cast<std::ptrdiff_t>(i) + 1) = layerCv[i];
    }
}

template <std::size_t N> bool rowsFinite(const SingleArray<N>& values, int lastRow) {
    for (int i = 1; i <= lastRow; ++i) {
        if (!std::isfinite(values(i))) {
            return false;
        }
    }
    return true;
}

bool resultsAreFinite(const ConsolidationState& st) {
    const Single scalars[] = {st.DrainZone,   st.Fn,          st.SpacingTri, st.SpacingSq,
                              st.DrainsPerM2, st.DrainsTotal, st.TconsVert,  st.TconsHor,
                              st.SPrimary,    st.SPrimVert,   st.SPrimHor,   st.DiffS10000S10,
                              st.DiffSHor,    st.DiffSVert,   st.Discharge,  st.DischargeYear};
    for (Single v : scalars) {
        if (!std::isfinite(v)) {
            return false;
        }
    }
    const SingleArray<21>* rows21[] = {&st.OneMinusUVertIL,
                                       &st.OneMinusUHorIL,
                                       &st.OneMinusUHorVertIL,
                                       &st.UVertIL,
                                       &st.UHorIL,
                                       &st.UHorVertIL,
                                       &st.UVertGL,
                                       &st.UHorGL,
                                       &st.UHorVertGL,
                                       &st.TimeFactorHorAtT,
                                       &st.TimeFactorVertAtT,
                                       &st.SHorVertIL,
                                       &st.SHorVertGL,
                                       &st.SPrimHorIL,
                                       &st.SPrimVertIL,
                                       &st.SPrimHorGL,
                                       &st.SPrimVertGL,
                                       &st.DiffDrainsIL,
                                       &st.DiffDrainsGL,
                                       &st.RatioSecPrim};
    for (const auto* rows : rows21) {
        if (!rowsFinite(*rows, kPredictionRows)) {
            return false;
        }
    }
    const SingleArray<101>* rows101[] = {&st.SHorIL, &st.SVertIL, &st.SHorGL, &st.SVertGL,
                                         &st.SSecondary};
    for (const auto* rows : rows101) {
        if (!rowsFinite(*rows, kPredictionRows)) {
            return false;
        }
    }
    constexpr int kRestRows = 10;
    return rowsFinite(st.RestSett, kRestRows) && rowsFinite(st.RestSettGL, kRestRows) &&
           rowsFinite(st.TimeRestHor, kRestRows) && rowsFinite(st.TimeRestVert, kRestRows) &&
           rowsFinite(st.TimeRestHorGL, kRestRows) && rowsFinite(st.TimeRestVertGL, kRestRows);
}

// The calculation on the parts it is given, the only ones it writes: read, checked, designed and
// stored, or refused. Of the settlement results it stores only the two settlements it starts from
// (and the extra-fill cases, when it discards a preload).
void runConsolidation(const SettlementInput& input, GeneralState& general,
                      SettlementResults& settlement, ConsolidationState& st, PreloadState& preload,
                      ObservationState& observed, const Form4& form, Desktop& desktop) {
    const int layers = std::clamp<int>(input.NLayers, 0, Form4::kLayerRows);
    const ConsolidationInputs inputs = readConsolidationInputs(form, st, layers);
    storeInputs(settlement, st, inputs);
    general.Pi = kProgramPi;
    const bool secondaryFromTimeFactor = form.Option4;

    storeDrainDesign(st, inputs.drainZone);
    if (static_cast<double>(st.DrainZone) < kNarrowDrainZoneRatio * st.DrainDiameter) {
        desktop.msgBox("The drain zone (" + num::boxText(st.DrainZone) +
                           " m) is hardly larger than the Equivalent draindiameter [m]: the drain "
                           "spacing depends on the drain more than on the soil. Please check the "
                           "drain diameter, Ch, the degree of consolidation and the period.",
                       vbExclamation);
    }

    const ConsolidationDegrees degrees = ConsolidationDegrees::fromState(general, st);
    computePeriodSettlements(settlement, st, degrees, inputs.periodSeconds);
    computeInstantDegrees(st, degrees);
    storeConsolidationTimes(st);
    computePrimarySettlements(settlement, st, secondaryFromTimeFactor);
    computeGradualDegrees(st, degrees);
    computeSettlementSeries(st, secondaryFromTimeFactor);
    computeRestSettlementTimes(st, degrees, secondaryFromTimeFactor);
    roundShownResults(st);
    storeDischarge(general, st);
    // Inputs near the limits of a Single (a rest settlement or settlements of 1E+36 m) pass every
    // check yet overflow on the way to millimetres or differences; such a calculation is refused
    // rather than shown, so the state keeps the last calculation that could be shown.
    if (!resultsAreFinite(st)) {
        refuse("The results of these inputs are out of range; please check the settlements, the "
               "Rest Settlement [m], the Area [m2] and the coefficients.");
    }
    storeLayerCv(st, inputs.layerCv);
    general.ConsolidationCalculated = 1;
    general.ConsolidationOption4 = secondaryFromTimeFactor ? 1 : 0;
    handOverPredictions(settlement, st, observed);
    // A preload sized with the drain design before is no preload for this one.
    discardPreloadResults(settlement, preload);
}

} // namespace

bool calculateConsolidation(Application& app, Form4& form) {
    Desktop& desktop = app.desktop();
    const SettlementInput& input = app.state();
    const bool done = commitPartsOnSuccess<GeneralState, SettlementResults, ConsolidationState,
                                           PreloadState, ObservationState>(
        app, app.state(),
        [&](GeneralState& general, SettlementResults& settlement, ConsolidationState& st,
            PreloadState& preload, ObservationState& observed) {
            runConsolidation(input, general, settlement, st, preload, observed, form, desktop);
        });
    if (!done) {
        return false;
    }
    // Every loaded window answers the new results itself: the list refills, the graphs (filled
    // only by the result window's buttons) close.
    app.windows().announce(ResultsEvent::ConsolidationResultsChanged);
    // The calculation fills its result window, loading it when it is not open, and shows it.
    app.windows().load<Form5>().fillFromState();
    desktop.beep();
    app.windows().show<Form5>();
    return true;
}

} // namespace korvex
