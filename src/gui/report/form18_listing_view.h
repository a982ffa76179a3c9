#pragma once

#include "app/window_view.h"

#include <string>
#include <vector>

class QListWidget;

namespace korvex {
class Form18;
}

namespace korvex::gui {

// The listing of results: one list entry per report line, the tabs of each line expanded by the
// report's tab-stop rule, as its printout expands them, so that the report's tables line up.
class Form18View : public WindowView {
    Q_OBJECT
public:
    Form18View(Form18& model, GuiHost& host);
    ~Form18View() override;

    void refreshFromModel() override;
    QListWidget& list() { return *list_; }

private:
    Form18& form_;
    QListWidget* list_ = nullptr;
    // The lines the list shows.
    std::vector<std::string> shownLines_;
};

} // namespace korvex::gui
