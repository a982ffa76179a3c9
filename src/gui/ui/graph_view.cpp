#include "ui/graph_view.h"

#include "ui/graph_render.h"
#include "ui/grid_view.h"

#include <QVBoxLayout>
#include <qcustomplot.h>

namespace korvex::gui {

GraphView::GraphView(GraphModel& graph, QWidget* parent)
    : QWidget(parent), graph_(graph), plot_(new QCustomPlot(this)),
      drawnRevision_(graph.drawRevision()) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(plot_);
    setMinimumSize(240, 180);
    // The layout's titles and axes show before the first filling.
    redraw();
}

GraphView::~GraphView() = default;

void GraphView::refreshFromModel() {
    if (graph_.drawRevision() != drawnRevision_) {
        redraw();
    }
}

void GraphView::redraw() {
    drawnRevision_ = graph_.drawRevision();
    renderGraph(graph_, *plot_);
    plot_->replot();
}

QSize GraphView::sizeHint() const {
    return {twipsToPixels(graph_.Width()), twipsToPixels(graph_.Height())};
}

} // namespace korvex::gui
