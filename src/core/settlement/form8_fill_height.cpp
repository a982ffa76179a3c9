#include "settlement/form8_fill_height.h"

#include "app/application.h"
#include "app/number_text.h"
#include "state/settlement_input_state.h"
#include "state/settlement_results_state.h"
#include "ui/graph_fill.h"

namespace korvex {

namespace {
constexpr int kFillSteps = 15;
} // namespace

Form8::Form8(Application& app) : GraphWindow(app), Fg6(20, 4, 1500) {
    Caption = "Fill height and Effective height ";
    Graph1.setNumSets(4);
    Graph1.setNumPoints(kFillSteps);
    Graph1.setGraphTitle("Fill Thickness vs Surface Level");
    Graph1.setBottomTitle("Fill Thickness (m)");
    Graph1.setLeftTitle("Surface Level (m)");
    Graph1.setLegendText(1, "Surface Required");
    Graph1.setLegendText(2, "Settlement Original Surface");
    Graph1.setLegendText(3, "Surface Height");
    Graph1.saveDesign();
}

void Form8::Form_Load() {
    const SettlementInput& input = app().part<SettlementInput>();
    const SettlementResults& st = app().part<SettlementResults>();
    Fg6.clearBody();
    Fg6.setColWidth(0, 1100);
    for (int c = 1; c <= 3; ++c) {
        Fg6.setColWidth(c, 1500);
    }
    Fg6.setTextMatrix(0, 0, "Fill Height (m)");
    Fg6.setTextMatrix(0, 1, "Settlement (m) ");
    Fg6.setTextMatrix(0, 2, "Effective Height (m)");
    Fg6.setTextMatrix(0, 3, "Surface height (m)");
    for (int i = 1; i <= kFillSteps; ++i) {
        Fg6.setTextMatrix(i, 0, num::boxText(st.FillHeight(i)));
        Fg6.setTextMatrix(i, 1, num::boxText(st.FillHeightSettlement(i)));
        Fg6.setTextMatrix(i, 2, num::boxText(st.EffHeight(i)));
        Fg6.setTextMatrix(i, 3, num::boxText(st.SurfaceHeight(i)));
    }

    Graph1.restoreDesign();
    Graph1.setNumSets(4);
    Graph1.setNumPoints(kFillSteps);
    auto fillSet = [&](int set, auto y, auto x) {
        Graph1.setThisPoint(1);
        Graph1.setThisSet(set);
        for (int i = 1; i <= kFillSteps; ++i) {
            addGraphPair(Graph1, y(i), x(i));
        }
    };
    auto fillHeight = [&](int i) { return st.FillHeight(i); };
    fillSet(
        1, [&](int) { return input.SurfaceLevelRequired; }, fillHeight);
    Graph1.setLabelText(std::string("Surface Level Required"));
    fillSet(
        2,
        [&](int i) {
            return num::toSingle(static_cast<double>(input.SurfaceLevel) +
                                 st.FillHeightSettlement(i));
        },
        fillHeight);
    fillSet(
        3, [&](int i) { return st.SurfaceHeight(i); }, fillHeight);
    fillSet(
        4, [&](int i) { return st.SurfaceHeight(i); }, [&](int) { return st.FillThickness; });
    Graph1.setLabelText(st.FillThickness);
    Graph1.setDrawMode(2);
}

} // namespace korvex
