#include "preload/form11_extra_fill_results.h"

#include "app/application.h"
#include "app/number_text.h"
#include "preload/extra_fill_curves.h"
#include "preload/form12_removal_time.h"
#include "report/form18_listing.h"
#include "state/general_state.h"
#include "state/preload_state.h"
#include "state/settlement_results_state.h"

#include <functional>
#include <string>
#include <vector>

namespace korvex {

namespace {

using TimeValue = std::function<Single(int t)>;

TimeValue caseCurve(const SingleArray2<20, 6>& settlements, int c) {
    return [&settlements, c](int t) { return settlements(t, c); };
}

// Each set holds the 16 time points from point 1 on.
void fillTimeSets(GraphModel& graph, const PreloadState& pre, const std::vector<TimeValue>& sets) {
    for (std::size_t k = 0; k < sets.size(); ++k) {
        graph.setThisSet(static_cast<int>(k) + 1);
        for (int t = 1; t <= kCurveTimes; ++t) {
            graph.setThisPoint(t);
            graph.setGraphData(sets[k](t));
            graph.setXPosData(pre.TPreload(t));
        }
    }
    graph.setDrawMode(2);
}

} // namespace

Form11::Form11(Application& app)
    : GraphWindow(app), Fg10(kCurveTimes + 1, kCurveCases + 1),
      Fg11(kCurveTimes + 1, kCurveCases + 1) {
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
    const PreloadState& pre = app().part<PreloadState>();
    fillTable(Fg10, pre.SPreloadTotal);
    fillTable(Fg11, pre.SPreloadVertRest);
    drawOverview();
}

void Form11::fillTable(Grid& grid, const SingleArray2<20, 6>& settlements) {
    const PreloadState& pre = app().part<PreloadState>();
    const SettlementResults& settlement = app().part<SettlementResults>();
    grid.setTextMatrix(0, 0, "Time(days)");
    for (int t = 1; t <= kCurveTimes; ++t) {
        grid.setTextMatrix(t, 0, num::boxText(pre.TPreload(t)));
    }
    for (int c = 1; c <= kCurveCases; ++c) {
        grid.setTextMatrix(0, c, num::boxText(settlement.ExtraFill(c)));
        for (int t = 1; t <= kCurveTimes; ++t) {
            grid.setTextMatrix(t, c, num::boxText(settlements(t, c)));
        }
    }
}

void Form11::drawOverview() {
    const PreloadState& pre = app().part<PreloadState>();
    Graph1.restoreDesign();
    std::vector<TimeValue> sets;
    for (int c = 1; c <= kCurveCases; ++c) {
        sets.push_back(caseCurve(pre.SPreloadTotal, c));
    }
    const Single level = pre.SRemoveLevel;
    sets.push_back([level](int) { return level; });
    fillTimeSets(Graph1, pre, sets);
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
    const PreloadState& pre = app().part<PreloadState>();
    const int c = button->caseNumber;
    Graph1.restoreDesign();
    Graph1.setNumSets(3);
    Graph1.setGraphTitle(
        "Settlement - Extra Fill [m]:" +
        num::signedText(app().part<SettlementResults>().ExtraFill(c)) +
        " - Drainspacing [m]:" + num::signedText(app().part<PreloadState>().SpacingTriPre));
    const Single level = pre.SRemoveLevel;
    if (button->splitsCase) {
        fillTimeSets(Graph1, pre,
                     {caseCurve(pre.SPreloadHor, c), caseCurve(pre.SPreloadVertRest, c),
                      caseCurve(pre.SPreloadTotal, c)});
    } else {
        fillTimeSets(Graph1, pre,
                     {caseCurve(pre.SPreloadTotal, 1), caseCurve(pre.SPreloadTotal, c),
                      [level](int) { return level; }});
    }
}

void Form11::Command14_Click() {
    windows().show<Form12>();
}

void Form11::Command15_Click() {
    GraphWindow::Command3_Click();
}

void Form11::Command16_Click() {
    app().part<GeneralState>().ListMode = 0;
    showListing(windows());
}

bool Form11::listAvailable() {
    return windows().canShowByName(Form18::kName);
}

} // namespace korvex
