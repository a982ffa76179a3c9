#pragma once

// A graph on screen: draws what its GraphModel holds whenever the model's drawing changed.

#include "ui/graph_model.h"

#include <QWidget>

class QCustomPlot;

namespace korvex::gui {

class GraphView : public QWidget {
    Q_OBJECT
public:
    explicit GraphView(GraphModel& graph, QWidget* parent = nullptr);
    ~GraphView() override;

    // Draws again when the model is another one, or its drawing changed, since the view last drew.
    // The plot is rebuilt at once and painted once the event loop turns, so that several refreshes
    // in one event paint once.
    void refreshFromModel();
    // Shows the graph of a window loaded anew; it is drawn at the next refresh, also when the new
    // graph took the old one's place in memory and has drawn as often.
    void setGraph(GraphModel& graph) {
        graph_ = &graph;
        drawnGraph_ = nullptr;
    }

    // Draws the graph afresh at the next refresh, as a view built now would.
    void forgetShown() { drawnGraph_ = nullptr; }

    GraphModel& graph() { return *graph_; }
    QCustomPlot& plot() { return *plot_; }
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void redraw();

    GraphModel* graph_;
    QCustomPlot* plot_;
    // The model and its change count as last drawn.
    const GraphModel* drawnGraph_ = nullptr;
    unsigned drawnCount_ = 0;
};

// The view that shows a graph in an open window, or null when none does.
GraphView* graphViewShowing(const GraphModel& graph);

} // namespace korvex::gui
