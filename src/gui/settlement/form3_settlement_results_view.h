#pragma once

#include "ui/result_window_view.h"

#include <string>
#include <vector>

class QLabel;
class QPushButton;

namespace korvex {
class Form3;
}

namespace korvex::gui {

// The settlement result window: the load-step table with its note, the graph, and the buttons
// that redraw the graph or open the other result windows.
class Form3View : public ResultWindowView {
    Q_OBJECT
public:
    Form3View(Form3& model, GuiHost& host);
    void refreshFromModel() override;
    QPushButton* listButton() { return list_; }
    QPushButton* button(const std::string& caption) const;

private:
    Form3& form_;
    QLabel* label1_ = nullptr;
    QPushButton* list_ = nullptr;
};

} // namespace korvex::gui
