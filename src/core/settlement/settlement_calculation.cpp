#include "settlement/settlement_calculation.h"

#include "app/application.h"
#include "app/input_reading.h"
#include "app/module1.h"
#include "app/number_text.h"
#include "consolidation/form4_consolidation_input.h"
#include "settlement/extra_fill_cases.h"
#include "settlement/fill_thickness.h"
#include "settlement/form1_settlement_input.h"
#include "settlement/layer_table.h"
#include "settlement/settlement_input.h"
#include "settlement/settlement_steps.h"
#include "settlement/soil_stresses.h"

#include <cmath>

namespace korvex {

namespace {

template <typename Array> bool allFinite(const Array& values) {
    for (Single v : values) {
        if (!std::isfinite(v)) {
            return false;
        }
    }
    return true;
}

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

// The whole calculation on a copy of the state; returns whether a fill thickness was found.
bool runStages(Module1& st, Form1& form, Desktop& desktop) {
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
    // The settlements of the calculated fill alone (case 1), handed to the consolidation window.
    results.S10Cons = num::toSingle(std::fabs(results.SSumPre10(1)));
    results.S10000Cons = num::toSingle(std::fabs(results.SSumPre10000(1)));
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
    return found;
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

    bool found = false;
    if (!commitOnSuccess(app, [&](Module1& st) { found = runStages(st, form, desktop); })) {
        return false;
    }

    // The consolidation window takes its settlements and fill from these results: it is loaded
    // (hidden) when it is not, and like every loaded window it answers the new results itself.
    app.windows().load<Form4>();
    app.windows().announce(ResultsEvent::SettlementResultsChanged);
    desktop.beep();
    if (!found) {
        desktop.msgBox("Surface level required not reached with the given fill layers;the fill "
                       "thickness and its settlement are 0.",
                       vbInformation, {});
    }
    return true;
}

} // namespace korvex
