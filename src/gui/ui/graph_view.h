#pragma once

// A graph on screen: draws what its GraphModel holds each time the model is told to draw.

#include "ui/graph_model.h"

#include <QWidget>

class QCustomPlot;

namespace korvex::gui {

class GraphView : public QWidget {
    Q_OBJECT
public:
    explicit GraphView(GraphModel& graph, QWidget* parent = nullptr);
    ~GraphView() override;

    // Draws again when the model has been drawn (DrawMode 2 or 3) since the last refresh.
    void refreshFromModel();
    // Draws the model's current data now, drawn or not.
    void redraw();

    GraphModel& graph() { return graph_; }
    QCustomPlot& plot() { return *plot_; }
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    GraphModel& graph_;
    QCustomPlot* plot_;
    unsigned drawnRevision_;
};

// The view that shows a graph in an open window, or null when none does.
GraphView* graphViewShowing(const GraphModel& graph);

} // namespace korvex::gui
