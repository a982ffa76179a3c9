#include "settlement/form3_settlement_results_view.h"

#include "app/qt_desktop.h"
#include "settlement/form3_settlement_results.h"
#include "ui/grid_view.h"

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
    struct Choice {
        const char* caption;
        void (Form3::*handler)();
    };
    // Two columns, filled row by row.
    const Choice choiceButtons[] = {
        {"Settlements", &Form3::Command5_Click},
        {"Settlements/Stresses fill", &Form3::Command4_Click},
        {"Soil stresses", &Form3::Command2_Click},
        {"Fill Height vs Surface level", &Form3::Command6_Click},
        {"Settlement Fill Height", &Form3::Command7_Click},
        {"List", &Form3::Command9_Click},
    };
    // Tab follows the layout: the table, the choices under it, then the button row.
    std::vector<QWidget*> tabOrder = {gridView()};
    int place = 0;
    for (const Choice& c : choiceButtons) {
        QPushButton* button = makeButton(c.caption, form_, c.handler);
        choices->addWidget(button, place / 2, place % 2);
        tabOrder.push_back(button);
        ++place;
    }
    list_ = findButton("List");
    sideColumn()->addLayout(choices);
    tabOrder.insert(tabOrder.end(), {exitButton(), printButton(), clipboardButton()});
    setTabOrder(tabOrder);
    resize(1150, 640);
}

QPushButton* Form3View::button(const std::string& caption) const {
    return findButton(caption);
}

void Form3View::refreshFromModel() {
    GraphWindowView::refreshFromModel();
    label1_->setText(qs(form_.Label1));
    list_->setEnabled(form_.listAvailable());
}

} // namespace korvex::gui
