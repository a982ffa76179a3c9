#include "consolidation/form4_consolidation_input.h"

#include "app/application.h"
#include "app/module1.h"
#include "app/number_text.h"
#include "consolidation/consolidation_calculation.h"
#include "consolidation/equivalent_cv.h"
#include "consolidation/form5_consolidation_results.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

namespace korvex {

Form4::Form4(Application& app) : WindowModel(app), Fg4(kLayerRows + 1, 2) {
    Caption = "Input Consolidation and Vertical drains";
}

void Form4::Form_Load() {
    Module1& st = state();
    prepareEditableTable(Fg4);
    TxtEdit.clear();

    Text1 = num::boxText(st.DegreeCons);
    Text2 = num::boxText(st.ConsolidationPeriod);
    Text3 = num::boxText(st.DrainDiameter);
    Text4 = num::boxText(st.RestSettlement);
    Text5 = num::boxText(st.S10Cons);
    Text6 = num::boxText(st.S10000Cons);
    Text7 = num::boxText(st.ConstructionTime);
    Text8 = num::boxText(st.KhKr);
    Text9 = num::boxText(st.DrainArea);
    Text10 = num::boxText(st.SoilThickness);
    Text11 = num::boxText(st.ChAvg);
    Text12 = num::boxText(st.CvAvg);
    Text13 = num::boxText(st.TimeFactor);
    Text15 = num::boxText(st.FillThickness);
    Text16 = num::boxText(st.FillSettlement);
    Text17 = num::boxText(st.SettlementTime);
    if (st.NLayers == 0) {
        Text5 = "1";
        Text6 = "1";
        Text10 = "1";
        Text15.clear();
        Text16.clear();
        Text17.clear();
    }

    const int layers = std::clamp<int>(st.NLayers, 0, kLayerRows);
    Fg4.setTextMatrix(0, 0, "Lno");
    Fg4.setTextMatrix(0, 1, "Cv(i)");
    for (int i = 1; i <= layers; ++i) {
        Fg4.setTextMatrix(i, 0, std::to_string(i));
        // A layer's own Cv, saved in a project or calculated before, survives a reload; only a
        // layer without one takes the average.
        if (!(st.Cv(i) > 0)) {
            st.Cv(i) = st.CvAvg;
        }
        Fg4.setTextMatrix(i, 1, num::boxText(st.Cv(i)));
    }
    Fg4.setRow(layers > 0 ? layers : 1);
    Fg4.setCol(1);
}

void Form4::Command1_Click() {
    calculateConsolidation(app(), *this);
}

void Form4::Command3_Click() {
    windows().unload(*this);
}

void Form4::Command4_Click() {
    // An equivalent Cv left from other layer values must not outlive a refused recomputation:
    // "Calculate" would take it for the present table.
    Text14.clear();
    Module1& st = state();
    const int layers = std::clamp<int>(st.NLayers, 0, kLayerRows);
    // The same thicknesses the settlement calculation derives from the layer depths.
    std::vector<Single> thicknesses;
    std::vector<Single> cvs;
    Single upper = st.SurfaceLevel;
    for (int i = 1; i <= layers; ++i) {
        thicknesses.push_back(num::toSingle(std::fabs(static_cast<double>(st.LDepth(i)) - upper)));
        upper = st.LDepth(i);
        cvs.push_back(num::toSingle(num::leadingNumber(Fg4.TextMatrix(i, 1))));
    }
    std::optional<Single> cv = equivalentCv(thicknesses, cvs, desktop());
    if (!cv) {
        return;
    }
    st.LDepth(0) = st.SurfaceLevel;
    for (int i = 1; i <= layers; ++i) {
        st.LThickness(i) = thicknesses[static_cast<std::size_t>(i - 1)];
        st.Cv(i) = cvs[static_cast<std::size_t>(i - 1)];
    }
    Fg4.setRow(layers > 0 ? layers : 1);
    Fg4.setCol(1);
    Text14 = num::boxText(*cv);
}

void Form4::ShowResults() {
    if (state().ConsolidationCalculated == 0) {
        desktop().msgBox(" You forgot to push the Calculate button. ", vbExclamation);
        return;
    }
    windows().show<Form5>();
}

} // namespace korvex
