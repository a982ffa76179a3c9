#include "consolidation/form7_settlement_time_list_view.h"
#include "app/qt_desktop.h"
#include "consolidation/form7_settlement_time_list.h"
#include "ui/grid_view.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace korvex::gui {

Form7View::Form7View(Form7& model, GuiHost& host) : WindowView(model, host), form_(model) {
    auto* outer = new QVBoxLayout(this);
    auto* frame = new QGroupBox(this);
    auto* frameLayout = new QVBoxLayout(frame);
    table_ = new GridView(form_.Fg5, frame);
    const QFont arial(QStringLiteral("Arial"), 8);
    table_->setFont(arial);
    // The column widths of the layout are narrow for the longest headings at screen fonts.
    QFont heading = arial;
    heading.setPointSizeF(7.5);
    table_->horizontalHeader()->setFont(heading);
    frameLayout->addWidget(table_);
    outer->addWidget(frame, 1);

    auto* bottom = new QHBoxLayout;
    auto* labels = new QVBoxLayout;
    labels->addWidget(new QLabel(qs(form_.Label1), this));
    labels->addWidget(new QLabel(qs(form_.Label2), this));
    bottom->addLayout(labels);
    bottom->addStretch(1);
    bottom->addWidget(makeButton("Exit", form_, &Form7::Command1_Click));
    outer->addLayout(bottom);
    resize(1000, 560);
}

Form7View::~Form7View() = default;

void Form7View::refreshFromModel() {
    setWindowTitle(qs(form_.Caption));
    table_->refreshFromModel();
}

} // namespace korvex::gui
