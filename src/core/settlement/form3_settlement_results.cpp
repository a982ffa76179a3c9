#include "settlement/form3_settlement_results.h"

#include "app/application.h"
#include "app/number_text.h"
#include "report/form18_listing.h"
#include "settlement/form2_soil_stresses.h"
#include "settlement/form8_fill_height.h"
#include "settlement/form9_fill_height_required_time.h"
#include "state/module1.h"
#include "ui/graph_fill.h"
#include "ui/graph_window.h"

namespace korvex {

namespace {

constexpr int kLoadSteps = 16;
constexpr int kStressPaths = 14;
constexpr int kFillSteps = 15;

const SingleArray<20>* settlementsByTime(const Module1& st, int k) {
    const SingleArray<20>* arrays[5] = {&st.S1, &st.S10, &st.S100, &st.S1000, &st.S10000};
    return arrays[k];
}

} // namespace

Form3::Form3(Application& app) : WindowModel(app), Fg3(2, 6, 1000) {
    Caption = "Settlements [without consolidation]";
    Label1 = "S1 ... S10 000 = settlement after 1 day ... 10 000 days [m]";
    Graph1.setNumSets(5);
    Graph1.setNumPoints(kLoadSteps);
    Graph1.setGraphTitle("Settlement vs Load");
    Graph1.setBottomTitle("Load  [kPa]");
    Graph1.setLeftTitle("Settlement [m]");
    const char* legends[5] = {"1 day", "10 days", "100 days", "1 000 days", "10 000 days"};
    for (int k = 1; k <= 5; ++k) {
        Graph1.setLegendText(k, legends[k - 1]);
    }
    Graph1.saveDesign();
}

void Form3::Form_Load() {
    Module1& st = state();
    // The rounded totals are what every later reader (listing, report, project file) shows.
    for (int j = 1; j <= kLoadSteps; ++j) {
        SingleArray<20>* arrays[5] = {&st.S1, &st.S10, &st.S100, &st.S1000, &st.S10000};
        for (SingleArray<20>* settlements : arrays) {
            (*settlements)(j) = num::toSingle(num::roundDecimals((*settlements)(j), 4));
        }
    }
    Graph1.restoreDesign();
    fillGrid();
    fillSettlementCurves();
    Graph1.setDrawMode(3);
}

void Form3::fillGrid() {
    const Module1& st = state();
    Fg3.setSize(20, 6);
    Fg3.clearBody();
    const char* headings[6] = {"Load kPa", "S1 ", "S10", "S100", "S1 000", "S10 000"};
    for (int c = 0; c < 6; ++c) {
        Fg3.setTextMatrix(0, c, headings[c]);
    }
    for (int j = 1; j <= kLoadSteps; ++j) {
        Fg3.setTextMatrix(j, 0, num::boxText(st.StressStep(j)));
        for (int k = 0; k < 5; ++k) {
            Fg3.setTextMatrix(j, k + 1, num::boxText((*settlementsByTime(st, k))(j)));
        }
    }
}

void Form3::fillSettlementCurves() {
    const Module1& st = state();
    Graph1.setNumSets(5);
    Graph1.setNumPoints(kLoadSteps);
    for (int k = 0; k < 5; ++k) {
        Graph1.setThisPoint(1);
        Graph1.setThisSet(k + 1);
        for (int j = 1; j <= kLoadSteps; ++j) {
            addGraphPair(Graph1, (*settlementsByTime(st, k))(j), st.StressStep(j));
        }
    }
}

void Form3::Command1_Click() {
    windows().unload(*this);
}

void Form3::Command2_Click() {
    windows().show<Form2>();
}

void Form3::Command3_Click() {
    printGraphWindow(desktop(), Graph1);
}

void Form3::Command4_Click() {
    const Module1& st = state();
    fillGrid();
    Graph1.setNumSets(20);
    Graph1.setNumPoints(kLoadSteps);
    Graph1.setThisPoint(1);
    Graph1.setThisSet(1);
    Graph1.setSymbolData(2);
    for (int k = 0; k < 5; ++k) {
        Graph1.setThisPoint(1);
        Graph1.setThisSet(k + 1);
        for (int j = 1; j <= kLoadSteps; ++j) {
            addGraphPair(Graph1, (*settlementsByTime(st, k))(j), st.StressStep(j));
        }
    }

    // The stress paths take the last four points of their sets, so the labels of the fill
    // thickness sit at the ends of the paths.
    Graph1.setLabels(1);
    Graph1.setThisPoint(13);
    Graph1.setThisSet(6);
    Graph1.setLabelText(std::string("FillLayer thickness (m)"));
    for (int i = 1; i <= kStressPaths; ++i) {
        for (int k = 1; k <= 4; ++k) {
            addGraphPair(Graph1, st.StressPathS(i, k), st.StressPathLoad(i, k));
        }
        Graph1.setLabelText(st.FillHeight(i));
        if (i < kStressPaths) {
            Graph1.setThisPoint(13);
            Graph1.setThisSet(5 + i + 1);
        }
    }

    Graph1.setThisPoint(2);
    Graph1.setThisSet(20);
    for (int i = 1; i <= kFillSteps; ++i) {
        addGraphPair(Graph1, st.FillHeightSettlement(i), st.FillHeightStress(i));
    }
    Graph1.setLabelText(st.SettlementTime);
    Graph1.setDrawMode(2);
}

void Form3::Command5_Click() {
    fillGrid();
    fillSettlementCurves();
    Graph1.setDrawMode(3);
}

void Form3::Command6_Click() {
    windows().show<Form8>();
}

void Form3::Command7_Click() {
    windows().show<Form9>();
}

void Form3::Command8_Click() {
    copyGraphWindowImage(desktop(), Graph1);
}

bool Form3::listAvailable() {
    return windows().canShowByName(Form18::kName);
}

void Form3::Command9_Click() {
    if (!listAvailable()) {
        return;
    }
    state().ListMode = 0;
    showListing(windows());
}

} // namespace korvex
