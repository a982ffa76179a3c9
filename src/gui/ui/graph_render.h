#pragma once

// One drawing of a graph for the screen, the printer and the clipboard alike.

#include "app/desktop.h"
#include "ui/graph_model.h"

#include <QFont>
#include <QImage>
#include <QSize>

class QCustomPlot;
class QPrinter;

namespace korvex::gui {

// Fills a plot with the model's sets, titles, legend and axes (replacing what it held).
void renderGraph(const GraphModel& graph, QCustomPlot& plot);

// Lays the plot out at its present size and moves every point label to a free place beside its
// point; run again whenever the plot changes size.
void placePointLabels(QCustomPlot& plot);

// The smallest size at which the graph's title, axis titles and legend show whole.
QSize graphMinimumSize(const GraphModel& graph, const QFont& plotFont);

// The graph laid out at a size in screen pixels, as a window of that size shows it, drawn scale
// times finer: fonts, markers and lines grow with the pixels, so that the image scaled back to the
// layout size looks like the window. The image says its resolution: scale times the screen's.
QImage graphImage(const GraphModel& graph, QSize layoutPixels, double scale);

// Prints the graph at a size in twips on one page of the printer, in the given orientation, as
// vector output at the printer's resolution; false when the printer could not be opened.
bool printGraphOn(QPrinter& printer, const GraphModel& graph, double widthTwips, double heightTwips,
                  PageOrientation orientation);

} // namespace korvex::gui
