#include "settlement/form2_soil_stresses.h"

#include "app/application.h"
#include "app/number_text.h"
#include "state/settlement_input_state.h"
#include "state/settlement_results_state.h"
#include "ui/graph_fill.h"
#include "ui/graph_window.h"

#include <algorithm>

namespace korvex {

namespace {
constexpr int kDesignRows = 16;
constexpr int kMaxLayers = 20;
} // namespace

Form2::Form2(Application& app) : GraphWindow(app), Fg2(kDesignRows, 7, 1000) {
    Caption = "Soil stresses";
    Graph1.setNumSets(3);
    Graph1.setGraphTitle("Soil and Water stresses");
    Graph1.setBottomTitle("Stresses in kPa");
    Graph1.setLeftTitle("Depth ");
    Graph1.setLegendText(1, "waterpressure");
    Graph1.setLegendText(2, "total stress");
    Graph1.setLegendText(3, "effective stress");
    Graph1.setWidth(kLayoutWidth);
    Graph1.setHeight(kLayoutHeight);
    Graph1.saveDesign();
}

void Form2::Form_Load() {
    const SettlementInput& input = app().part<SettlementInput>();
    const SettlementResults& st = app().part<SettlementResults>();
    // The layers of the last calculation: the input window's box may have been changed since,
    // and this window only shows results, it never changes the layer count.
    const int layers = std::clamp<int>(input.NLayers, 0, kMaxLayers);

    Fg2.setSize(std::max(kDesignRows, layers + 1), 7);
    Fg2.clearBody();
    Fg2.setColWidth(0, 500);
    Fg2.setColAlignment(0, 1);
    for (int c = 1; c <= 5; ++c) {
        Fg2.setColWidth(c, 1250);
    }
    const char* headings[] = {"Lno",         "LThickness(i)", "Depth(i)", "SigmaWat(i)",
                              "SigmaTot(i)", "SigmaEff(i)",   "OCR(i)"};
    for (int c = 0; c < 7; ++c) {
        Fg2.setTextMatrix(0, c, headings[c]);
    }
    for (int r = 1; r < Fg2.Rows(); ++r) {
        Fg2.setTextMatrix(r, 0, "");
    }
    for (int i = 1; i <= layers; ++i) {
        Fg2.setTextMatrix(i, 0, num::boxText(i));
        Fg2.setTextMatrix(i, 1, num::boxText(st.LThickness(i)));
        Fg2.setTextMatrix(i, 2, num::boxText(st.Depth(i)));
        Fg2.setTextMatrix(i, 3, num::boxText(st.SigmaWat(i)));
        Fg2.setTextMatrix(i, 4, num::boxText(st.SigmaTot(i)));
        Fg2.setTextMatrix(i, 5, num::boxText(st.SigmaEff(i)));
        Fg2.setTextMatrix(i, 6, num::boxText(st.OCR(i)));
    }

    Graph1.restoreDesign();
    if (layers > 0) {
        Graph1.setNumPoints(layers);
        const SingleArray<21>* stresses[3] = {&st.SigmaWat, &st.SigmaTot, &st.SigmaEff};
        for (int set = 1; set <= 3; ++set) {
            Graph1.setThisPoint(1);
            Graph1.setThisSet(set);
            for (int i = 1; i <= layers; ++i) {
                const Single stress = (*stresses[set - 1])(i);
                Graph1.setThisPoint(i);
                Graph1.setGraphData(st.Depth(i));
                Graph1.setXPosData(stress);
                Graph1.setLabelText(num::roundDecimals(stress, 2));
            }
        }
    }
    Graph1.setDrawMode(2);
}

void Form2::Command2_Click() {
    GraphWindow::Command2_Click();
    // The soil-stress graph goes back to its layout size whatever size it had, drawn again.
    Graph1.setHeight(kLayoutHeight);
    Graph1.setWidth(kLayoutWidth);
    Graph1.setDrawMode(2);
}

} // namespace korvex
