#include "settlement/form1_settlement_input_view.h"

#include "app/qt_desktop.h"
#include "settlement/form1_settlement_input.h"
#include "ui/grid_view.h"
#include "ui/text_box.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace korvex::gui {

Form1View::Form1View(Form1& model, GuiHost& host) : WindowView(model, host), form_(model) {
    auto* outer = new QVBoxLayout(this);

    // The site: heading and levels on the left, densities and fill steps on the right, each box
    // beside its label.
    auto* site = new QGroupBox(this);
    auto* siteLayout = new QGridLayout(site);
    // Which of the four groups each box sits in; its caption and text come from the window's
    // table of boxes.
    struct Placement {
        const char* name;
        int group;
    };
    const Placement placements[] = {
        {"Text1", 0}, {"Text2", 0},  {"Text3", 0},  {"Text7", 0},  {"Text4", 1},
        {"Text5", 1}, {"Text15", 1}, {"Text11", 1}, {"Text6", 2},  {"Text8", 2},
        {"Text9", 2}, {"Text10", 2}, {"Text12", 3}, {"Text13", 3}, {"Text14", 3},
    };
    int rowOfGroup[4] = {0, 0, 0, 0};
    for (const Placement& p : placements) {
        const InputBox<Form1>& b = boxNamed(Form1::boxes(), p.name);
        auto* label = new QLabel(QString::fromUtf8(b.caption), site);
        auto* edit = new QLineEdit(site);
        edit->setObjectName(QString::fromUtf8(b.name));
        label->setBuddy(edit);
        // Project, bore hole and method are names, the rest short numbers.
        const bool name = p.group == 0 && std::string(b.name) != "Text7";
        edit->setMinimumWidth(name ? 260 : 90);
        if (!name) {
            edit->setMaximumWidth(120);
        }
        // Two groups of boxes stacked in each half of the frame.
        const int row = rowOfGroup[p.group]++ + (p.group % 2) * 4;
        const int column = (p.group / 2) * 2;
        fields_.add(b.name, edit, &(form_.*(b.text)));
        siteLayout->addWidget(label, row, column);
        siteLayout->addWidget(edit, row, column + 1);
    }
    check1_ = new QCheckBox(QStringLiteral("Stresspaths submergence ON/OFF ?"), site);
    siteLayout->addWidget(check1_, 8, 2, 1, 2);
    siteLayout->setColumnStretch(1, 2);
    siteLayout->setColumnStretch(3, 1);
    outer->addWidget(site);

    auto* frame = new QGroupBox(QStringLiteral("Settlement Parameters"), this);
    auto* frameLayout = new QVBoxLayout(frame);
    table_ = new GridView(form_.Fg1, form_.TxtEdit, host.app().desktop(), frame);
    table_->setObjectName(QStringLiteral("Fg1"));
    table_->setMinimumHeight(table_->verticalHeader()->defaultSectionSize() * 10);
    frameLayout->addWidget(table_);
    outer->addWidget(frame, 1);

    auto* helpers = new QHBoxLayout;
    helpers->addWidget(makeButton("Dimensions ", form_, &Form1::Command3_Click));
    helpers->addWidget(makeButton("Values for Calpha", form_, &Form1::Command5_Click));
    helpers->addWidget(makeButton("Correction Bulkdensity ", form_, &Form1::Command6_Click));
    lineFit_ = makeButton("Line fitting Cc-e0", form_, &Form1::Command8_Click);
    helpers->addWidget(lineFit_);
    bjerrumEquation_ = makeButton("Equation", form_, &Form1::Command4_Click);
    helpers->addWidget(bjerrumEquation_);
    curveFit_ = makeButton("Curve fitting 1/Cp,1/Cs", form_, &Form1::Command7_Click);
    helpers->addWidget(curveFit_);
    koppejanEquation_ = makeButton("Equation", form_, &Form1::Command9_Click);
    helpers->addWidget(koppejanEquation_);
    helpers->addStretch(1);
    outer->addLayout(helpers);

    auto* actions = new QHBoxLayout;
    actions->addStretch(1);
    QPushButton* calculate = makeButton("Calculate Settlements", form_, &Form1::Command1_Click);
    calculate->setDefault(false);
    QFont bold = calculate->font();
    bold.setBold(true);
    calculate->setFont(bold);
    actions->addWidget(calculate);
    actions->addWidget(makeButton("Exit", form_, &Form1::Command2_Click));
    outer->addLayout(actions);

    connect(check1_, &QCheckBox::toggled, this,
            [this](bool on) { form_.Check1 = static_cast<Integer>(on ? 1 : 0); });
    resize(1100, 720);
}

Form1View::~Form1View() = default;

void Form1View::refreshFromModel() {
    setWindowTitle(qs(form_.Caption));
    fields_.refresh();
    check1_->setChecked(form_.Check1 != 0);
    table_->refreshFromModel();
    const bool bjerrum = form_.bjerrumHelpersOffered();
    const bool koppejan = form_.koppejanHelpersOffered();
    lineFit_->setEnabled(bjerrum);
    bjerrumEquation_->setEnabled(bjerrum);
    curveFit_->setEnabled(koppejan);
    koppejanEquation_->setEnabled(koppejan);
}

void Form1View::commitEdits() {
    fields_.commit();
    form_.Check1 = static_cast<Integer>(check1_->isChecked() ? 1 : 0);
    table_->commitPendingEdit();
}

QLineEdit* Form1View::box(const std::string& name) const {
    return fields_.find(name);
}

QPushButton* Form1View::button(const std::string& caption) const {
    return findButton(caption, /*enabledOnly=*/true);
}

} // namespace korvex::gui
