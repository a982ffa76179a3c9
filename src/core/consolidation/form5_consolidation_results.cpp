#include "consolidation/form5_consolidation_results.h"

#include "app/application.h"
#include "app/number_text.h"
#include "consolidation/form15_drains_no_drains_graph.h"
#include "consolidation/form6_settlement_time_graph.h"
#include "consolidation/form7_settlement_time_list.h"
#include "consolidation/rest_settlement_times.h"
#include "report/form18_listing.h"
#include "state/consolidation_state.h"
#include "state/general_state.h"

#include <functional>
#include <vector>

namespace korvex {

Form5::Form5(Application& app) : WindowModel(app) {
    Caption = "Results Consolidation and Drains [Drainspacing, Settlement times etc.]";
}

void Form5::Form_Load() {
    const ConsolidationState& st = app().part<ConsolidationState>();
    Text1 = num::boxText(st.DrainZone);
    Text2 = num::boxText(st.SpacingTri);
    Text3 = num::boxText(st.SpacingSq);
    Text4 = num::boxText(st.DrainsPerM2);
    Text5 = num::boxText(st.DrainsTotal);
    Text6 = num::boxText(st.DrainArea);
    Text7 = num::boxText(st.TconsHor);
    Text8 = num::boxText(st.TconsVert);
    Text9 = num::boxText(st.TimeFactor);
    Text10 = num::boxText(st.DiffSHor);
    Text11 = num::boxText(st.DiffSVert);
    Text12 = num::boxText(st.RestSettlement);
    Text13 = num::boxText(st.RestSettlement);
    Text14 = restTimeText(st.TimeRestHor(5));
    Text15 = restTimeText(st.TimeRestVert(5));
    Text16 = num::boxText(st.ConsolidationPeriod);
    Text17 = num::boxText(st.ConsolidationPeriod);
}

void Form5::fillFromState() {
    Form_Load();
    Text18 = num::boxText(app().part<ConsolidationState>().Discharge);
    Text19 = num::boxText(app().part<ConsolidationState>().DischargeYear);
}

void Form5::Command1_Click() {
    windows().unload(*this);
}

void Form5::Command2_Click() {
    windows().unload<Form6>();
    windows().show<Form7>();
}

namespace {

using RowValue = std::function<Single(int row)>;

struct Series {
    RowValue y;
    RowValue x;
    // A point whose value is "not reached" is left out of the drawing.
    std::function<bool(int row)> written = [](int) { return true; };
};

// Fills every set through the graph's current point, as many points as the graph holds.
void fillSets(GraphModel& graph, const std::vector<Series>& sets) {
    for (std::size_t k = 0; k < sets.size(); ++k) {
        graph.setThisPoint(1);
        graph.setThisSet(static_cast<int>(k) + 1);
        const int points = graph.NumPoints();
        for (int i = 1; i <= points; ++i) {
            if (sets[k].written(i)) {
                graph.setGraphData(sets[k].y(i));
                graph.setXPosData(sets[k].x(i));
            }
            if (graph.ThisPoint() < graph.NumPoints()) {
                graph.setThisPoint(graph.ThisPoint() + 1);
            }
        }
    }
    graph.setDrawMode(2);
}

std::string spacingTitle(const std::string& title, Single spacing) {
    return title + "  - Drainspacing [m]:" + num::signedText(spacing);
}

template <std::size_t N> RowValue rows(const SingleArray<N>& values) {
    return [&values](int i) { return values(i); };
}

} // namespace

namespace {

// Every button starts from the window's design state: what an earlier button set (10 points, a
// "mm" axis, a linear time axis, an empty legend) must not carry over into this graph.
GraphModel& freshGraph(GraphModel& graph) {
    graph.restoreDesign();
    graph.setThisPoint(1);
    return graph;
}

// The rest-settlement graphs: rest settlement in mm against the time it takes, on a time axis in
// days where the 10 rows are spread, not the decades of the prediction times.
void prepareRestSettlementGraph(GraphModel& graph, const std::string& title) {
    graph.setNumPoints(10);
    graph.setGraphType(6);
    graph.setXScale(AxisScale::Linear);
    graph.setNumSets(2);
    graph.setGraphTitle(title);
    graph.setLeftTitle("Rest Settlement in mm");
    graph.setProperty(112, 0);
}

// The single-series graphs have no legend entry of their own.
void prepareSingleSeriesGraph(GraphModel& graph, const std::string& title) {
    graph.setNumSets(1);
    graph.setThisSet(1);
    graph.setGraphTitle(title);
    graph.setProperty(62, "");
    graph.setLegendText("");
}

Series restSeries(const SingleArray<21>& restMm, const SingleArray<21>& days) {
    return {rows(restMm), rows(days), [&days](int i) { return restTimeReached(days(i)); }};
}

} // namespace

namespace {

GraphModel& form6Graph(WindowRegistry& windows) {
    return freshGraph(windows.load<Form6>().Graph1);
}

void showForm6(WindowRegistry& windows, GraphModel& graph, const std::vector<Series>& sets) {
    fillSets(graph, sets);
    windows.show<Form6>();
}

// The primary settlement at once, plus creep.
Series withoutConsolidation(const ConsolidationState& st) {
    const Single primary = st.SPrimary;
    return {[&st, primary](int i) { return st.SSecondary(i) - primary; }, rows(st.TPred)};
}

} // namespace

void Form5::Command3_Click() {
    const ConsolidationState& st = app().part<ConsolidationState>();
    GraphModel& graph = form6Graph(windows());
    graph.setGraphTitle("Settlement vs Time");
    graph.setNumSets(3);
    showForm6(windows(), graph,
              {{rows(st.SVertIL), rows(st.TPred)},
               {rows(st.SVertGL), rows(st.TPred)},
               withoutConsolidation(st)});
}

void Form5::Command4_Click() {
    const ConsolidationState& st = app().part<ConsolidationState>();
    GraphModel& graph = form6Graph(windows());
    graph.setGraphTitle(spacingTitle("Settlement vs Time", st.SpacingTri));
    graph.setNumSets(3);
    showForm6(windows(), graph,
              {{rows(st.SHorIL), rows(st.TPred)},
               {rows(st.SHorGL), rows(st.TPred)},
               withoutConsolidation(st)});
}

void Form5::Command5_Click() {
    const ConsolidationState& st = app().part<ConsolidationState>();
    GraphModel& graph = form6Graph(windows());
    graph.setGraphTitle(spacingTitle("Settlement vs Time", st.SpacingTri));
    graph.setNumSets(3);
    showForm6(windows(), graph,
              {{rows(st.SHorVertIL), rows(st.TPred)},
               {rows(st.SHorVertGL), rows(st.TPred)},
               withoutConsolidation(st)});
}

void Form5::Command6_Click() {
    const ConsolidationState& st = app().part<ConsolidationState>();
    GraphModel& graph = form6Graph(windows());
    graph.setGraphTitle("Difference vs Time");
    graph.setLeftTitle("Settlement in mm");
    graph.setNumSets(2);
    showForm6(windows(), graph,
              {{rows(st.DiffDrainsIL), rows(st.TPred)}, {rows(st.DiffDrainsGL), rows(st.TPred)}});
}

void Form5::Command7_Click() {
    const ConsolidationState& st = app().part<ConsolidationState>();
    GraphModel& graph = form6Graph(windows());
    graph.setGraphTitle("Settlement vs Time");
    graph.setNumSets(3);
    const Single primary = st.SPrimVert;
    showForm6(windows(), graph,
              {{rows(st.SPrimVertIL), rows(st.TPred)},
               {rows(st.SPrimVertGL), rows(st.TPred)},
               {[primary](int) { return -primary; }, rows(st.TPred)}});
}

void Form5::Command8_Click() {
    const ConsolidationState& st = app().part<ConsolidationState>();
    GraphModel& graph = form6Graph(windows());
    graph.setGraphTitle(spacingTitle("Settlement vs Time", st.SpacingTri));
    graph.setNumSets(3);
    const Single primary = st.SPrimHor;
    showForm6(windows(), graph,
              {{rows(st.SPrimHorIL), rows(st.TPred)},
               {rows(st.SPrimHorGL), rows(st.TPred)},
               {[primary](int) { return -primary; }, rows(st.TPred)}});
}

void Form5::Command9_Click() {
    const ConsolidationState& st = app().part<ConsolidationState>();
    GraphModel& graph = form6Graph(windows());
    prepareSingleSeriesGraph(graph, "Settlement vs Time");
    showForm6(windows(), graph, {{rows(st.SSecondary), rows(st.TPred)}});
}

void Form5::Command10_Click() {
    const ConsolidationState& st = app().part<ConsolidationState>();
    GraphModel& graph = form6Graph(windows());
    prepareSingleSeriesGraph(graph, "Difference vs Time");
    showForm6(windows(), graph, {{rows(st.RatioSecPrim), rows(st.TPred)}});
}

void Form5::Command11_Click() {
    const ConsolidationState& st = app().part<ConsolidationState>();
    GraphModel& graph = form6Graph(windows());
    prepareRestSettlementGraph(graph, "Necessary time for rest settlement");
    showForm6(
        windows(), graph,
        {restSeries(st.RestSett, st.TimeRestVert), restSeries(st.RestSettGL, st.TimeRestVertGL)});
}

void Form5::Command12_Click() {
    const ConsolidationState& st = app().part<ConsolidationState>();
    GraphModel& graph = form6Graph(windows());
    prepareRestSettlementGraph(graph,
                               spacingTitle("Necessary time for rest settlement", st.SpacingTri));
    showForm6(
        windows(), graph,
        {restSeries(st.RestSett, st.TimeRestHor), restSeries(st.RestSettGL, st.TimeRestHorGL)});
}

void Form5::Command13_Click() {
    const ConsolidationState& st = app().part<ConsolidationState>();
    GraphModel& graph = freshGraph(windows().load<Form15>().Graph1);
    // Rows 1 to 16: 10 to 10 000 days.
    graph.setNumPoints(16);
    graph.setNumSets(5);
    graph.setGraphTitle(spacingTitle("Settlement vs Time", st.SpacingTri));
    fillSets(graph, {{rows(st.SVertIL), rows(st.TPred)},
                     {rows(st.SVertGL), rows(st.TPred)},
                     {rows(st.SHorIL), rows(st.TPred)},
                     {rows(st.SHorGL), rows(st.TPred)},
                     withoutConsolidation(st)});
    windows().show<Form15>();
}

void Form5::Command14_Click() {
    windows().showByName("Form10");
}

void Form5::Command15_Click() {
    app().part<GeneralState>().ListMode = 0;
    showListing(windows());
}

bool Form5::preloadAvailable() {
    return windows().canShowByName("Form10");
}

bool Form5::listingAvailable() {
    return windows().canShowByName(Form18::kName);
}

} // namespace korvex
