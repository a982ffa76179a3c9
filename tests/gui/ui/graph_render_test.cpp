#include "ui/graph_render.h"

#include <gtest/gtest.h>
#include <qcustomplot.h>

namespace korvex::gui {
namespace {

std::vector<std::pair<double, double>> drawnPoints(QCustomPlot& plot, int set) {
    std::vector<std::pair<double, double>> points;
    auto* curve = qobject_cast<QCPCurve*>(plot.plottable(set));
    for (auto it = curve->data()->constBegin(); it != curve->data()->constEnd(); ++it) {
        points.emplace_back(it->key, it->value);
    }
    return points;
}

TEST(GraphRender, KeepsWrittenOrderAndLeavesOutWhatCannotBeDrawn) {
    GraphModel graph;
    graph.setNumSets(2);
    graph.setNumPoints(5);
    graph.setXScale(AxisScale::Logarithmic);
    // Set 1 runs backwards in x and has a zero time, which a log axis cannot show.
    const float xs[] = {1000, 100, 0, 10, 1};
    for (int i = 0; i < 5; ++i) {
        graph.setThisPoint(i + 1);
        graph.setGraphData(static_cast<float>(i));
        graph.setXPosData(xs[i]);
    }
    // Set 2 only from point 4 on: points 1 to 3 were never written.
    graph.setThisSet(2);
    graph.setThisPoint(4);
    graph.setGraphData(-1);
    graph.setXPosData(50);
    graph.setLabelText("end");
    graph.setDrawMode(2);

    QCustomPlot plot;
    renderGraph(graph, plot);
    ASSERT_EQ(plot.plottableCount(), 2);
    using P = std::pair<double, double>;
    EXPECT_EQ(drawnPoints(plot, 0), (std::vector<P>{{1000, 0}, {100, 1}, {10, 3}, {1, 4}}));
    EXPECT_EQ(drawnPoints(plot, 1), (std::vector<P>{{50, -1}}));
    ASSERT_EQ(plot.itemCount(), 1);
    EXPECT_EQ(qobject_cast<QCPItemText*>(plot.item(0))->text(), "end");
    // Whole decades around 1..1000 on the log axis.
    EXPECT_DOUBLE_EQ(plot.xAxis->range().lower, 1);
    EXPECT_DOUBLE_EQ(plot.xAxis->range().upper, 1000);

    // Drawing again replaces, never adds.
    renderGraph(graph, plot);
    EXPECT_EQ(plot.plottableCount(), 2);
    EXPECT_EQ(plot.itemCount(), 1);
}

TEST(GraphRender, ASetOfMarkersAloneHasNoJoiningLine) {
    GraphModel graph;
    graph.setNumSets(3);
    graph.setThisSet(2);
    graph.setProperty(63, 8);
    QCustomPlot plot;
    renderGraph(graph, plot);
    ASSERT_EQ(plot.plottableCount(), 3);
    const QCPCurve::LineStyle expected[] = {QCPCurve::lsLine, QCPCurve::lsNone, QCPCurve::lsLine};
    for (int set = 0; set < 3; ++set) {
        EXPECT_EQ(qobject_cast<QCPCurve*>(plot.plottable(set))->lineStyle(), expected[set]) << set;
    }
}

} // namespace
} // namespace korvex::gui
