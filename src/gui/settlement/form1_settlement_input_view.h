#pragma once

#include "app/window_view.h"
#include "ui/text_box.h"

#include <string>
#include <utility>
#include <vector>

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace korvex {
class Form1;
}

namespace korvex::gui {

class GridView;

// The settlement input window: the site in labelled boxes, the layers in the table of the frame
// "Settlement Parameters", the calculation and helper buttons below.
class Form1View : public WindowView {
    Q_OBJECT
public:
    Form1View(Form1& model, GuiHost& host);
    ~Form1View() override;

    void refreshFromModel() override;

    // The box of a field by its program name ("Text7"), for tests that type like a user.
    QLineEdit* box(const std::string& name) const;
    GridView& layerTable() { return *table_; }
    QCheckBox& submergence() { return *check1_; }
    // The button with the given caption.
    QPushButton* button(const std::string& caption) const;

protected:
    void commitEdits() override;

private:
    Form1& form_;
    FieldBoxes fields_;
    QCheckBox* check1_ = nullptr;
    GridView* table_ = nullptr;
    QPushButton* lineFit_ = nullptr;
    QPushButton* bjerrumEquation_ = nullptr;
    QPushButton* curveFit_ = nullptr;
    QPushButton* koppejanEquation_ = nullptr;
};

} // namespace korvex::gui
