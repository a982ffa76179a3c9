#include "ui/graph_view.h"

#include <gtest/gtest.h>
#include <qcustomplot.h>

#include <optional>

namespace korvex::gui {

// A window loaded anew brings a new graph, which may sit where the old one was and have drawn as
// often: neither its address nor its count tells it apart.
TEST(GraphView, TheGraphOfAWindowLoadedAnewIsDrawn) {
    std::optional<GraphModel> graph;
    graph.emplace().setGraphTitle("First");
    graph->setDrawMode(2);
    GraphView view(*graph);

    graph.emplace().setGraphTitle("Second");
    graph->setDrawMode(2);
    view.setGraph(*graph);
    view.refreshFromModel();
    auto* title = qobject_cast<QCPTextElement*>(view.plot().plotLayout()->element(0, 0));
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->text(), "Second");
}

} // namespace korvex::gui
