#pragma once

#include "app/window_view.h"
#include "ui/text_box.h"

#include <string>

class QLineEdit;
class QPushButton;
class QRadioButton;

namespace korvex {
class Form10;
}

namespace korvex::gui {

class GraphView;
class GridView;

// The preload window: the three boxes and the flow option on the left above the layer table, the
// intersections table and graph on the right, the buttons below.
class Form10View : public WindowView {
    Q_OBJECT
public:
    Form10View(Form10& model, GuiHost& host);
    ~Form10View() override;

    void refreshFromModel() override;
    // The box of a field by its program name ("Text1"), for tests that type like a user.
    QLineEdit* box(const std::string& name) const;
    QPushButton* button(const std::string& caption) const;
    QRadioButton* option(int number) const;
    GridView& layerTable() { return *layers_; }
    GridView& resultTable() { return *results_; }
    GraphView& graph() { return *graph_; }

protected:
    void commitEdits() override;

private:
    Form10& form_;
    FieldBoxes fields_;
    QRadioButton* options_[2] = {};
    GridView* layers_ = nullptr;
    GridView* depths_ = nullptr;
    GridView* results_ = nullptr;
    GraphView* graph_ = nullptr;
};

} // namespace korvex::gui
