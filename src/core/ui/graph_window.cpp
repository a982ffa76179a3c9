#include "ui/graph_window.h"

namespace korvex {

void printGraphWindow(GraphModel& graph, const GraphPrintSetup& setup) {
    const double screenWidth = graph.Width();
    const double screenHeight = graph.Height();
    const PageOrientation screenOrientation = graph.printOrientation();
    graph.setHeight(setup.heightTwips);
    graph.setWidth(setup.widthTwips);
    graph.setPrintOrientation(setup.orientation);
    // Left at the print size, the graph would cover its window's table and buttons on screen.
    struct Restore {
        GraphModel& graph;
        double width, height;
        PageOrientation orientation;
        ~Restore() {
            graph.setWidth(width);
            graph.setHeight(height);
            graph.setPrintOrientation(orientation);
        }
    } restore{graph, screenWidth, screenHeight, screenOrientation};
    graph.setDrawMode(5);
}

void copyGraphWindowImage(GraphModel& graph) {
    graph.setDrawMode(2);
    graph.setDrawMode(4);
}

} // namespace korvex
