#include "settlement/settlement_calculation.h"

#include "app/all_finite.h"
#include "app/application.h"
#include "app/input_reading.h"
#include "app/number_text.h"
#include "consolidation/form4_consolidation_input.h"
#include "settlement/extra_fill_cases.h"
#include "settlement/fill_thickness.h"
#include "settlement/form1_settlement_input.h"
#include "settlement/layer_table.h"
#include "settlement/layer_thickness_check.h"
#include "settlement/settlement_input.h"
#include "settlement/settlement_steps.h"
#include "settlement/soil_stresses.h"
#include "state/module1.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace korvex {

namespace {

// Layers 1..NLayers only: entries beyond them belong to no calculation.
template <typename Array> bool layersFinite(const Array& values, int layers) {
    for (int i = 1; i <= layers; ++i) {
        if (!std::isfinite(values(i))) {
            return false;
        }
    }
    return true;
}

bool resultsAreFinite(const Module1& st) {
    const SingleArray<20>* totals[] = {&st.S1,
                                       &st.S10,
                                       &st.S100,
                                       &st.S1000,
                                       &st.S10000,
                                       &st.FillHeightSettlement,
                                       &st.FillHeightStress,
                                       &st.SurfaceHeight,
                                       &st.SSumPre10,
                                       &st.SSumPre10000};
    for (const auto* array : totals) {
        if (!allFinite(*array)) {
            return false;
        }
    }
    const Single scalars[] = {st.FillThickness, st.FillSettlement, st.S10Cons,
                              st.S10000Cons,    st.SoilThickness,  st.WatertableLoad.value};
    // A coefficient can overflow while every settlement stays finite (a vanishing layer's OCR, a
    // compression ratio no load step reaches); the report prints some of them.
    const SingleArray<20>* coefficients[] = {&st.SigmaP, &st.OCR, &st.CompRatio, &st.RecompRatio,
                                             &st.CalphaRatio};
    for (const auto* array : coefficients) {
        if (!layersFinite(*array, st.NLayers)) {
            return false;
        }
    }
    return allFinite(scalars) && allFinite(st.SigmaEff) && allFinite(st.CalcFillPathS) &&
           allFinite(st.CalcFillPathLoad);
}

// The layers that settle by their thickness or more under the calculated fill, after the
// settlement time or after 10 000 days (case 1 of the extra fill is the calculated fill alone).
std::vector<int> layersSettledThrough(const SettlementInput& input,
                                      const SettlementResults& results) {
    std::vector<double> settlements = layerSettlementsAtFillThickness(input, results);
    std::vector<double> thicknesses;
    for (std::size_t i = 0; i < settlements.size(); ++i) {
        const auto layer = static_cast<std::ptrdiff_t>(i) + 1;
        settlements[i] = std::max(std::fabs(settlements[i]),
                                  std::fabs(static_cast<double>(results.SLayerPre10000(layer, 1))));
        thicknesses.push_back(results.LThickness(layer));
    }
    return layersReachingThickness(settlements, thicknesses);
}

struct StagesOutcome {
    bool found = false;
    std::vector<int> layersSettledThrough;
};

// The whole calculation on a copy of the state.
StagesOutcome runStages(Module1& st, Form1& form, Desktop& desktop) {
    const bool submergence = form.Check1 != 0;
    readSiteInput(st, form);
    readLayerTable(st, form, desktop);
    // C follows from the constants in the same row alone, so the table shows it even when a
    // later stage refuses the site.
    if (st.Method == 2) {
        for (int i = 1; i <= st.NLayers; ++i) {
            form.Fg1.setTextMatrix(i, 8, num::boxText(st.CKoppejan(i)));
        }
    }
    const GeneralState& general = st;
    SettlementInput& input = st;
    SettlementResults& results = st;
    computeSoilStresses(general, input, results, st);
    applyWatertableChange(general, input);
    computeLayerCoefficients(general, input, results);
    computeLoadStepSettlements(general, input, results);
    const bool found = computeFillThickness(general, input, results, submergence);
    computeExtraFillCases(general, input, results, {1.0, 2, submergence, PathKind::FillStep});
    // The settlements of the calculated fill alone (case 1), handed to the consolidation window
    // positive downward. A fill that heaves on balance is handed over as the heave it is, not
    // made positive, so that the consolidation can refuse it instead of designing drains for it.
    results.S10Cons = -results.SSumPre10(1);
    results.S10000Cons = -results.SSumPre10000(1);
    // The result window draws the fill-step paths, which the extra-fill cases overwrote.
    storeFillStepPaths(general, input, results, submergence);
    // Inputs near the limits of a Single (levels or constants of 1E+30) can still overflow
    // somewhere on the way; such a calculation is refused rather than shown.
    if (!resultsAreFinite(st)) {
        refuse("Calculation not possible;input values out of range.");
    }
    st.SettlementCalculated = 1;
    st.SettlementMethod = st.Method;
    st.SettlementSubmergence = submergence ? 1 : 0;
    results.keepSettlementCases();
    // The consolidation and the preload were computed from the settlements before: their results
    // go, their inputs stay for the next calculation.
    discardConsolidationResults(st, st);
    discardPreloadResults(st, st);
    return {found, found ? layersSettledThrough(input, results) : std::vector<int>{}};
}

} // namespace

bool calculateSettlements(Application& app, Form1& form) {
    Desktop& desktop = app.desktop();
    if (app.state().Method != 1 && app.state().Method != 2) {
        desktop.msgBox("No calculation method chosen;choose Terzaghi-Bjerrum or "
                       "Terzaghi-Koppejan first.",
                       vbExclamation, {});
        return false;
    }

    StagesOutcome outcome;
    if (!commitOnSuccess(app, [&](Module1& st) { outcome = runStages(st, form, desktop); })) {
        return false;
    }
    // The results are still shown: the formulas have only left their range, and the user needs
    // to see where.
    if (!outcome.layersSettledThrough.empty()) {
        desktop.msgBox(layersReachingThicknessMessage(outcome.layersSettledThrough,
                                                      "at the calculated fill thickness"),
                       vbExclamation, {});
    }

    // The consolidation window takes its settlements and fill from these results: it is loaded
    // (hidden) when it is not, and like every loaded window it answers the new results itself.
    app.windows().load<Form4>();
    app.windows().announce(ResultsEvent::SettlementResultsChanged);
    desktop.beep();
    if (!outcome.found) {
        desktop.msgBox("Surface level required not reached with the given fill layers;the fill "
                       "thickness and its settlement are 0.",
                       vbInformation, {});
    }
    return true;
}

} // namespace korvex
