#pragma once

#include "app/window_view.h"

namespace korvex {
class Form7;
}

namespace korvex::gui {

class GridView;

// The list of settlements against time.
class Form7View : public WindowView {
    Q_OBJECT
public:
    Form7View(Form7& model, GuiHost& host);
    ~Form7View() override;

    void refreshFromModel() override;
    GridView& table() { return *table_; }

private:
    Form7& form_;
    GridView* table_ = nullptr;
};

} // namespace korvex::gui
