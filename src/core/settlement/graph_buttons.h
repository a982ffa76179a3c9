#pragma once

// What the "Print" and "Image to Clipboard" buttons of the settlement graph windows do to their
// graph.

#include "ui/graph_model.h"

namespace korvex {

// Every settlement graph prints at this size, in twips.
inline constexpr double kGraphPrintWidth = 14000;
inline constexpr double kGraphPrintHeight = 8500;

// Prints the graph at the print size; the graph keeps that size afterwards.
inline void printGraphAtPrintSize(GraphModel& graph) {
    graph.setHeight(kGraphPrintHeight);
    graph.setWidth(kGraphPrintWidth);
    graph.setDrawMode(5);
}

// Draws first, so the image shows the current data even when the graph was never drawn.
inline void copyGraphToClipboard(GraphModel& graph) {
    graph.setDrawMode(2);
    graph.setDrawMode(4);
}

// Writes one pair at the current point and moves on, stopping at the last point of the set.
inline void addGraphPair(GraphModel& graph, Single y, Single x) {
    graph.setGraphData(y);
    graph.setXPosData(x);
    if (graph.ThisPoint() < graph.NumPoints()) {
        graph.setThisPoint(graph.ThisPoint() + 1);
    }
}

} // namespace korvex
