#include "preload/form12_removal_time.h"

#include "app/application.h"
#include "app/module1.h"
#include "app/number_text.h"
#include "consolidation/rest_settlement_times.h"
#include "preload/extra_fill_curves.h"
#include "ui/graph_window.h"

#include <algorithm>

namespace korvex {

namespace {

// Before any preload calculation no case has a removal time at all; afterwards a case either has
// one or has "not reached".
bool calculated(Single removal) {
    return removal != 0.0f;
}

std::string removalText(Single removal) {
    return calculated(removal) ? restTimeText(removal) : std::string();
}

bool hasAdvantage(const Module1& st, int c) {
    return restTimeReached(st.TRemove(c)) && restTimeReached(st.TRemove(1)) &&
           calculated(st.TRemove(c)) && calculated(st.TRemove(1));
}

} // namespace

Form12::Form12(Application& app)
    : WindowModel(app), Fg12(kCurveCases + 1, 3), Graph1(app.desktop()) {
    Caption = "Settlement time versus Fillthickness";
    Fg12.setColWidth(0, 1100);
    Fg12.setColWidth(1, 1400);
    Fg12.setColWidth(2, 1400);
    Graph1.setNumPoints(kCurveCases);
    Graph1.setNumSets(2);
    Graph1.setGraphTitle(" Settlement Time vs FillThickness");
    Graph1.setBottomTitle("Extra Fill thickness (m)");
    Graph1.setLeftTitle("(Time  before removal of Extra Fill(days)");
    Graph1.saveDesign();
}

void Form12::Form_Load() {
    Module1& st = state();
    for (int c = 1; c <= kCurveCases; ++c) {
        st.TAdvantage(c) =
            hasAdvantage(st, c)
                ? num::toSingle((static_cast<double>(st.TRemove(c)) - st.TRemove(1)) * -1.0)
                : 0.0f;
    }
    Text1 = num::boxText(st.SpacingTriPre);
    Fg12.setTextMatrix(0, 0, "Thickness (m)");
    Fg12.setTextMatrix(0, 1, "Time (days)");
    Fg12.setTextMatrix(0, 2, "Advantage(days)");
    for (int c = 1; c <= kCurveCases; ++c) {
        Fg12.setTextMatrix(c, 0, num::boxText(st.ExtraFill(c)));
        Fg12.setTextMatrix(c, 1, removalText(st.TRemove(c)));
        Fg12.setTextMatrix(c, 2, hasAdvantage(st, c) ? num::boxText(st.TAdvantage(c)) : "");
    }

    // A case without a removal time has no point: the line joins the cases that have one.
    Graph1.restoreDesign();
    Graph1.setThisSet(1);
    Graph1.setThisPoint(1);
    for (int c = 1; c <= kCurveCases; ++c) {
        Graph1.setThisPoint(c);
        if (calculated(st.TRemove(c)) && restTimeReached(st.TRemove(c))) {
            Graph1.setGraphData(st.TRemove(c));
            Graph1.setXPosData(st.ExtraFill(c));
        }
        // The drain spacing labels the point after the one just written, and the last point.
        Graph1.setThisPoint(std::min(c + 1, kCurveCases));
        Graph1.setLabelText(st.SpacingTriPre);
    }
    Graph1.setThisSet(2);
    for (int c = 1; c <= kCurveCases; ++c) {
        Graph1.setThisPoint(c);
        if (hasAdvantage(st, c)) {
            Graph1.setGraphData(st.TAdvantage(c));
            Graph1.setXPosData(st.ExtraFill(c));
        }
    }
    Graph1.setLabelText(std::string("Time(days)"));
    Graph1.setDrawMode(2);
}

void Form12::Command1_Click() {
    windows().unload(*this);
}

void Form12::Command2_Click() {
    // TODO(shared-pieces): print through the graph-window base once it has landed.
    printGraphWindow(Graph1);
}

void Form12::Command3_Click() {
    copyGraphWindowImage(Graph1);
}

} // namespace korvex
