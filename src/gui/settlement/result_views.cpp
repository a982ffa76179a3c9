#include "settlement/result_views.h"

#include "ui/text_box.h"

#include "app/qt_desktop.h"
#include "settlement/form2_soil_stresses.h"
#include "settlement/form3_settlement_results.h"
#include "settlement/form8_fill_height.h"
#include "settlement/form9_fill_height_required_time.h"
#include "ui/grid_view.h"

#include <QFontMetrics>
#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace korvex::gui {

namespace {

template <typename Form>
GraphWindowButtons graphButtons(Form& form, void (Form::*exitHandler)(),
                                void (Form::*printHandler)(), void (Form::*clipboardHandler)(),
                                const char* clipboardCaption = "Image to Clipboard") {
    GraphWindowButtons buttons;
    buttons.clipboardCaption = clipboardCaption;
    buttons.exitClicked = [&form, exitHandler] { (form.*exitHandler)(); };
    buttons.printClicked = [&form, printHandler] { (form.*printHandler)(); };
    buttons.clipboardClicked = [&form, clipboardHandler] { (form.*clipboardHandler)(); };
    return buttons;
}

// A result table shows every column without a horizontal scroll bar.
void fitTableWidth(GraphWindowView& view) {
    view.refreshFromModel();
    if (GridView* table = view.gridView()) {
        table->setMinimumWidth(table->sizeHint().width());
    }
}

} // namespace

ResultWindowView::ResultWindowView(WindowModel& model, GuiHost& host, GraphModel& graph, Grid* grid,
                                   GraphWindowButtons buttons)
    : GraphWindowView(model, host, graph, grid, std::move(buttons)) {
    if (GridView* table = gridView()) {
        // The table copies the layout's widths again whenever its current cell moves.
        connect(table, &QTableWidget::currentCellChanged, this, [this] { widenColumns(); });
    }
}

void ResultWindowView::refreshFromModel() {
    GraphWindowView::refreshFromModel();
    widenColumns();
}

void ResultWindowView::widenColumns() {
    if (GridView* table = gridView()) {
        const QFontMetrics metrics(table->horizontalHeader()->font());
        for (int c = 0; c < table->columnCount(); ++c) {
            const QTableWidgetItem* heading = table->horizontalHeaderItem(c);
            if (heading == nullptr) {
                continue;
            }
            const int wanted = metrics.horizontalAdvance(heading->text()) + 14;
            if (table->columnWidth(c) < wanted) {
                table->setColumnWidth(c, wanted);
            }
        }
    }
}

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

GraphWindowView* makeForm2View(Form2& model, GuiHost& host) {
    auto* view = new ResultWindowView(model, host, model.Graph1, &model.Fg2,
                                      graphButtons(model, &Form2::Command1_Click,
                                                   &Form2::Command2_Click, &Form2::Command3_Click));
    fitTableWidth(*view);
    view->resize(1150, 600);
    return view;
}

GraphWindowView* makeForm8View(Form8& model, GuiHost& host) {
    auto* view =
        new ResultWindowView(model, host, model.Graph1, &model.Fg6,
                             graphButtons(model, &Form8::Command1_Click, &Form8::Command2_Click,
                                          &Form8::Command3_Click, "Image to Cipboard"));
    fitTableWidth(*view);
    view->resize(1180, 600);
    return view;
}

GraphWindowView* makeForm9View(Form9& model, GuiHost& host) {
    auto* view = new ResultWindowView(model, host, model.Graph1, &model.Fg7,
                                      graphButtons(model, &Form9::Command1_Click,
                                                   &Form9::Command2_Click, &Form9::Command3_Click));
    fitTableWidth(*view);
    view->resize(1000, 600);
    return view;
}

} // namespace korvex::gui
