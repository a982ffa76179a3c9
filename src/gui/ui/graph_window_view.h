#pragma once

// The window around a graph: the graph, optionally a result table beside it, and the buttons
// "Exit", "Print" and "Image to Clipboard" (captions and handlers given by the window).

#include "app/window_view.h"
#include "ui/graph_model.h"
#include "ui/grid.h"

#include <functional>
#include <string>

class QPushButton;
class QHBoxLayout;
class QVBoxLayout;

namespace korvex::gui {

class GraphView;
class GridView;

struct GraphWindowButtons {
    std::string exitCaption = "Exit";
    std::string printCaption = "Print";
    std::string clipboardCaption = "Image to Clipboard";
    // The model's handlers, run through WindowView::handle.
    std::function<void()> exitClicked;
    std::function<void()> printClicked;
    std::function<void()> clipboardClicked;
};

class GraphWindowView : public WindowView {
    Q_OBJECT
public:
    // grid may be null (a bare graph window); when given it is shown read-only beside the graph.
    GraphWindowView(WindowModel& model, GuiHost& host, GraphModel& graph, Grid* grid,
                    GraphWindowButtons buttons, QWidget* parent = nullptr);
    ~GraphWindowView() override;

    void refreshFromModel() override;

    GraphView& graphView() { return *graphView_; }
    GridView* gridView() { return gridView_; }
    QPushButton* exitButton() { return exitButton_; }
    QPushButton* printButton() { return printButton_; }
    QPushButton* clipboardButton() { return clipboardButton_; }

    // A further button in the button row, running the given model handler.
    QPushButton* addButton(const std::string& caption, std::function<void()> handler);
    // The column beside the graph where a window puts its own boxes and labels (under the table).
    QVBoxLayout* sideColumn() { return sideColumn_; }

private:
    QPushButton* rowButton(const std::string& caption, std::function<void()> handler);

    GraphView* graphView_ = nullptr;
    GridView* gridView_ = nullptr;
    QPushButton* exitButton_ = nullptr;
    QPushButton* printButton_ = nullptr;
    QPushButton* clipboardButton_ = nullptr;
    QHBoxLayout* buttonRow_ = nullptr;
    QVBoxLayout* sideColumn_ = nullptr;
};

} // namespace korvex::gui
