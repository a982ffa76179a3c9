#pragma once

#include "app/window_view.h"
#include "ui/text_box.h"

#include <string>
#include <vector>

class QAction;
class QLineEdit;
class QPushButton;

namespace korvex {
class Form13;
}

namespace korvex::gui {

class GraphView;
class GridView;

// The observation window: plate, shift and time increment above, the measurement table on the
// left, the graph of the Asaoka and rate plots on the right, the Asaoka results below it, and the
// frames of comparison and special-plot buttons.
class Form13View : public WindowView {
    Q_OBJECT
public:
    Form13View(Form13& model, GuiHost& host);
    ~Form13View() override;

    void refreshFromModel() override;
    QLineEdit* box(const std::string& name) const;
    QPushButton* button(const std::string& caption) const;
    GridView& measurements() { return *table_; }
    GraphView& graph() { return *graph_; }
    const std::vector<QAction*>& fileItems() const { return fileItems_; }

protected:
    void commitEdits() override;

private:
    Form13& form_;
    FieldBoxes fields_;
    GridView* table_ = nullptr;
    GraphView* graph_ = nullptr;
    QPushButton* list_ = nullptr;
    std::vector<QAction*> fileItems_;
};

} // namespace korvex::gui
