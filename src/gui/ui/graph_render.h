#pragma once

// One drawing of a graph for the screen, the printer and the clipboard alike.

#include "ui/graph_model.h"

#include <QImage>

class QCustomPlot;
class QPrinter;

namespace korvex::gui {

// Fills a plot with the model's sets, titles, legend and axes (replacing what it held).
void renderGraph(const GraphModel& graph, QCustomPlot& plot);

// The graph drawn at a layout size in twips, as an image at the given multiple of the screen's
// resolution.
QImage graphImage(const GraphModel& graph, double widthTwips, double heightTwips, int scale = 1);

// Prints the graph at a size in twips on one page of the printer, in the given orientation, as
// vector output at the printer's resolution; false when the printer could not be opened.
bool printGraphOn(QPrinter& printer, const GraphModel& graph, double widthTwips, double heightTwips,
                  PageOrientation orientation);

} // namespace korvex::gui
