#include "ui/graph_window_view.h"

#include "app/qt_desktop.h"
#include "ui/graph_view.h"
#include "ui/grid_view.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace korvex::gui {

GraphWindowView::GraphWindowView(WindowModel& model, GuiHost& host, GraphModel& graph, Grid* grid,
                                 GraphWindowButtons buttons, QWidget* parent)
    : WindowView(model, host, parent) {
    auto* outer = new QVBoxLayout(this);
    auto* body = new QHBoxLayout;
    outer->addLayout(body, 1);

    sideColumn_ = new QVBoxLayout;
    if (grid != nullptr) {
        gridView_ = new GridView(*grid, this);
        sideColumn_->addWidget(gridView_, 1);
    }
    body->addLayout(sideColumn_);
    graphView_ = new GraphView(graph, this);
    body->addWidget(graphView_, 1);

    buttonRow_ = new QHBoxLayout;
    exitButton_ = rowButton(buttons.exitCaption, std::move(buttons.exitClicked));
    printButton_ = rowButton(buttons.printCaption, std::move(buttons.printClicked));
    clipboardButton_ = rowButton(buttons.clipboardCaption, std::move(buttons.clipboardClicked));
    buttonRow_->addStretch(1);
    outer->addLayout(buttonRow_);
}

GraphWindowView::~GraphWindowView() = default;

QPushButton* GraphWindowView::rowButton(const std::string& caption, std::function<void()> handler) {
    QPushButton* button = makeButton(caption, std::move(handler));
    buttonRow_->addWidget(button);
    return button;
}

QPushButton* GraphWindowView::addButton(const std::string& caption, std::function<void()> handler) {
    QPushButton* button = rowButton(caption, std::move(handler));
    // Keep the stretch at the end of the row.
    buttonRow_->removeWidget(button);
    buttonRow_->insertWidget(buttonRow_->count() - 1, button);
    return button;
}

void GraphWindowView::refreshFromModel() {
    setWindowTitle(qs(model().Caption));
    if (gridView_ != nullptr) {
        gridView_->refreshFromModel();
    }
    graphView_->refreshFromModel();
}

} // namespace korvex::gui
