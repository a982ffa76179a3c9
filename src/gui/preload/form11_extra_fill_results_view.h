#pragma once

#include "ui/graph_window_view.h"

class QPushButton;

namespace korvex {
class Form11;
}

namespace korvex::gui {

class GridView;

// The extra-fill result window: the two settlement tables and the eleven graph buttons beside the
// graph; "Pre load/time" and "List" with the graph window's buttons.
class Form11View : public GraphWindowView {
    Q_OBJECT
public:
    Form11View(Form11& model, GuiHost& host);

    void refreshFromModel() override;
    QPushButton* button(const std::string& caption) const;
    GridView& totals() { return *totals_; }
    GridView& restLayers() { return *restLayers_; }

private:
    Form11& form_;
    GridView* totals_ = nullptr;
    GridView* restLayers_ = nullptr;
    QPushButton* list_ = nullptr;
};

} // namespace korvex::gui
