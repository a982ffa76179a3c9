#include "preload/preload_calculation.h"

#include "app/all_finite.h"
#include "app/application.h"
#include "app/input_reading.h"
#include "preload/extra_fill_curves.h"
#include "preload/form10_preload_input.h"
#include "preload/preload_cases.h"
#include "preload/preload_inputs.h"
#include "settlement/extra_fill_cases.h"
#include "settlement/layer_thickness_check.h"
#include "state/module1.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace korvex {

namespace {

bool resultsAreFinite(const SettlementResults& settlement, const PreloadState& st) {
    for (int c = 1; c <= kCurveCases; ++c) {
        for (int t = 1; t <= kCurveTimes; ++t) {
            if (!std::isfinite(st.SPreloadTotal(t, c)) || !std::isfinite(st.SPreloadHor(t, c)) ||
                !std::isfinite(st.SPreloadVertRest(t, c))) {
                return false;
            }
        }
    }
    return allFinite(settlement.SettlementPre10) && allFinite(settlement.SettlementPre10000) &&
           allFinite(settlement.LoadPre10) && allFinite(settlement.LoadPre10000) &&
           allFinite(st.TRemove) && std::isfinite(st.SRemoveLevel) && std::isfinite(st.FnPre) &&
           std::isfinite(st.DrainZonePre);
}

// The first case (the lightest preload) in which a layer settles by its thickness or more, after
// 10 days or after 10 000 days, with those layers; heavier cases only repeat the warning.
struct SettledThrough {
    int extraFillCase = 0;
    std::vector<int> layers;
};

SettledThrough firstCaseSettledThrough(const SettlementInput& input, const SettlementResults& st) {
    const int layers = std::clamp<int>(input.NLayers, 0, 20);
    std::vector<double> settlements(static_cast<std::size_t>(layers));
    std::vector<double> thicknesses(static_cast<std::size_t>(layers));
    for (int c = 1; c <= kExtraFillCases; ++c) {
        for (int i = 1; i <= layers; ++i) {
            const auto k = static_cast<std::size_t>(i - 1);
            settlements[k] = std::max(std::fabs(static_cast<double>(st.SLayerPre10(i, c))),
                                      std::fabs(static_cast<double>(st.SLayerPre10000(i, c))));
            thicknesses[k] = st.LThickness(i);
        }
        std::vector<int> through = layersReachingThickness(settlements, thicknesses);
        if (!through.empty()) {
            return {c, std::move(through)};
        }
    }
    return {};
}

} // namespace

bool calculatePreload(Application& app, const Form10& form) {
    Desktop& desktop = app.desktop();
    const Module1& st = app.state();
    // The preload runs on the per-layer values of one completed settlement calculation, with the
    // method and submergence switch that calculation used: the menus and Form1 may have changed
    // since.
    if (st.SettlementCalculated == 0 || (st.SettlementMethod != 1 && st.SettlementMethod != 2)) {
        desktop.msgBox("It is not possible to calculate a preload; For a preload is necessary to "
                       "make settlement calculations first.",
                       vbExclamation, {});
        return false;
    }
    const bool endOfPrimaryAtTp = st.ConsolidationOption4 != 0;

    // The preload runs with the method of the settlement calculation it continues, whatever the
    // menus have set since. It writes only the settlements of the extra-fill cases and its own
    // part, so only those are copied for the commit.
    GeneralState general = st;
    general.Method = st.SettlementMethod;
    SettledThrough settledThrough;
    const bool done = commitPartsOnSuccess<SettlementResults, PreloadState>(
        app, app.state(), [&](SettlementResults& settlement, PreloadState& preload) {
            const PreloadInputs inputs =
                readPreloadInputs(form, st, settlement, st, endOfPrimaryAtTp, desktop);
            computePreloadCases(general, st, settlement, preload, inputs,
                                st.SettlementSubmergence != 0);
            settledThrough = firstCaseSettledThrough(st, settlement);
            computeExtraFillCurves(general, st, settlement, st, preload, inputs, endOfPrimaryAtTp);
            if (!resultsAreFinite(settlement, preload)) {
                refuse("The preload of these inputs is out of range; please check the increment, "
                       "the drain spacing and the Ch(i) values.");
            }
        });
    // The results are still shown: the formulas have only left their range there.
    if (done && !settledThrough.layers.empty()) {
        desktop.msgBox(layersReachingThicknessMessage(
                           settledThrough.layers,
                           "in extra-fill case " + std::to_string(settledThrough.extraFillCase)),
                       vbExclamation, {});
    }
    return done;
}

} // namespace korvex
