#include "preload/form12_removal_time_view.h"

#include "preload/form12_removal_time.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace korvex::gui {

namespace {

GraphWindowButtons form12Buttons(Form12& form) {
    GraphWindowButtons buttons;
    buttons.exitClicked = [&form] { form.Command1_Click(); };
    buttons.printClicked = [&form] { form.Command2_Click(); };
    buttons.clipboardClicked = [&form] { form.Command3_Click(); };
    return buttons;
}

} // namespace

Form12View::Form12View(Form12& model, GuiHost& host)
    : ResultWindowView(model, host, model.Graph1, &model.Fg12, form12Buttons(model)) {
    auto* row = new QHBoxLayout;
    auto* label = new QLabel(QStringLiteral("Drainspacing Triangular pattern (m):"), this);
    spacing_ = new QLineEdit(this);
    spacing_->setObjectName(QStringLiteral("Text1"));
    spacing_->setReadOnly(true);
    spacing_->setFixedWidth(80);
    label->setBuddy(spacing_);
    fields_.add("Text1", spacing_, &model.Text1, /*editable=*/false);
    row->addWidget(label);
    row->addWidget(spacing_);
    row->addStretch(1);
    sideColumn()->insertLayout(0, row);
    fitTableWidth(*this);
    resize(1000, 560);
}

void Form12View::refreshFromModel() {
    ResultWindowView::refreshFromModel();
    fields_.refresh();
}

} // namespace korvex::gui
