#include "preload/form11_extra_fill_results.h"

#include "app/application.h"
#include "app/module1.h"
#include "app/number_text.h"
#include "preload/extra_fill_curves.h"
#include "preload/form12_removal_time.h"
#include "ui/graph_window.h"

#include <functional>
#include <string>
#include <vector>

namespace korvex {

namespace {

constexpr const char* kListingWindow = "Form18";

using TimeValue = std::function<Single(int t)>;

TimeValue caseCurve(const SingleArray2<20, 6>& settlements, int c) {
    return [&settlements, c](int t) { return settlements(t, c); };
}

// Each set holds the 16 time points from point 1 on.
void fillTimeSets(GraphModel& graph, const Module1& st, const std::vector<TimeValue>& sets) {
    for (std::size_t k = 0; k < sets.size(); ++k) {
        graph.setThisSet(static_cast<int>(k) + 1);
        for (int t = 1; t <= kCurveTimes; ++t) {
            graph.setThisPoint(t);
            graph.setGraphData(sets[k](t));
            graph.setXPosData(st.TPreload(t));
        }
    }
    graph.setDrawMode(2);
}

} // namespace

Form11::Form11(Application& app)
    : WindowModel(app), Fg10(kCurveTimes + 1, kCurveCases + 1),
      Fg11(kCurveTimes + 1, kCurveCases + 1), Graph1(app.desktop()) {
    Caption = "Settlements due to Extra Fill";
    Graph1.setNumPoints(kCurveTimes);
    Graph1.setNumSets(kCurveCases + 1);
    Graph1.setGraphTitle("Settlement Extra Fill");
    Graph1.setBottomTitle("Time (days)");
    Graph1.setLeftTitle("Settlement (m)");
    // The times run from 10 to 10 000 days: on a linear axis the first decades would be one line.
    Graph1.setXScale(AxisScale::Logarithmic);
    Graph1.saveDesign();
}

void Form11::Form_Load() {
    const Module1& st = state();
    fillTable(Fg10, st.SPreloadTotal);
    fillTable(Fg11, st.SPreloadVertRest);
    drawOverview();
}

void Form11::fillTable(Grid& grid, const SingleArray2<20, 6>& settlements) {
    const Module1& st = state();
    grid.setTextMatrix(0, 0, "Time(days)");
    for (int t = 1; t <= kCurveTimes; ++t) {
        grid.setTextMatrix(t, 0, num::boxText(st.TPreload(t)));
    }
    for (int c = 1; c <= kCurveCases; ++c) {
        grid.setTextMatrix(0, c, num::boxText(st.ExtraFill(c)));
        for (int t = 1; t <= kCurveTimes; ++t) {
            grid.setTextMatrix(t, c, num::boxText(settlements(t, c)));
        }
    }
}

void Form11::drawOverview() {
    const Module1& st = state();
    Graph1.restoreDesign();
    std::vector<TimeValue> sets;
    for (int c = 1; c <= kCurveCases; ++c) {
        sets.push_back(caseCurve(st.SPreloadTotal, c));
    }
    const Single level = st.SRemoveLevel;
    sets.push_back([level](int) { return level; });
    fillTimeSets(Graph1, st, sets);
}

void Form11::drawCaseGraph(int command) {
    const CaseGraphButton* button = nullptr;
    for (const CaseGraphButton& b : kCaseGraphButtons) {
        if (b.command == command) {
            button = &b;
        }
    }
    if (button == nullptr) {
        return;
    }
    const Module1& st = state();
    const int c = button->caseNumber;
    Graph1.restoreDesign();
    Graph1.setNumSets(3);
    Graph1.setGraphTitle("Settlement - Extra Fill [m]:" + num::signedText(st.ExtraFill(c)) +
                         " - Drainspacing [m]:" + num::signedText(st.SpacingTriPre));
    const Single level = st.SRemoveLevel;
    if (button->splitsCase) {
        fillTimeSets(Graph1, st,
                     {caseCurve(st.SPreloadHor, c), caseCurve(st.SPreloadVertRest, c),
                      caseCurve(st.SPreloadTotal, c)});
    } else {
        fillTimeSets(Graph1, st,
                     {caseCurve(st.SPreloadTotal, 1), caseCurve(st.SPreloadTotal, c),
                      [level](int) { return level; }});
    }
}

void Form11::Command1_Click() {
    windows().unload(*this);
}

void Form11::Command2_Click() {
    // TODO(shared-pieces): print through the graph-window base once it has landed.
    printGraphWindow(Graph1);
}

void Form11::Command14_Click() {
    windows().show<Form12>();
}

void Form11::Command15_Click() {
    copyGraphWindowImage(Graph1);
}

void Form11::Command16_Click() {
    state().ListMode = 0;
    windows().showByName(kListingWindow);
}

bool Form11::listAvailable() {
    return windows().canShowByName(kListingWindow);
}

} // namespace korvex
