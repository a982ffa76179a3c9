#pragma once

#include "app/window_view.h"
#include "ui/text_box.h"

#include <string>
#include <vector>

class QLineEdit;
class QPushButton;
class QRadioButton;

namespace korvex {
class Form4;
}

namespace korvex::gui {

class GridView;

// The consolidation input window: the inputs in labelled boxes, the two option frames, the layer
// Cv table with the equivalent Cv, and the buttons.
class Form4View : public WindowView {
    Q_OBJECT
public:
    Form4View(Form4& model, GuiHost& host);
    ~Form4View() override;

    void refreshFromModel() override;
    // The box of a field by its program name ("Text7"), for tests that type like a user.
    QLineEdit* box(const std::string& name) const;
    QPushButton* button(const std::string& caption) const;
    QRadioButton* option(int number) const;
    GridView& cvTable() { return *table_; }

protected:
    void commitEdits() override;

private:
    Form4& form_;
    FieldBoxes fields_;
    QRadioButton* options_[4] = {};
    GridView* table_ = nullptr;
};

} // namespace korvex::gui
