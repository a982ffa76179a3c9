#pragma once

#include "app/window_view.h"
#include "ui/text_box.h"

#include <string>
#include <vector>

class QLabel;
class QLineEdit;
class QPushButton;

namespace korvex {
class Form5;
}

namespace korvex::gui {

// The consolidation result window: read-only boxes in two frames, the graph buttons in a third,
// the list, preload and exit buttons beside them.
class Form5View : public WindowView {
    Q_OBJECT
public:
    Form5View(Form5& model, GuiHost& host);
    ~Form5View() override;

    void refreshFromModel() override;
    QLineEdit* box(const std::string& name) const;
    QPushButton* button(const std::string& caption) const;

private:
    // A read-only box, announced by the label that stands before it.
    QLineEdit* makeBox(const std::string& name, std::string* text, QLabel* label);

    Form5& form_;
    FieldBoxes fields_;
    QPushButton* preload_ = nullptr;
    QPushButton* listing_ = nullptr;
};

} // namespace korvex::gui
