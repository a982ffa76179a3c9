#include "ui/graph_window.h"

#include "app/application.h"
#include "app/window_registry.h"

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

GraphWindow::GraphWindow(Application& app, const GraphPrintSetup& print)
    : WindowModel(app), Graph1(app.desktop()), print_(print) {}

void GraphWindow::Command1_Click() {
    windows().unload(*this);
}

void GraphWindow::Command2_Click() {
    printGraphWindow(Graph1, print_);
}

void GraphWindow::Command3_Click() {
    copyGraphWindowImage(Graph1);
}

} // namespace korvex
