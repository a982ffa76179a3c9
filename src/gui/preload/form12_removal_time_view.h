#pragma once

#include "ui/result_window_view.h"
#include "ui/text_box.h"

class QLineEdit;

namespace korvex {
class Form12;
}

namespace korvex::gui {

// The removal-time window: the drain spacing and the table of times and advantages beside the
// graph.
class Form12View : public ResultWindowView {
    Q_OBJECT
public:
    Form12View(Form12& model, GuiHost& host);

    void refreshFromModel() override;
    QLineEdit* spacingBox() const { return spacing_; }

private:
    FieldBoxes fields_;
    QLineEdit* spacing_ = nullptr;
};

} // namespace korvex::gui
