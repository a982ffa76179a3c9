#include "ui/label_placement.h"

#include <gtest/gtest.h>

namespace korvex::gui {
namespace {

TEST(LabelPlacement, LabelsOfOnePointAtTheTopStayInsideAndApart) {
    // The soil-stress graph's top layer: three labels on one point 16 px below the top of the
    // axes, where one label 12 px high and its 2 px gap fit above; and a label on the right edge.
    PlotObstacles plot;
    plot.area = QRectF(0, 0, 300, 200);
    const QSizeF size(30, 12);
    const std::vector<LabelRequest> labels = {
        {{100, 16}, size}, {{100, 16}, size}, {{100, 16}, size}, {{300, 100}, size}};
    const std::vector<LabelPlace> places = placeLabels(labels, plot);
    ASSERT_EQ(places.size(), labels.size());
    for (std::size_t i = 0; i < places.size(); ++i) {
        EXPECT_TRUE(plot.area.contains(places[i].box)) << i;
        for (std::size_t j = i + 1; j < places.size(); ++j) {
            EXPECT_FALSE(places[i].box.intersects(places[j].box)) << i << " " << j;
        }
    }
}

TEST(LabelPlacement, ALabelMovesOffALineAndTheLegend) {
    // A line rises to the right from the point through the place right above it (x 105..135,
    // y 36..48: the line is at y 47.5 at x 105); the legend covers the place left above it.
    PlotObstacles plot;
    plot.area = QRectF(0, 0, 300, 200);
    plot.lines = {QPolygonF({QPointF(100, 50), QPointF(200, 0)})};
    plot.keepClear = {QRectF(40, 20, 58, 29)};
    const std::vector<LabelPlace> places = placeLabels({{{100, 50}, QSizeF(30, 12)}}, plot);
    // Next in line is right below the point: 5 px right of it, 2 px below.
    EXPECT_EQ(places[0].alignment, Qt::AlignLeft | Qt::AlignTop);
    EXPECT_EQ(places[0].padding, QMargins(5, 2, 0, 0));
    EXPECT_EQ(places[0].box, QRectF(105, 52, 30, 12));
}

} // namespace
} // namespace korvex::gui
