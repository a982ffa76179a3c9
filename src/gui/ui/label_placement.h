#pragma once

// Where the point labels of a graph go: beside their point, inside the plot and, as far as the
// room allows, clear of one another, of the lines, of the markers and of the legend.

#include <QMargins>
#include <QPointF>
#include <QPolygonF>
#include <QRectF>
#include <QSizeF>

#include <vector>

namespace korvex::gui {

// What a label must keep clear of, in pixels.
struct PlotObstacles {
    // The inside of the axes; a label that fits stays within it.
    QRectF area;
    // Each curve through its points; every point also carries a marker.
    std::vector<QPolygonF> lines;
    // The legend.
    std::vector<QRectF> keepClear;
    double markerRadius = 4;
};

struct LabelRequest {
    QPointF point;
    QSizeF size;
};

// A label's place as a text item takes it: which side of its box lies against the point, the gap
// on that side, and the box that results.
struct LabelPlace {
    Qt::Alignment alignment;
    QMargins padding;
    QRectF box;
};

// Places the labels in order, each at the cheapest of its candidate places: an overlap with an
// earlier label or the legend costs most, then each line crossed and marker covered, then the
// distance from the point.
std::vector<LabelPlace> placeLabels(const std::vector<LabelRequest>& labels,
                                    const PlotObstacles& plot);

} // namespace korvex::gui
