#include "preload/preload_calculation.h"

#include "app/application.h"
#include "app/input_reading.h"
#include "app/module1.h"
#include "preload/extra_fill_curves.h"
#include "preload/form10_preload_input.h"
#include "preload/preload_cases.h"
#include "preload/preload_inputs.h"

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

bool resultsAreFinite(const Module1& st) {
    for (int c = 1; c <= kCurveCases; ++c) {
        for (int t = 1; t <= kCurveTimes; ++t) {
            if (!std::isfinite(st.SPreloadTotal(t, c)) || !std::isfinite(st.SPreloadHor(t, c)) ||
                !std::isfinite(st.SPreloadVertRest(t, c))) {
                return false;
            }
        }
    }
    return allFinite(st.SettlementPre10) && allFinite(st.SettlementPre10000) &&
           allFinite(st.LoadPre10) && allFinite(st.LoadPre10000) && allFinite(st.TRemove) &&
           std::isfinite(st.SRemoveLevel) && std::isfinite(st.Fn) && std::isfinite(st.DrainZone);
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
    // menus have set since; everything else it computes is committed with the copy.
    const Integer chosenMethod = st.Method;
    return commitOnSuccess(app, [&](Module1& scratch) {
        const PreloadInputs inputs = readPreloadInputs(form, scratch, endOfPrimaryAtTp, desktop);
        scratch.Method = scratch.SettlementMethod;
        computePreloadCases(scratch, inputs, scratch.SettlementSubmergence != 0);
        // TODO(hardening): report a layer of a case that settles by its thickness or more through
        // the shared check once it has landed (one message naming the layers and the case).
        computeExtraFillCurves(scratch, inputs, endOfPrimaryAtTp);
        if (!resultsAreFinite(scratch)) {
            refuse("The preload of these inputs is out of range; please check the increment, the "
                   "drain spacing and the Ch(i) values.");
        }
        scratch.Method = chosenMethod;
    });
}

} // namespace korvex
