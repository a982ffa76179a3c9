#pragma once

#include "app/tab_stops.h"
#include "app/window_view.h"

#include <string>
#include <vector>

class QListWidget;

namespace korvex {
class Form18;
}

namespace korvex::gui {

// The listing of results: one list entry per report line, its pieces placed by the report's
// tab-stop rule, as its printout places them, so that the report's tables line up.
class Form18View : public WindowView {
    Q_OBJECT
public:
    Form18View(Form18& model, GuiHost& host);
    ~Form18View() override;

    void refreshFromModel() override;
    QListWidget& list() { return *list_; }
    // Where the pieces of each shown line stand, from the left of its entry.
    const std::vector<std::vector<PlacedText>>& placedLines() const { return placed_; }

private:
    Form18& form_;
    QListWidget* list_ = nullptr;
    // The lines the list shows, and their pieces laid out in the list's font.
    std::vector<std::string> shownLines_;
    std::vector<std::vector<PlacedText>> placed_;
};

} // namespace korvex::gui
