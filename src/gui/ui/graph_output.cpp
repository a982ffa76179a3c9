#include "ui/graph_render.h"

#include "app/qt_desktop.h"
#include "ui/grid_view.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QPainter>
#include <QPicture>
#include <QPrinter>
#include <qcustomplot.h>

#include <algorithm>
#include <cmath>
#include <limits>

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

void setUpAxis(QCPAxis* axis, AxisScale scale, const std::string& title) {
    axis->setLabel(qs(title));
    QFont labelFont = axis->labelFont();
    labelFont.setPointSizeF(9.5);
    axis->setLabelFont(labelFont);
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

// The title row above the axes and the legend column beside them are laid out once per plot.
QCPTextElement* titleElement(QCustomPlot& plot) {
    QCPLayoutGrid* layout = plot.plotLayout();
    if (auto* title = qobject_cast<QCPTextElement*>(layout->element(0, 0))) {
        return title;
    }
    layout->insertRow(0);
    auto* title =
        new QCPTextElement(&plot, QString(), QFont(plot.font().family(), 11, QFont::Bold));
    layout->addElement(0, 0, title);
    if (plot.legend != nullptr && plot.axisRect() != nullptr) {
        plot.axisRect()->insetLayout()->take(plot.legend);
        layout->addElement(1, 1, plot.legend);
        layout->setColumnStretchFactor(1, 0.001);
        plot.legend->setMargins(QMargins(6, 4, 6, 4));
        plot.legend->setLayer("legend");
    }
    return title;
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

    Extent xs, ys;
    bool anyLegend = false;
    QFont labelFont = plot.font();
    labelFont.setPointSizeF(7.5);
    const auto& sets = graph.sets();
    for (std::size_t s = 0; s < sets.size(); ++s) {
        const GraphSet& set = sets[s];
        // A curve keeps the points in the order they were written: stress paths run backwards.
        auto* curve = new QCPCurve(plot.xAxis, plot.yAxis);
        const QColor colour = cyclic(kSetColours, s);
        curve->setPen(QPen(colour, 1.5, cyclic(kSetDashes, s)));
        const auto marker = set.symbol > 0
                                ? cyclic(kSetMarkers, static_cast<std::size_t>(set.symbol))
                                : cyclic(kSetMarkers, s);
        curve->setScatterStyle(QCPScatterStyle(marker, QPen(colour, 1.2), Qt::NoBrush, 7));
        curve->setName(qs(set.legend));
        int order = 0;
        for (const GraphPoint& point : set.points) {
            if (!point.written || !drawable(point.x, graph.xScale()) ||
                !drawable(point.y, graph.yScale())) {
                continue;
            }
            curve->addData(order++, point.x, point.y);
            xs.include(point.x);
            ys.include(point.y);
            if (!point.label.empty()) {
                auto* label = new QCPItemText(&plot);
                label->position->setCoords(point.x, point.y);
                label->setPositionAlignment(Qt::AlignLeft | Qt::AlignBottom);
                label->setPadding(QMargins(5, 0, 0, 3));
                label->setFont(labelFont);
                label->setColor(colour);
                label->setText(qs(point.label));
                label->setClipToAxisRect(false);
            }
        }
        if (set.legend.empty()) {
            curve->removeFromLegend();
        } else {
            anyLegend = true;
        }
    }
    plot.xAxis->setRange(axisRange(xs, graph.xScale()));
    plot.yAxis->setRange(axisRange(ys, graph.yScale()));
    if (plot.legend != nullptr) {
        plot.legend->setVisible(anyLegend);
        QFont legendFont = plot.font();
        legendFont.setPointSizeF(8.5);
        plot.legend->setFont(legendFont);
    }
}

namespace {

void renderAtSize(const GraphModel& graph, QCustomPlot& plot, int width, int height) {
    plot.resize(width, height);
    renderGraph(graph, plot);
}

} // namespace

QImage graphImage(const GraphModel& graph, double widthTwips, double heightTwips) {
    const int width = std::max(1, twipsToPixels(widthTwips));
    const int height = std::max(1, twipsToPixels(heightTwips));
    QCustomPlot plot;
    renderAtSize(graph, plot, width, height);
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QCPPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    plot.toPainter(&painter, width, height);
    painter.end();
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
    renderAtSize(graph, plot, width, height);

    // Drawn once at screen resolution into a picture, then scaled onto the page: vector output
    // with text at its proper size, where drawing straight onto a fine printer enlarges the text.
    QPicture picture;
    {
        QCPPainter recorder(&picture);
        recorder.setMode(QCPPainter::pmVectorized);
        recorder.setMode(QCPPainter::pmNoCaching);
        plot.toPainter(&recorder, width, height);
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
    painter.scale(devicePerPixel * fit, devicePerPixel * fit);
    painter.drawPicture(0, 0, picture);
    return painter.end();
}

bool QtDesktop::printGraph(const GraphModel& graph, double widthTwips, double heightTwips,
                           PageOrientation orientation) {
    return printGraphOn(printer(), graph, widthTwips, heightTwips, orientation);
}

bool QtDesktop::copyGraphImage(const GraphModel& graph, double widthTwips, double heightTwips) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (clipboard == nullptr) {
        return false;
    }
    clipboard->setImage(graphImage(graph, widthTwips, heightTwips));
    return true;
}

} // namespace korvex::gui
