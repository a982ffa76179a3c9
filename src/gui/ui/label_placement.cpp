#include "ui/label_placement.h"

#include <QLineF>

#include <cmath>
#include <limits>

namespace korvex::gui {

namespace {

// Beside the point the gap clears its marker; straight above or below it must clear the marker's
// height as well.
constexpr int kSideGap = 5;
constexpr int kLevelGap = 2;
constexpr int kCentreGap = 6;
// How many label heights a label may be moved away from its point to find room.
constexpr int kMaxStack = 5;

// An inside place always beats an outside one, and no label is worth hiding another.
constexpr double kOutsideCost = 1e5;
constexpr double kOverlapCost = 1000;
// A label may move about two label heights to keep off one line or marker.
constexpr double kCrossingCost = 10;
constexpr double kStackCost = 4;
constexpr double kOrderCost = 0.1;

enum class Side { Right, Left, Centre };
enum class Level { Above, Below, Middle };

struct Candidate {
    Side side;
    Level level;
    int stack;
};

// Beside the point first (right before left, above before below), then straight above or below
// it, then further away.
std::vector<Candidate> candidatePlaces() {
    std::vector<Candidate> list = {
        {Side::Right, Level::Above, 0},  {Side::Left, Level::Above, 0},
        {Side::Right, Level::Below, 0},  {Side::Left, Level::Below, 0},
        {Side::Right, Level::Middle, 0}, {Side::Left, Level::Middle, 0},
        {Side::Centre, Level::Above, 0}, {Side::Centre, Level::Below, 0},
    };
    for (int stack = 1; stack <= kMaxStack; ++stack) {
        for (Level level : {Level::Above, Level::Below}) {
            for (Side side : {Side::Right, Side::Left, Side::Centre}) {
                list.push_back({side, level, stack});
            }
        }
    }
    return list;
}

LabelPlace placeAt(const QPointF& point, const QSizeF& size, const Candidate& candidate) {
    LabelPlace place;
    Qt::Alignment horizontal = Qt::AlignHCenter;
    double left = point.x() - size.width() / 2;
    if (candidate.side == Side::Right) {
        horizontal = Qt::AlignLeft;
        place.padding.setLeft(kSideGap);
        left = point.x() + kSideGap;
    } else if (candidate.side == Side::Left) {
        horizontal = Qt::AlignRight;
        place.padding.setRight(kSideGap);
        left = point.x() - kSideGap - size.width();
    }
    const int gap = (candidate.side == Side::Centre ? kCentreGap : kLevelGap) +
                    candidate.stack * static_cast<int>(std::ceil(size.height()));
    Qt::Alignment vertical = Qt::AlignVCenter;
    double top = point.y() - size.height() / 2;
    if (candidate.level == Level::Above) {
        vertical = Qt::AlignBottom;
        place.padding.setBottom(gap);
        top = point.y() - gap - size.height();
    } else if (candidate.level == Level::Below) {
        vertical = Qt::AlignTop;
        place.padding.setTop(gap);
        top = point.y() + gap;
    }
    place.alignment = horizontal | vertical;
    place.box = QRectF(left, top, size.width(), size.height());
    return place;
}

bool crosses(const QLineF& segment, const QRectF& box) {
    const QRectF extent = QRectF(segment.p1(), segment.p2()).normalized();
    if (extent.right() < box.left() || extent.left() > box.right() || extent.bottom() < box.top() ||
        extent.top() > box.bottom()) {
        return false;
    }
    if (box.contains(segment.p1()) || box.contains(segment.p2())) {
        return true;
    }
    const QLineF edges[] = {{box.topLeft(), box.topRight()},
                            {box.topRight(), box.bottomRight()},
                            {box.bottomRight(), box.bottomLeft()},
                            {box.bottomLeft(), box.topLeft()}};
    for (const QLineF& edge : edges) {
        if (segment.intersects(edge, nullptr) == QLineF::BoundedIntersection) {
            return true;
        }
    }
    return false;
}

double area(const QRectF& rect) {
    return rect.isValid() ? rect.width() * rect.height() : 0.0;
}

double costOf(const QRectF& box, const PlotObstacles& plot, const std::vector<LabelPlace>& placed) {
    double cost = 0;
    if (!plot.area.contains(box)) {
        const double inside = area(plot.area.intersected(box)) / std::max(area(box), 1.0);
        cost += kOutsideCost * (2 - inside);
    }
    for (const LabelPlace& other : placed) {
        if (other.box.intersects(box)) {
            cost += kOverlapCost;
        }
    }
    for (const QRectF& clear : plot.keepClear) {
        if (clear.intersects(box)) {
            cost += kOverlapCost;
        }
    }
    const double r = plot.markerRadius;
    for (const QPolygonF& line : plot.lines) {
        for (qsizetype i = 0; i < line.size(); ++i) {
            const QPointF& p = line[i];
            if (box.intersects(QRectF(p.x() - r, p.y() - r, 2 * r, 2 * r))) {
                cost += kCrossingCost;
            }
            if (i + 1 < line.size() && crosses(QLineF(p, line[i + 1]), box)) {
                cost += kCrossingCost;
            }
        }
    }
    return cost;
}

} // namespace

std::vector<LabelPlace> placeLabels(const std::vector<LabelRequest>& labels,
                                    const PlotObstacles& plot) {
    static const std::vector<Candidate> candidates = candidatePlaces();
    std::vector<LabelPlace> placed;
    placed.reserve(labels.size());
    for (const LabelRequest& label : labels) {
        LabelPlace best;
        double bestCost = std::numeric_limits<double>::infinity();
        for (std::size_t i = 0; i < candidates.size(); ++i) {
            const LabelPlace place = placeAt(label.point, label.size, candidates[i]);
            const double cost = costOf(place.box, plot, placed) + kStackCost * candidates[i].stack +
                                kOrderCost * static_cast<double>(i);
            if (cost < bestCost) {
                bestCost = cost;
                best = place;
            }
        }
        placed.push_back(best);
    }
    return placed;
}

} // namespace korvex::gui
