#include "settlement/coefficient_window_view.h"

#include "app/qt_desktop.h"
#include "ui/text_box.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace korvex::gui {

CoefficientView::CoefficientView(WindowModel& model, GuiHost& host, const std::string& frameCaption,
                                 const std::vector<std::string>& equations, std::vector<Box> boxes,
                                 std::function<void()> okAndExit)
    : WindowView(model, host), boxes_(std::move(boxes)) {
    auto* outer = new QVBoxLayout(this);
    auto* frame = new QGroupBox(qs(frameCaption), this);
    auto* frameLayout = new QVBoxLayout(frame);
    for (const std::string& equation : equations) {
        frameLayout->addWidget(new QLabel(qs(equation), frame));
    }
    outer->addWidget(frame);

    // Four boxes or fewer in one column; eight as the a's beside the b's.
    auto* columns = new QHBoxLayout;
    const std::size_t perColumn = boxes_.size() > 4 ? (boxes_.size() + 1) / 2 : boxes_.size();
    QFormLayout* form = nullptr;
    for (std::size_t i = 0; i < boxes_.size(); ++i) {
        if (i % perColumn == 0) {
            form = new QFormLayout;
            columns->addLayout(form);
        }
        auto* edit = new QLineEdit(this);
        edit->setObjectName(qs(boxes_[i].name));
        edit->setMinimumWidth(90);
        form->addRow(qs(boxes_[i].label), edit);
        keepInModel(edit, boxes_[i].text);
        edits_.push_back(edit);
    }
    outer->addLayout(columns);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    ok_ = makeButton("OK and Exit", std::move(okAndExit));
    buttons->addWidget(ok_);
    outer->addLayout(buttons);
}

void CoefficientView::refreshFromModel() {
    setWindowTitle(qs(model().Caption));
    for (std::size_t i = 0; i < boxes_.size(); ++i) {
        const QString text = qs(*boxes_[i].text);
        if (edits_[i]->text() != text) {
            edits_[i]->setText(text);
        }
    }
}

void CoefficientView::commitEdits() {
    for (std::size_t i = 0; i < boxes_.size(); ++i) {
        *boxes_[i].text = ss(edits_[i]->text());
    }
}

} // namespace korvex::gui
