#include "ui/graph_window.h"

#include "app/application.h"
#include "app/printing.h"
#include "app/window_registry.h"

namespace korvex {

// Neither a copy nor a print on the printer asks anything of the user first, so a failure would
// otherwise pass unseen and the user would go looking for a sheet or an image that was never made.

void printGraphWindow(Desktop& desktop, const GraphModel& graph, const GraphPrintSetup& setup) {
    printPages(
        desktop,
        [&] {
            return desktop.printGraph(graph, setup.widthTwips, setup.heightTwips,
                                      setup.orientation);
        },
        [&] {
            return desktop.graphPdf(graph, setup.widthTwips, setup.heightTwips, setup.orientation);
        },
        "The graph could not be printed. Please check that a printer is installed and ready.");
}

void copyGraphWindowImage(Desktop& desktop, GraphModel& graph) {
    graph.setDrawMode(2);
    if (!desktop.copyGraphImage(graph, graph.Width(), graph.Height())) {
        desktop.msgBox("The graph could not be copied to the clipboard.", vbExclamation);
    }
}

GraphWindow::GraphWindow(Application& app, const GraphPrintSetup& print)
    : WindowModel(app), print_(print) {}

void GraphWindow::Command1_Click() {
    windows().unload(*this);
}

void GraphWindow::Command2_Click() {
    printGraphWindow(desktop(), Graph1, print_);
}

void GraphWindow::Command3_Click() {
    copyGraphWindowImage(desktop(), Graph1);
}

} // namespace korvex
