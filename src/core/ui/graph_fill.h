#pragma once

#include "ui/graph_model.h"

namespace korvex {

// Writes one pair at the current point and moves on, stopping at the last point of the set, so
// that a label written after a set's last pair lands on that last point.
inline void addGraphPair(GraphModel& graph, Single y, Single x) {
    graph.setGraphData(y);
    graph.setXPosData(x);
    if (graph.ThisPoint() < graph.NumPoints()) {
        graph.setThisPoint(graph.ThisPoint() + 1);
    }
}

} // namespace korvex
