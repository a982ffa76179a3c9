#include "ui/graph_render.h"

#include "app/qt_desktop.h"
#include "ui/graph_view.h"
#include "ui/grid_view.h"
#include "ui/label_placement.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QPainter>
#include <QPicture>
#include <QPrinter>
#include <qcustomplot.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>
#include <vector>

namespace korvex::gui {

namespace {

// Every set differs from its neighbours in colour, marker and dash, so that a black-and-white
// print still tells the sets apart.
const QColor kSetColours[] = {QColor(0, 0, 170),   QColor(200, 0, 0),   QColor(0, 120, 0),
                              QColor(0, 0, 0),     QColor(150, 0, 150), QColor(200, 100, 0),
                              QColor(0, 130, 130), QColor(110, 70, 20)};
const QCPScatterStyle::ScatterShape kSetMarkers[] = {
    QCPScatterStyle::ssCircle,           QCPScatterStyle::ssSquare, QCPScatterStyle::ssTriangle,
    QCPScatterStyle::ssDiamond,          QCPScatterStyle::ssCross,  QCPScatterStyle::ssPlus,
    QCPScatterStyle::ssTriangleInverted, QCPScatterStyle::ssStar,   QCPScatterStyle::ssCrossCircle,
    QCPScatterStyle::ssPlusSquare};
const Qt::PenStyle kSetDashes[] = {Qt::SolidLine, Qt::DashLine, Qt::DotLine, Qt::DashDotLine,
                                   Qt::DashDotDotLine};

template <typename T, std::size_t N> const T& cyclic(const T (&items)[N], std::size_t i) {
    return items[i % N];
}

bool drawable(double value, AxisScale scale) {
    // A log axis has no place for zero or negative values.
    return std::isfinite(value) && (scale == AxisScale::Linear || value > 0);
}

struct Extent {
    double low = std::numeric_limits<double>::infinity();
    double high = -std::numeric_limits<double>::infinity();
    void include(double v) {
        low = std::min(low, v);
        high = std::max(high, v);
    }
    bool empty() const { return low > high; }
};

QCPRange axisRange(const Extent& extent, AxisScale scale) {
    if (scale == AxisScale::Logarithmic) {
        if (extent.empty()) {
            return {1, 10};
        }
        // Whole decades, so the axis starts and ends on a labelled tick.
        double low = std::pow(10.0, std::floor(std::log10(extent.low) + 1e-9));
        double high = std::pow(10.0, std::ceil(std::log10(extent.high) - 1e-9));
        if (high <= low) {
            high = low * 10;
        }
        return {low, high};
    }
    if (extent.empty()) {
        return {0, 1};
    }
    double span = extent.high - extent.low;
    if (span <= 0) {
        span = extent.high != 0 ? std::abs(extent.high) : 1.0;
    }
    return {extent.low - 0.05 * span, extent.high + 0.05 * span};
}

QFont titleFont(const QFont& plotFont) {
    return QFont(plotFont.family(), 11, QFont::Bold);
}

QFont axisTitleFont(const QFont& plotFont) {
    QFont font = plotFont;
    font.setPointSizeF(9.5);
    return font;
}

void setUpAxis(QCPAxis* axis, AxisScale scale, const std::string& title) {
    axis->setLabel(qs(title));
    axis->setLabelFont(axisTitleFont(axis->parentPlot()->font()));
    QFont tickFont = axis->tickLabelFont();
    tickFont.setPointSizeF(8.5);
    axis->setTickLabelFont(tickFont);
    axis->setNumberFormat("g");
    axis->setNumberPrecision(6);
    axis->grid()->setPen(QPen(QColor(190, 190, 190), 0, Qt::DotLine));
    axis->grid()->setSubGridPen(QPen(QColor(225, 225, 225), 0, Qt::DotLine));
    if (scale == AxisScale::Logarithmic) {
        axis->setScaleType(QCPAxis::stLogarithmic);
        QSharedPointer<QCPAxisTickerLog> ticker(new QCPAxisTickerLog);
        ticker->setLogBase(10);
        ticker->setSubTickCount(8);
        axis->setTicker(ticker);
        axis->grid()->setSubGridVisible(true);
    } else {
        axis->setScaleType(QCPAxis::stLinear);
        QSharedPointer<QCPAxisTicker> ticker(new QCPAxisTicker);
        ticker->setTickCount(6);
        axis->setTicker(ticker);
        axis->grid()->setSubGridVisible(false);
    }
}

// The title row above the axes is laid out once per plot.
QCPTextElement* titleElement(QCustomPlot& plot) {
    QCPLayoutGrid* layout = plot.plotLayout();
    if (auto* title = qobject_cast<QCPTextElement*>(layout->element(0, 0))) {
        return title;
    }
    layout->insertRow(0);
    auto* title = new QCPTextElement(&plot, QString(), titleFont(plot.font()));
    layout->addElement(0, 0, title);
    // Room for the last tick label of the x axis, which reaches past the axis end.
    plot.axisRect()->setAutoMargins(QCP::msLeft | QCP::msTop | QCP::msBottom);
    plot.axisRect()->setMargins(QMargins(0, 0, 30, 0));
    return title;
}

// Where a value lies along an axis, from 0 at its start to 1 at its end.
double axisFraction(double value, const QCPRange& range, AxisScale scale) {
    if (scale == AxisScale::Logarithmic) {
        return (std::log10(value) - std::log10(range.lower)) /
               (std::log10(range.upper) - std::log10(range.lower));
    }
    return (value - range.lower) / (range.upper - range.lower);
}

// The corner of the plot where the legend hides the fewest points and line pieces.
Qt::Alignment quietestCorner(const GraphModel& graph, const QCPRange& xRange,
                             const QCPRange& yRange, int entries) {
    const double legendWidth = 0.4;
    const double legendHeight = std::min(0.9, 0.07 * entries + 0.04);
    const Qt::Alignment corners[] = {Qt::AlignTop | Qt::AlignRight, Qt::AlignTop | Qt::AlignLeft,
                                     Qt::AlignBottom | Qt::AlignRight,
                                     Qt::AlignBottom | Qt::AlignLeft};
    int hits[4] = {0, 0, 0, 0};
    auto count = [&](double fx, double fy) {
        for (int c = 0; c < 4; ++c) {
            const bool right = corners[c] & Qt::AlignRight;
            const bool top = corners[c] & Qt::AlignTop;
            const bool inX = right ? fx > 1 - legendWidth : fx < legendWidth;
            const bool inY = top ? fy > 1 - legendHeight : fy < legendHeight;
            hits[c] += inX && inY ? 1 : 0;
        }
    };
    for (const GraphSet& set : graph.sets()) {
        bool havePrevious = false;
        double px = 0, py = 0;
        for (const GraphPoint& point : set.points) {
            if (!point.written || !drawable(point.x, graph.xScale()) ||
                !drawable(point.y, graph.yScale())) {
                continue;
            }
            const double fx = axisFraction(point.x, xRange, graph.xScale());
            const double fy = axisFraction(point.y, yRange, graph.yScale());
            if (havePrevious) {
                for (int k = 1; k < 8; ++k) {
                    count(px + (fx - px) * k / 8.0, py + (fy - py) * k / 8.0);
                }
            }
            count(fx, fy);
            px = fx;
            py = fy;
            havePrevious = true;
        }
    }
    return corners[std::min_element(hits, hits + 4) - hits];
}

constexpr int kMarkerSize = 7;

// The axes end on the outermost points (a log axis on whole decades): a marker there is drawn
// whole, over the axis, instead of cut in half at the axis.
class WholeMarkerCurve : public QCPCurve {
public:
    using QCPCurve::QCPCurve;

protected:
    QRect clipRect() const override {
        const int reach = kMarkerSize / 2 + 2;
        return QCPCurve::clipRect().adjusted(-reach, -reach, reach, reach);
    }

    // The raster engine strokes a wide dashed polyline as a general outline and fills it, several
    // times slower than the same pieces handed over as separate lines, which it rasterizes
    // directly and dashes on from one line to the next. The two look the same on screen; vector
    // output (the printer's pages) keeps the polyline.
    void drawCurveLine(QCPPainter* painter, const QVector<QPointF>& lines) const override {
        if (painter->modes().testFlag(QCPPainter::pmVectorized)) {
            QCPCurve::drawCurveLine(painter, lines);
            return;
        }
        if (painter->pen().style() == Qt::NoPen || painter->pen().color().alpha() == 0) {
            return;
        }
        applyDefaultAntialiasingHint(painter);
        QVector<QLineF> pieces;
        pieces.reserve(lines.size());
        for (qsizetype i = 1; i < lines.size(); ++i) {
            pieces.append(QLineF(lines[i - 1], lines[i]));
        }
        painter->drawLines(pieces);
    }
};

void mirrorAxis(QCPAxis* axis, QCPAxis* mirror) {
    // A closed box, as engineering plots are drawn; the mirror carries ticks but no labels.
    mirror->setVisible(true);
    mirror->setTickLabels(false);
    mirror->setScaleType(axis->scaleType());
    mirror->setTicker(axis->ticker());
    mirror->setRange(axis->range());
    mirror->grid()->setVisible(false);
}

} // namespace

void renderGraph(const GraphModel& graph, QCustomPlot& plot) {
    plot.clearPlottables();
    plot.clearItems();
    plot.setBackground(Qt::white);

    QCPTextElement* title = titleElement(plot);
    title->setText(qs(graph.GraphTitle()));
    title->setVisible(!graph.GraphTitle().empty());

    setUpAxis(plot.xAxis, graph.xScale(), graph.BottomTitle());
    setUpAxis(plot.yAxis, graph.yScale(), graph.LeftTitle());

    // The ranges first: labels near the right end are turned to extend leftwards.
    Extent xs, ys;
    for (const GraphSet& set : graph.sets()) {
        for (const GraphPoint& point : set.points) {
            if (point.written && drawable(point.x, graph.xScale()) &&
                drawable(point.y, graph.yScale())) {
                xs.include(point.x);
                ys.include(point.y);
            }
        }
    }
    const QCPRange xRange = axisRange(xs, graph.xScale());
    const QCPRange yRange = axisRange(ys, graph.yScale());
    plot.xAxis->setRange(xRange);
    plot.yAxis->setRange(yRange);
    mirrorAxis(plot.xAxis, plot.xAxis2);
    mirrorAxis(plot.yAxis, plot.yAxis2);

    int legendEntries = 0;
    QFont labelFont = plot.font();
    labelFont.setPointSizeF(7.5);
    const auto& sets = graph.sets();
    for (std::size_t s = 0; s < sets.size(); ++s) {
        const GraphSet& set = sets[s];
        // A curve keeps the points in the order they were written: stress paths run backwards.
        auto* curve = new WholeMarkerCurve(plot.xAxis, plot.yAxis);
        const QColor colour = cyclic(kSetColours, s);
        curve->setPen(QPen(colour, 1.5, cyclic(kSetDashes, s)));
        const auto marker = set.symbol > 0
                                ? cyclic(kSetMarkers, static_cast<std::size_t>(set.symbol))
                                : cyclic(kSetMarkers, s);
        curve->setScatterStyle(QCPScatterStyle(marker, QPen(colour, 1.2), Qt::white, kMarkerSize));
        if (set.line == SetLine::MarkersOnly) {
            curve->setLineStyle(QCPCurve::lsNone);
        }
        curve->setName(qs(set.legend));
        int order = 0;
        for (const GraphPoint& point : set.points) {
            if (!point.written || !drawable(point.x, graph.xScale()) ||
                !drawable(point.y, graph.yScale())) {
                continue;
            }
            curve->addData(order++, point.x, point.y);
            if (!point.label.empty()) {
                auto* label = new QCPItemText(&plot);
                label->position->setCoords(point.x, point.y);
                label->setFont(labelFont);
                label->setColor(colour);
                label->setText(qs(point.label));
            }
        }
        if (set.legend.empty()) {
            curve->removeFromLegend();
        } else {
            ++legendEntries;
        }
    }
    if (plot.legend != nullptr) {
        plot.legend->setVisible(legendEntries > 0);
        QFont legendFont = plot.font();
        legendFont.setPointSizeF(8.5);
        plot.legend->setFont(legendFont);
        plot.legend->setBrush(QColor(255, 255, 255, 230));
        plot.legend->setBorderPen(QPen(QColor(120, 120, 120), 0));
        plot.axisRect()->insetLayout()->setInsetAlignment(
            0, quietestCorner(graph, xRange, yRange, legendEntries));
    }
    placePointLabels(plot);
}

void placePointLabels(QCustomPlot& plot) {
    // The places are measured in pixels, so the plot is laid out at its present size first.
    plot.setViewport(plot.rect());
    QCPLayoutGrid* layout = plot.plotLayout();
    layout->update(QCPLayoutElement::upPreparation);
    layout->update(QCPLayoutElement::upMargins);
    layout->update(QCPLayoutElement::upLayout);

    PlotObstacles obstacles;
    obstacles.area = plot.axisRect()->rect();
    for (int i = 0; i < plot.plottableCount(); ++i) {
        auto* curve = qobject_cast<QCPCurve*>(plot.plottable(i));
        if (curve == nullptr) {
            continue;
        }
        QPolygonF line;
        for (auto it = curve->data()->constBegin(); it != curve->data()->constEnd(); ++it) {
            line << QPointF(plot.xAxis->coordToPixel(it->key), plot.yAxis->coordToPixel(it->value));
        }
        obstacles.lines.push_back(line);
    }
    if (plot.legend != nullptr && plot.legend->visible()) {
        obstacles.keepClear.push_back(plot.legend->outerRect());
    }

    std::vector<QCPItemText*> labels;
    std::vector<LabelRequest> requests;
    for (int i = 0; i < plot.itemCount(); ++i) {
        if (auto* label = qobject_cast<QCPItemText*>(plot.item(i))) {
            const QRect text =
                QFontMetrics(label->font())
                    .boundingRect(QRect(), Qt::TextDontClip | Qt::AlignLeft, label->text());
            labels.push_back(label);
            requests.push_back({label->position->pixelPosition(), QSizeF(text.size())});
        }
    }
    const std::vector<LabelPlace> places = placeLabels(requests, obstacles);
    for (std::size_t i = 0; i < labels.size(); ++i) {
        labels[i]->setPositionAlignment(places[i].alignment);
        labels[i]->setPadding(places[i].padding);
    }
}

QSize graphMinimumSize(const GraphModel& graph, const QFont& plotFont) {
    const QFontMetrics title(titleFont(plotFont));
    const QFontMetrics axisTitle(axisTitleFont(plotFont));
    int legendEntries = 0;
    int legendWidth = 0;
    for (const GraphSet& set : graph.sets()) {
        if (!set.legend.empty()) {
            ++legendEntries;
            legendWidth = std::max(legendWidth, axisTitle.horizontalAdvance(qs(set.legend)));
        }
    }
    // Beside and below the axes go the tick labels and the axis titles; above them the title.
    const int aroundWidth = 110;
    const int aroundHeight = 110;
    const int width = std::max({title.horizontalAdvance(qs(graph.GraphTitle())) + 20,
                                axisTitle.horizontalAdvance(qs(graph.BottomTitle())) + aroundWidth,
                                legendWidth + 60 + aroundWidth, 320});
    const int height =
        std::max({axisTitle.horizontalAdvance(qs(graph.LeftTitle())) + aroundHeight,
                  legendEntries * (axisTitle.height() + 6) + 20 + aroundHeight, 240});
    return {width, height};
}

namespace {

// The graph laid out at a size in screen pixels, on a plot of its own: the window's plot keeps
// its size and its labels' places.
void layOut(const GraphModel& graph, QCustomPlot& plot, QSize layoutPixels) {
    plot.resize(layoutPixels.expandedTo({1, 1}));
    renderGraph(graph, plot);
}

// The one drawing of a laid-out plot for the clipboard and the printer. The painter's device has
// the screen's resolution, so that each font comes out at the size the layout measured it; the
// finer output comes from the painter's scale alone, which the one-pixel lines follow as well.
void drawLaidOut(QCustomPlot& plot, QCPPainter& painter, double scale) {
    painter.setMode(QCPPainter::pmNoCaching);
    painter.setMode(QCPPainter::pmNonCosmetic);
    painter.scale(scale, scale);
    plot.toPainter(&painter, plot.width(), plot.height());
}

} // namespace

QImage graphImage(const GraphModel& graph, QSize layoutPixels, double scale) {
    QCustomPlot plot;
    layOut(graph, plot, layoutPixels);
    QImage image(static_cast<int>(std::lround(plot.width() * scale)),
                 static_cast<int>(std::lround(plot.height() * scale)), QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QCPPainter painter(&image);
        drawLaidOut(plot, painter, scale);
    }
    // Finer pixels, same size on paper: a pasted image keeps the graph's size on screen.
    const int dotsPerMetre = static_cast<int>(std::lround(image.logicalDpiX() * scale / 0.0254));
    image.setDotsPerMeterX(dotsPerMetre);
    image.setDotsPerMeterY(dotsPerMetre);
    return image;
}

bool printGraphOn(QPrinter& printer, const GraphModel& graph, double widthTwips, double heightTwips,
                  PageOrientation orientation) {
    // Each job sets its own orientation: a landscape graph leaves nothing behind for the next.
    printer.setPageOrientation(orientation == PageOrientation::Landscape ? QPageLayout::Landscape
                                                                         : QPageLayout::Portrait);
    const int width = std::max(1, twipsToPixels(widthTwips));
    const int height = std::max(1, twipsToPixels(heightTwips));
    QCustomPlot plot;
    layOut(graph, plot, {width, height});

    // Drawn once at screen resolution into a picture, then scaled onto the page: vector output
    // with text at its proper size, where drawing straight onto a fine printer enlarges the text.
    QPicture picture;
    {
        QCPPainter recorder(&picture);
        recorder.setMode(QCPPainter::pmVectorized);
        drawLaidOut(plot, recorder, 1.0);
    }

    QPainter painter;
    if (!painter.begin(&printer)) {
        return false;
    }
    const double devicePerPixel = printer.resolution() / 96.0;
    const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
    // A graph larger than the page is shrunk to fit rather than cut off.
    const double fit = std::min(
        {1.0, page.width() / (width * devicePerPixel), page.height() / (height * devicePerPixel)});
    // Playing a picture on a finer device already scales it by the ratio of the resolutions.
    // Centred across the page, at its top.
    const double left = std::max(0.0, (page.width() - width * devicePerPixel * fit) / 2.0);
    painter.translate(left, 0);
    painter.scale(fit * devicePerPixel * picture.logicalDpiX() / printer.logicalDpiX(),
                  fit * devicePerPixel * picture.logicalDpiY() / printer.logicalDpiY());
    painter.drawPicture(0, 0, picture);
    return painter.end();
}

bool QtDesktop::printGraph(const GraphModel& graph, double widthTwips, double heightTwips,
                           PageOrientation orientation) {
    return printGraphOn(printer(), graph, widthTwips, heightTwips, orientation);
}

std::optional<std::string> QtDesktop::graphPdf(const GraphModel& graph, double widthTwips,
                                               double heightTwips, PageOrientation orientation) {
    return pdfOfPages([&](QPrinter& pdf) {
        return printGraphOn(pdf, graph, widthTwips, heightTwips, orientation);
    });
}

bool QtDesktop::copyGraphImage(const GraphModel& graph, double widthTwips, double heightTwips) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (clipboard == nullptr) {
        return false;
    }
    // The graph as it stands in its window; a graph in no open window at its layout size.
    QSize layoutPixels(twipsToPixels(widthTwips), twipsToPixels(heightTwips));
    double screenScale = qGuiApp->devicePixelRatio();
    if (GraphView* view = graphViewShowing(graph)) {
        layoutPixels = view->plot().size();
        screenScale = view->devicePixelRatioF();
    }
    // At least twice the screen's resolution, so that the graph stays sharp when it is pasted into
    // a report and printed.
    clipboard->setImage(graphImage(graph, layoutPixels, std::max(2.0, screenScale)));
    return true;
}

} // namespace korvex::gui
