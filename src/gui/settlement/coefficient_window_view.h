#pragma once

#include "app/window_view.h"
#include "ui/input_boxes.h"

#include <functional>
#include <string>
#include <vector>

class QLineEdit;
class QPushButton;

namespace korvex::gui {

// The two windows of fitting coefficients: equations in a frame, one labelled box per
// coefficient, and "OK and Exit".
class CoefficientView : public WindowView {
    Q_OBJECT
public:
    struct Box {
        std::string name;
        std::string label;
        std::string* text;
    };
    // The boxes of a coefficient window's table, each beside its caption.
    template <typename Form> static std::vector<Box> boxesOf(Form& form) {
        std::vector<Box> boxes;
        for (const InputBox<Form>& box : Form::boxes()) {
            boxes.push_back({box.name, box.caption, &(form.*box.text)});
        }
        return boxes;
    }
    CoefficientView(WindowModel& model, GuiHost& host, const std::string& frameCaption,
                    const std::vector<std::string>& equations, std::vector<Box> boxes,
                    std::function<void()> okAndExit);

    void refreshFromModel() override;
    QLineEdit* box(std::size_t index) const { return edits_.at(index); }
    QPushButton* okButton() const { return ok_; }

protected:
    void commitEdits() override;

private:
    std::vector<Box> boxes_;
    std::vector<QLineEdit*> edits_;
    QPushButton* ok_ = nullptr;
};

} // namespace korvex::gui
