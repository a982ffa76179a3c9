#include "preload/form12_removal_time_view.h"

#include "preload/form12_removal_time.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace korvex::gui {

Form12View::Form12View(Form12& model, GuiHost& host)
    : ResultWindowView(model, host, model.Graph1, &model.Fg12,
                       graphButtons(model, &Form12::Command1_Click, &Form12::Command2_Click,
                                    &Form12::Command3_Click)) {
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
    resize(1000, 560);
}

void Form12View::refreshFromModel() {
    ResultWindowView::refreshFromModel();
    fields_.refresh();
}

} // namespace korvex::gui
