#include "settlement/form9_fill_height_required_time.h"

#include "app/application.h"
#include "app/number_text.h"
#include "state/settlement_input_state.h"
#include "state/settlement_results_state.h"
#include "ui/graph_fill.h"

namespace korvex {

namespace {
constexpr int kFillSteps = 15;
} // namespace

Form9::Form9(Application& app) : GraphWindow(app), Fg7(20, 2, 1350) {
    Caption = "Settlements and Fill height for required time ";
    Graph1.setNumSets(3);
    Graph1.setNumPoints(kFillSteps);
    Graph1.setGraphTitle("Settlement for Fill thickness");
    Graph1.setBottomTitle("Load (kPa)");
    Graph1.setLeftTitle("Settlement (m)");
    Graph1.saveDesign();
}

void Form9::Form_Load() {
    const SettlementInput& input = app().part<SettlementInput>();
    const SettlementResults& st = app().part<SettlementResults>();
    Fg7.clearBody();
    Fg7.setColWidth(0, 1350);
    Fg7.setColWidth(1, 1350);
    Fg7.setTextMatrix(0, 0, "Fill Tickness (m)");
    Fg7.setTextMatrix(0, 1, "Settlement (m)");
    for (int i = 1; i <= kFillSteps; ++i) {
        Fg7.setTextMatrix(i, 0, num::boxText(st.FillHeight(i)));
        Fg7.setTextMatrix(i, 1, num::boxText(st.FillHeightSettlement(i)));
    }

    const Single calculatedSettlement = num::toSingle(-static_cast<double>(st.FillSettlement));
    Graph1.restoreDesign();
    Graph1.setNumSets(3);

    // The fill steps take every point of their set: started one point later, the fifteenth
    // pair would overwrite the fourteenth.
    Graph1.setThisPoint(1);
    Graph1.setThisSet(1);
    for (int i = 1; i <= kFillSteps; ++i) {
        addGraphPair(Graph1, st.FillHeightSettlement(i), st.FillHeightStress(i));
    }
    Graph1.setLabelText(input.SettlementTime);

    Graph1.setThisPoint(1);
    Graph1.setThisSet(2);
    Graph1.setSymbolData(13);
    for (int i = 1; i <= kFillSteps; ++i) {
        addGraphPair(Graph1, calculatedSettlement, st.FillHeightStress(i));
    }
    Graph1.setLabelText(calculatedSettlement);

    Graph1.setThisPoint(12);
    Graph1.setThisSet(3);
    for (int k = 1; k <= 4; ++k) {
        addGraphPair(Graph1, st.CalcFillPathS(k), st.CalcFillPathLoad(k));
    }
    Graph1.setLabelText(st.FillThickness);
    Graph1.setDrawMode(2);
}

} // namespace korvex
