#include "ui/graph_window.h"

// fake_desktop.h includes the registry inside its namespace: the registry comes first.
#include "app/window_registry.h"
#include "support/fake_desktop.h"

#include <gtest/gtest.h>

namespace korvex::test {
namespace {

TEST(GraphWindow, PrintKeepsTheScreenSizeAndRecordsPrintSizeAndOrientation) {
    FakeDesktop desktop;
    GraphModel graph;
    // A soil-stress graph's layout size.
    graph.setWidth(5775);
    graph.setHeight(6375);

    printGraphWindow(desktop, graph);
    printGraphWindow(desktop, graph, kWideLandscapePrint);
    // A later default print must not inherit the landscape page of the one before.
    printGraphWindow(desktop, graph);

    ASSERT_EQ(desktop.printedGraphs.size(), 3u);
    const struct {
        double width, height;
        PageOrientation orientation;
    } expected[] = {{14000, 8500, PageOrientation::Portrait},
                    {15000, 8500, PageOrientation::Landscape},
                    {14000, 8500, PageOrientation::Portrait}};
    for (std::size_t i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(desktop.printedGraphs[i].widthTwips, expected[i].width);
        EXPECT_EQ(desktop.printedGraphs[i].heightTwips, expected[i].height);
        EXPECT_EQ(desktop.printedGraphs[i].orientation, expected[i].orientation);
    }
    EXPECT_EQ(graph.Width(), 5775);
    EXPECT_EQ(graph.Height(), 6375);
}

// A machine without a printer or a clipboard.
struct RefusingDesktop : FakeDesktop {
    bool copyGraphImage(const GraphModel& graph, double width, double height) override {
        FakeDesktop::copyGraphImage(graph, width, height);
        return false;
    }
};

TEST(GraphWindow, APrintOrImageThatFailsIsReported) {
    RefusingDesktop desktop;
    desktop.printSucceeds = false;
    GraphModel graph;
    printGraphWindow(desktop, graph);
    copyGraphWindowImage(desktop, graph);
    ASSERT_EQ(desktop.messages.size(), 2u);
    EXPECT_EQ(
        desktop.messages[0].text,
        "The graph could not be printed. Please check that a printer is installed and ready.");
    EXPECT_EQ(desktop.messages[1].text, "The graph could not be copied to the clipboard.");
    for (const auto& message : desktop.messages) {
        EXPECT_EQ(message.style, vbExclamation);
    }

    // Done, they say nothing.
    FakeDesktop working;
    GraphModel other;
    printGraphWindow(working, other);
    copyGraphWindowImage(working, other);
    EXPECT_TRUE(working.messages.empty());
}

// Notes how far the graph had been drawn when its image was taken.
struct DrawWatchingDesktop : FakeDesktop {
    std::vector<unsigned> drawRevisionsCopied;
    bool copyGraphImage(const GraphModel& graph, double width, double height) override {
        drawRevisionsCopied.push_back(graph.drawRevision());
        return FakeDesktop::copyGraphImage(graph, width, height);
    }
};

TEST(GraphWindow, ImageToClipboardDrawsTheCurrentDataFirst) {
    DrawWatchingDesktop desktop;
    GraphModel graph;
    graph.setNumPoints(2);
    graph.setGraphData(3);
    graph.setXPosData(1);
    const unsigned before = graph.drawRevision();

    copyGraphWindowImage(desktop, graph);

    ASSERT_EQ(desktop.drawRevisionsCopied.size(), 1u);
    EXPECT_EQ(desktop.drawRevisionsCopied[0], before + 1);
    EXPECT_EQ(desktop.clipboardImages[0].widthTwips, graph.Width());
    EXPECT_EQ(desktop.clipboardImages[0].heightTwips, graph.Height());
    EXPECT_TRUE(desktop.printedGraphs.empty());
}

} // namespace
} // namespace korvex::test
