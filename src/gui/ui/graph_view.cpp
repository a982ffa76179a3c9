#include "ui/graph_view.h"

#include "ui/graph_render.h"
#include "ui/grid_view.h"

#include <QApplication>
#include <QEvent>
#include <QVBoxLayout>
#include <qcustomplot.h>

namespace korvex::gui {

GraphView::GraphView(GraphModel& graph, QWidget* parent)
    : QWidget(parent), graph_(&graph), plot_(new QCustomPlot(this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(plot_);
    plot_->installEventFilter(this);
    // The layout's titles and axes show before the first filling.
    redraw();
}

GraphView::~GraphView() = default;

void GraphView::refreshFromModel() {
    if (graph_ != drawnGraph_ || graph_->changeCount() != drawnCount_) {
        redraw();
    }
}

void GraphView::redraw() {
    drawnGraph_ = graph_;
    drawnCount_ = graph_->changeCount();
    renderGraph(*graph_, *plot_);
    plot_->replot(QCustomPlot::rpQueuedReplot);
    // A new title or legend may need more room.
    updateGeometry();
}

bool GraphView::eventFilter(QObject* watched, QEvent* event) {
    // Labels kept clear of each other at one size may meet at another.
    if (watched == plot_ && event->type() == QEvent::Resize) {
        placePointLabels(*plot_);
    }
    return QWidget::eventFilter(watched, event);
}

QSize GraphView::minimumSizeHint() const {
    return graphMinimumSize(*graph_, plot_->font());
}

QSize GraphView::sizeHint() const {
    return {twipsToPixels(graph_->Width()), twipsToPixels(graph_->Height())};
}

GraphView* graphViewShowing(const GraphModel& graph) {
    for (QWidget* widget : QApplication::allWidgets()) {
        auto* view = qobject_cast<GraphView*>(widget);
        if (view != nullptr && &view->graph() == &graph && view->isVisible()) {
            return view;
        }
    }
    return nullptr;
}

} // namespace korvex::gui
