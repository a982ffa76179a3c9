#pragma once

// The "Print" and "Image to Clipboard" buttons every graph window has, on the window's graph, and
// the window around one graph whose first three buttons are "Exit", "Print" and "Image to
// Clipboard".

#include "app/desktop.h"
#include "app/window_model.h"
#include "ui/graph_model.h"

namespace korvex {

// Where and how a graph window prints its graph.
struct GraphPrintSetup {
    double widthTwips = 14000;
    double heightTwips = 8500;
    PageOrientation orientation = PageOrientation::Portrait;
};

// The graph windows of the consolidation and observation windows: wider, on a landscape page.
inline constexpr GraphPrintSetup kWideLandscapePrint{15000, 8500, PageOrientation::Landscape};

// "Print": the graph at the print size, on a page of the print's orientation. The graph on screen
// keeps its size, and the printer keeps no orientation for the next job.
void printGraphWindow(Desktop& desktop, const GraphModel& graph, const GraphPrintSetup& setup = {});

// "Image to Clipboard": draws the current data first, then copies the drawn image.
void copyGraphWindowImage(Desktop& desktop, GraphModel& graph);

class GraphWindow : public WindowModel {
public:
    // "Exit"
    void Command1_Click();
    // "Print", at the window's print size and orientation.
    virtual void Command2_Click();
    // "Image to Clipboard"
    void Command3_Click();

    GraphModel Graph1;

protected:
    explicit GraphWindow(Application& app, const GraphPrintSetup& print = {});

private:
    GraphPrintSetup print_;
};

} // namespace korvex
