#include "ui/graph_model.h"

#include <gtest/gtest.h>

#include <vector>

namespace korvex::test {
namespace {

struct Pair {
    Single x, y;
};

// Writes one set the way every window fills its graph: y, then x, then advance only while the
// point read back is below the count read back.
void writeSet(GraphModel& graph, int set, int firstPoint, const std::vector<Pair>& pairs) {
    graph.setThisPoint(firstPoint);
    graph.setThisSet(set);
    for (const Pair& pair : pairs) {
        graph.setGraphData(pair.y);
        graph.setXPosData(pair.x);
        if (graph.ThisPoint() < graph.NumPoints()) {
            graph.setThisPoint(graph.ThisPoint() + 1);
        }
    }
}

std::vector<int> writtenPoints(const GraphModel& graph, int set) {
    std::vector<int> points;
    const auto& all = graph.sets()[static_cast<std::size_t>(set - 1)].points;
    for (std::size_t i = 0; i < all.size(); ++i) {
        if (all[i].written) {
            points.push_back(static_cast<int>(i) + 1);
        }
    }
    return points;
}

TEST(GraphProtocol, AFullSetLeavesThisPointOnTheLastPointWhereTheLabelLands) {
    GraphModel graph;
    graph.setNumSets(2);
    graph.setNumPoints(4);
    writeSet(graph, 1, 1, {{10, -0.1f}, {100, -0.2f}, {1000, -0.3f}, {10000, -0.4f}});
    EXPECT_EQ(graph.ThisPoint(), 4);
    graph.setLabelText(Single(-0.4f));
    const auto& points = graph.sets()[0].points;
    EXPECT_EQ(points[3].label, "-0.4");
    EXPECT_EQ(points[3].x, 10000);
    EXPECT_EQ(points[2].label, "");
    EXPECT_EQ(writtenPoints(graph, 1), (std::vector<int>{1, 2, 3, 4}));
    EXPECT_TRUE(writtenPoints(graph, 2).empty());
}

TEST(GraphProtocol, ASetWrittenFromPoint13Of16FillsTheLastFourPoints) {
    GraphModel graph;
    graph.setNumSets(2);
    graph.setNumPoints(16);
    std::vector<Pair> full;
    for (int i = 1; i <= 16; ++i) {
        full.push_back({Single(i), Single(i * 10)});
    }
    writeSet(graph, 1, 1, full);
    writeSet(graph, 2, 13, {{50, 1}, {40, 2}, {30, 3}, {20, 4}});
    graph.setDrawMode(2);
    EXPECT_EQ(writtenPoints(graph, 2), (std::vector<int>{13, 14, 15, 16}));
    // The path runs backwards in x; the order written is the order kept.
    const auto& path = graph.sets()[1].points;
    EXPECT_EQ(path[12].x, 50);
    EXPECT_EQ(path[15].x, 20);
    EXPECT_EQ(path[15].y, 4);
}

TEST(GraphProtocol, RefillingReplacesAndDropsWhatIsNotWrittenAgain) {
    GraphModel graph;
    graph.setNumSets(1);
    graph.setNumPoints(4);
    writeSet(graph, 1, 1, {{1, 1}, {2, 2}, {3, 3}, {4, 4}});
    graph.setLabelText("first");
    graph.setDrawMode(2);
    const unsigned firstDraw = graph.drawRevision();

    writeSet(graph, 1, 1, {{5, 50}, {6, 60}});
    graph.setDrawMode(3);
    EXPECT_EQ(graph.drawRevision(), firstDraw + 1);
    EXPECT_EQ(writtenPoints(graph, 1), (std::vector<int>{1, 2}));
    EXPECT_EQ(graph.sets()[0].points[1].y, 60);
    EXPECT_EQ(graph.sets()[0].points[3].label, "");
}

TEST(GraphProtocol, DesignIsRestoredBeforeANewFilling) {
    GraphModel graph;
    graph.setNumSets(2);
    graph.setNumPoints(8);
    graph.setGraphTitle("Settlement");
    graph.setLegendText(1, "measured");
    graph.setXScale(AxisScale::Logarithmic);
    graph.saveDesign();

    graph.setNumSets(5);
    graph.setGraphTitle("Settlement 2");
    writeSet(graph, 5, 1, {{1, 1}});
    // Markers alone for the current set only; a new filling joins every set's points again.
    graph.setThisSet(2);
    graph.setProperty(63, 8);
    EXPECT_EQ(graph.sets()[0].line, SetLine::Joined);
    EXPECT_EQ(graph.sets()[1].line, SetLine::MarkersOnly);
    graph.restoreDesign();
    EXPECT_EQ(graph.sets()[1].line, SetLine::Joined);
    EXPECT_EQ(graph.NumSets(), 2);
    EXPECT_EQ(graph.NumPoints(), 8);
    EXPECT_EQ(graph.GraphTitle(), "Settlement");
    EXPECT_EQ(graph.LegendText(1), "measured");
    EXPECT_EQ(graph.xScale(), AxisScale::Logarithmic);
    EXPECT_TRUE(writtenPoints(graph, 1).empty());
}

TEST(GraphProtocol, TheChangeCountMovesOnlyWhenADrawShowsSomethingElse) {
    using Change = void (*)(GraphModel&);
    const struct {
        const char* change;
        Change make;
        bool moves;
    } cases[] = {
        {"the same points again",
         [](GraphModel& g) {
             writeSet(g, 1, 1, {{1, 10}, {2, 20}});
         },
         false},
        {"nothing written", [](GraphModel&) {}, false},
        {"a point's value",
         [](GraphModel& g) {
             writeSet(g, 1, 1, {{1, 10}, {2, 21}});
         },
         true},
        {"a point left out",
         [](GraphModel& g) {
             writeSet(g, 1, 1, {{1, 10}});
         },
         true},
        {"a label", [](GraphModel& g) { g.setLabelText("end"); }, true},
        {"the legend", [](GraphModel& g) { g.setLegendText("measured"); }, true},
        {"markers alone", [](GraphModel& g) { g.setProperty(63, 8); }, true},
        {"the title", [](GraphModel& g) { g.setGraphTitle("Settlement"); }, true},
        {"the y scale", [](GraphModel& g) { g.setYScale(AxisScale::Logarithmic); }, true},
        {"the width", [](GraphModel& g) { g.setWidth(9000); }, true},
    };
    for (const auto& c : cases) {
        GraphModel graph;
        graph.setNumPoints(2);
        writeSet(graph, 1, 1, {{1, 10}, {2, 20}});
        graph.setDrawMode(2);
        const unsigned drawn = graph.changeCount();
        c.make(graph);
        graph.setDrawMode(3);
        EXPECT_EQ(graph.changeCount() != drawn, c.moves) << c.change;
    }
}

} // namespace
} // namespace korvex::test
