#include "settlement/form3_settlement_results_view.h"

#include "app/qt_desktop.h"
#include "settlement/form3_settlement_results.h"
#include "ui/text_box.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace korvex::gui {

Form3View::Form3View(Form3& model, GuiHost& host)
    : ResultWindowView(model, host, model.Graph1, &model.Fg3,
                       graphButtons(model, &Form3::Command1_Click, &Form3::Command3_Click,
                                    &Form3::Command8_Click)),
      form_(model) {
    label1_ = new QLabel(this);
    label1_->setWordWrap(true);
    sideColumn()->addWidget(label1_);

    auto* choices = new QGridLayout;
    choices->addWidget(sideButton("Settlements", &Form3::Command5_Click), 0, 0);
    choices->addWidget(sideButton("Settlements/Stresses fill", &Form3::Command4_Click), 0, 1);
    choices->addWidget(sideButton("Soil stresses", &Form3::Command2_Click), 1, 0);
    choices->addWidget(sideButton("Fill Height vs Surface level", &Form3::Command6_Click), 1, 1);
    choices->addWidget(sideButton("Settlement Fill Height", &Form3::Command7_Click), 2, 0);
    list_ = sideButton("List", &Form3::Command9_Click);
    choices->addWidget(list_, 2, 1);
    sideColumn()->addLayout(choices);
    fitTableWidth(*this);
    resize(1150, 640);
}

QPushButton* Form3View::sideButton(const std::string& caption, void (Form3::*handler)()) {
    auto* button = new QPushButton(qs(caption), this);
    button->setAutoDefault(false);
    Form3& form = form_;
    connect(button, &QPushButton::clicked, this,
            [this, &form, handler] { handle([&form, handler] { (form.*handler)(); }); });
    buttons_.push_back(button);
    return button;
}

QPushButton* Form3View::button(const std::string& caption) const {
    return findButton(buttons_, caption);
}

void Form3View::refreshFromModel() {
    GraphWindowView::refreshFromModel();
    label1_->setText(qs(form_.Label1));
    list_->setEnabled(form_.listAvailable());
}

} // namespace korvex::gui
