#include "consolidation/form4_consolidation_input_view.h"
#include "app/qt_desktop.h"
#include "consolidation/form4_consolidation_input.h"
#include "ui/grid_view.h"
#include "ui/text_box.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace korvex::gui {

Form4View::Form4View(Form4& model, GuiHost& host) : WindowView(model, host), form_(model) {
    auto* outer = new QVBoxLayout(this);
    auto* body = new QHBoxLayout;
    outer->addLayout(body, 1);

    // The inputs: drain design on the left, the site and soil on the right.
    auto* inputs = new QGroupBox(this);
    auto* grid = new QGridLayout(inputs);
    // Which column each box sits in; its caption and text come from the window's table of
    // boxes.
    struct Placement {
        const char* name;
        int column;
    };
    const Placement placements[] = {
        {"Text1", 0},  {"Text2", 0},  {"Text3", 0},  {"Text4", 0},  {"Text7", 0},  {"Text9", 0},
        {"Text13", 0}, {"Text8", 0},  {"Text5", 1},  {"Text6", 1},  {"Text10", 1}, {"Text11", 1},
        {"Text12", 1}, {"Text15", 1}, {"Text16", 1}, {"Text17", 1},
    };
    int rows[2] = {0, 0};
    for (const Placement& p : placements) {
        const InputBox<Form4>& b = boxNamed(Form4::boxes(), p.name);
        auto* label = new QLabel(QString::fromUtf8(b.caption), inputs);
        auto* edit = new QLineEdit(inputs);
        edit->setObjectName(QString::fromUtf8(b.name));
        edit->setFixedWidth(110);
        label->setBuddy(edit);
        fields_.add(b.name, edit, &(form_.*(b.text)));
        const int row = rows[p.column]++;
        grid->addWidget(label, row, p.column * 2);
        grid->addWidget(edit, row, p.column * 2 + 1);
    }
    auto* ratio = new QLabel(
        QStringLiteral("kh = horizontal permeability kr = permeability remolded Soil around the "
                       "drain."),
        inputs);
    // On one line across the frame: a wrapped line was cut when the window was made small.
    grid->addWidget(ratio, rows[0], 0, 1, 4);
    grid->setColumnMinimumWidth(2, 16);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    grid->setHorizontalSpacing(10);

    auto* left = new QVBoxLayout;
    left->addWidget(inputs);
    auto* optionRow = new QHBoxLayout;
    struct OptionFrame {
        const char* caption;
        const char* first;
        const char* second;
    };
    const OptionFrame frames[] = {
        {"Pore water flow", "Two way flow of pore water", "One way flow of porewater"},
        {"Time for Secondary Settlement", "End of Primary 1 day",
         "End of Primary tp for Time factor"},
    };
    for (std::size_t f = 0; f < 2; ++f) {
        auto* frame = new QGroupBox(QString::fromUtf8(frames[f].caption), this);
        auto* layout = new QVBoxLayout(frame);
        auto* group = new QButtonGroup(frame);
        options_[2 * f] = new QRadioButton(QString::fromUtf8(frames[f].first), frame);
        options_[2 * f + 1] = new QRadioButton(QString::fromUtf8(frames[f].second), frame);
        for (std::size_t k = 0; k < 2; ++k) {
            options_[2 * f + k]->setObjectName(QStringLiteral("Option%1").arg(2 * f + k + 1));
            group->addButton(options_[2 * f + k]);
            layout->addWidget(options_[2 * f + k]);
        }
        optionRow->addWidget(frame);
    }
    left->addLayout(optionRow);
    left->addStretch(1);
    bool Form4::*fields[4] = {&Form4::Option1, &Form4::Option2, &Form4::Option3, &Form4::Option4};
    for (int k = 0; k < 4; ++k) {
        // The selection lives in the window model at once, so a refresh never undoes a click.
        connect(options_[k], &QRadioButton::toggled, this,
                [this, field = fields[k]](bool on) { form_.*field = on; });
    }
    body->addLayout(left, 3);

    auto* cvFrame =
        new QGroupBox(QStringLiteral("Degree of consolidation for vertical flow."), this);
    auto* cvLayout = new QVBoxLayout(cvFrame);
    table_ = new GridView(form_.Fg4, form_.TxtEdit, host.app().desktop(), cvFrame);
    table_->setObjectName(QStringLiteral("Fg4"));
    table_->setMinimumHeight(table_->verticalHeader()->defaultSectionSize() * 12);
    cvLayout->addWidget(table_, 1);
    const InputBox<Form4>& equivalentBox = boxNamed(Form4::boxes(), "Text14");
    auto* equivalentLabel = new QLabel(QString::fromUtf8(equivalentBox.caption), cvFrame);
    equivalentLabel->setWordWrap(true);
    cvLayout->addWidget(equivalentLabel);
    auto* equivalent = new QLineEdit(cvFrame);
    equivalent->setObjectName(QString::fromUtf8(equivalentBox.name));
    equivalentLabel->setBuddy(equivalent);
    fields_.add(equivalentBox.name, equivalent, &(form_.*(equivalentBox.text)));
    cvLayout->addWidget(equivalent);
    cvLayout->addWidget(makeButton("Calculation Equiv. Cv", form_, &Form4::Command4_Click));
    body->addWidget(cvFrame, 1);

    auto* actions = new QHBoxLayout;
    actions->addStretch(1);
    QPushButton* calculate = makeButton("Calculate", form_, &Form4::Command1_Click);
    QFont bold = calculate->font();
    bold.setBold(true);
    calculate->setFont(bold);
    actions->addWidget(calculate);
    actions->addWidget(makeButton("Exit", form_, &Form4::Command3_Click));
    outer->addLayout(actions);
    resize(1000, 560);
}

Form4View::~Form4View() = default;

void Form4View::refreshFromModel() {
    setWindowTitle(qs(form_.Caption));
    fields_.refresh();
    options_[0]->setChecked(form_.Option1);
    options_[1]->setChecked(form_.Option2);
    options_[2]->setChecked(form_.Option3);
    options_[3]->setChecked(form_.Option4);
    table_->refreshFromModel();
}

void Form4View::commitEdits() {
    fields_.commit();
    form_.Option1 = options_[0]->isChecked();
    form_.Option2 = options_[1]->isChecked();
    form_.Option3 = options_[2]->isChecked();
    form_.Option4 = options_[3]->isChecked();
    table_->commitPendingEdit();
}

QLineEdit* Form4View::box(const std::string& name) const {
    return fields_.find(name);
}

QPushButton* Form4View::button(const std::string& caption) const {
    return findButton(caption);
}

QRadioButton* Form4View::option(int number) const {
    return options_[number - 1];
}

} // namespace korvex::gui
