#include "preload/form10_preload_input.h"

#include "app/application.h"
#include "app/number_text.h"
#include "preload/form11_extra_fill_results.h"
#include "preload/preload_calculation.h"
#include "settlement/extra_fill_cases.h"
#include "state/module1.h"
#include "ui/graph_fill.h"
#include "ui/graph_window.h"

#include <algorithm>
#include <string>

namespace korvex {

namespace {

constexpr int kShownCases = 6;
constexpr int kGraphPaths = 5;
// The stress paths take the last four points of their sets, right of the intersection curves.
constexpr int kFirstPathPoint = 12;

int layerRows(const Module1& st) {
    return std::clamp<int>(st.NLayers, 0, Form10::kLayerRows);
}

} // namespace

std::span<const InputBox<Form10>> Form10::boxes() {
    static const InputBox<Form10> table[] = {
        {"Text1", &Form10::Text1, {}, "Increment Extra Fill Thickness (m):"},
        {"Text2", &Form10::Text2, &Module1::RestSettlement, "Rest Settlement (m):"},
        {"Text3", &Form10::Text3, &Module1::SpacingTri,
         "Calculated Drainspacing Triangular based on average Ch-value (m):"},
    };
    return table;
}

Form10::Form10(Application& app)
    : WindowModel(app), Fg8(kLayerRows + 1, 3), FgX8(kLayerRows + 1, 2), Fg9(kResultRows + 1, 4) {
    Caption = "Calculation of preload";
    // Wide enough for a Single's seven digits with its sign.
    for (int c = 0; c < 4; ++c) {
        Fg9.setColWidth(c, 1350);
    }
    Fg8.setColWidth(1, 1100);
    Fg8.setColWidth(2, 1100);
    Fg9.setTextMatrix(0, 0, "Extra Fill(m)");
    Fg9.setTextMatrix(0, 1, "Fill Height(m)");
    Fg9.setTextMatrix(0, 2, "S10(m)");
    Fg9.setTextMatrix(0, 3, "S10000(m)");
    Graph1.setNumSets(7);
    Graph1.setNumPoints(kExtraFillCases);
    Graph1.setGraphTitle("Settlement Extra Fill");
    Graph1.setBottomTitle("Load (kPa)");
    Graph1.setLeftTitle("Settlement (m)");
    Graph1.saveDesign();
}

void Form10::Form_Load() {
    prepareEditableTable(Fg8);
    TxtEdit.clear();
    fillFromState();
    // Each loading starts from one metre of extra fill per case.
    Text1 = "1";
}

void Form10::fillFromState() {
    const Module1& st = state();
    const int layers = layerRows(st);
    Fg8.setTextMatrix(0, 0, "Lno");
    Fg8.setTextMatrix(0, 1, "Ch(i)");
    Fg8.setTextMatrix(0, 2, "Drained 1/0");
    for (int i = 1; i <= layers; ++i) {
        Fg8.setTextMatrix(i, 0, std::to_string(i));
        Fg8.setTextMatrix(i, 1, num::boxText(st.ChAvg));
        Fg8.setTextMatrix(i, 2, "1");
    }
    loadBoxes(*this, st, boxes());
    FgX8.setTextMatrix(0, 1, "Z(i) (m)");
    for (int i = 1; i <= layers; ++i) {
        FgX8.setTextMatrix(i, 0, std::to_string(i));
        FgX8.setTextMatrix(i, 1, num::boxText(st.LDepth(i)));
    }
}

void Form10::refillFromState() {
    // Rows of a layer table that no longer exists would otherwise keep their old values.
    for (int i = 1; i <= kLayerRows; ++i) {
        Fg8.setTextMatrix(i, 0, std::to_string(i));
        Fg8.setTextMatrix(i, 1, "");
        Fg8.setTextMatrix(i, 2, "");
        FgX8.setTextMatrix(i, 1, "");
    }
    fillFromState();
    clearResults();
    Graph1.setDrawMode(2);
}

void Form10::clearResults() {
    // The extra fill of each case stands in the row-number column, which clearBody keeps.
    Fg9.clearBody();
    for (int k = 1; k <= kResultRows; ++k) {
        Fg9.setTextMatrix(k, 0, "");
    }
    Graph1.restoreDesign();
}

void Form10::Command1_Click() {
    windows().unload(*this);
}

void Form10::Command2_Click() {
    if (!calculatePreload(app(), *this)) {
        return;
    }
    showResults();
    windows().announce(ResultsEvent::PreloadResultsChanged);
}

void Form10::showResults() {
    Module1& st = state();
    // A rest layer shows the Cv it consolidated with.
    for (int i = 1; i <= layerRows(st); ++i) {
        if (st.Drained(i) == 0) {
            Fg8.setTextMatrix(i, 1, num::boxText(st.Cv(i)));
        }
    }
    clearResults();
    for (int k = 1; k <= kShownCases; ++k) {
        Fg9.setTextMatrix(k, 0, num::boxText(st.ExtraFill(k)));
        Fg9.setTextMatrix(k, 1, num::boxText(st.FillPlusPreload(k)));
        Fg9.setTextMatrix(k, 2, num::boxText(st.SettlementPre10(k)));
        Fg9.setTextMatrix(k, 3, num::boxText(st.SettlementPre10000(k)));
    }
    // The table keeps the thickness as calculated; the graph labels and the report show it
    // rounded to the centimetre.
    for (int k = 1; k <= kShownCases; ++k) {
        st.FillPlusPreload(k) = num::toSingle(num::roundDecimals(st.FillPlusPreload(k), 2));
    }

    const SingleArray<20>* loads[2] = {&st.LoadPre10, &st.LoadPre10000};
    const SingleArray<20>* settlements[2] = {&st.SettlementPre10, &st.SettlementPre10000};
    const char* labels[2] = {"settlement for 10 days", "settlement for 10 000 days"};
    for (int set = 1; set <= 2; ++set) {
        Graph1.setThisSet(set);
        Graph1.setThisPoint(1);
        for (int k = 1; k <= kExtraFillCases; ++k) {
            addGraphPair(Graph1, (*settlements[set - 1])(k), (*loads[set - 1])(k));
        }
        Graph1.setLabelText(std::string(labels[set - 1]));
    }
    Graph1.setLabels(1);
    for (int k = 1; k <= kGraphPaths; ++k) {
        Graph1.setThisSet(k + 2);
        Graph1.setThisPoint(kFirstPathPoint);
        if (k == 1) {
            Graph1.setLabelText(std::string("FillLayer thickness (m)"));
        }
        for (int p = 1; p <= 4; ++p) {
            addGraphPair(Graph1, st.StressPathS(k, p), st.StressPathLoad(k, p));
        }
        Graph1.setLabelText(st.FillPlusPreload(k));
    }
    Graph1.setDrawMode(2);
}

void Form10::Command3_Click() {
    printGraphWindow(desktop(), Graph1);
}

void Form10::Command4_Click() {
    windows().show<Form11>();
}

} // namespace korvex
