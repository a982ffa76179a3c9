#include "preload/form10_preload_input_view.h"

#include "app/qt_desktop.h"
#include "preload/form10_preload_input.h"
#include "ui/graph_view.h"
#include "ui/grid_view.h"

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

Form10View::Form10View(Form10& model, GuiHost& host) : WindowView(model, host), form_(model) {
    auto* outer = new QVBoxLayout(this);
    auto* body = new QHBoxLayout;
    outer->addLayout(body, 1);

    auto* left = new QVBoxLayout;
    auto* inputs = new QGroupBox(this);
    auto* grid = new QGridLayout(inputs);
    int row = 0;
    for (const InputBox<Form10>& b : Form10::boxes()) {
        auto* label = new QLabel(QString::fromUtf8(b.caption), inputs);
        label->setWordWrap(true);
        auto* edit = new QLineEdit(inputs);
        edit->setObjectName(QString::fromUtf8(b.name));
        edit->setFixedWidth(90);
        label->setBuddy(edit);
        fields_.add(b.name, edit, &(form_.*(b.text)));
        grid->addWidget(label, row, 0);
        grid->addWidget(edit, row, 1);
        ++row;
    }
    grid->setColumnStretch(0, 1);
    auto* group = new QButtonGroup(inputs);
    const char* optionCaptions[2] = {"TWO Way Flow of pore water for layer(s) under drain depth.",
                                     "ONE Way flow of pore water for layer(s) under drain depth."};
    bool Form10::*optionFields[2] = {&Form10::Option1, &Form10::Option2};
    for (int k = 0; k < 2; ++k) {
        options_[k] = new QRadioButton(QString::fromUtf8(optionCaptions[k]), inputs);
        options_[k]->setObjectName(QStringLiteral("Option%1").arg(k + 1));
        group->addButton(options_[k]);
        grid->addWidget(options_[k], row++, 0, 1, 2);
        // The selection lives in the window model at once, so a refresh never undoes a click.
        connect(options_[k], &QRadioButton::toggled, this,
                [this, field = optionFields[k]](bool on) { form_.*field = on; });
    }
    left->addWidget(inputs);

    auto* chFrame = new QGroupBox(QStringLiteral("Ch-values (m2/s)"), this);
    auto* chLayout = new QHBoxLayout(chFrame);
    layers_ = new GridView(form_.Fg8, form_.TxtEdit, host.app().desktop(), chFrame);
    layers_->setObjectName(QStringLiteral("Fg8"));
    layers_->setMinimumHeight(layers_->verticalHeader()->defaultSectionSize() * 10);
    chLayout->addWidget(layers_, 1);
    depths_ = new GridView(form_.FgX8, chFrame);
    // Its row numbers stand in the layer table beside it.
    depths_->setColumnHidden(0, true);
    chLayout->addWidget(depths_);
    left->addWidget(chFrame, 1);
    body->addLayout(left, 2);

    auto* right = new QVBoxLayout;
    auto* resultFrame =
        new QGroupBox(QStringLiteral("Results intersections Stresspaths-Settlements"), this);
    auto* resultLayout = new QVBoxLayout(resultFrame);
    results_ = new GridView(form_.Fg9, resultFrame);
    results_->setMinimumHeight(results_->verticalHeader()->defaultSectionSize() * 9);
    resultLayout->addWidget(results_);
    right->addWidget(resultFrame);
    auto* graphFrame = new QGroupBox(
        QStringLiteral("Intersections Stresspaths-Settlement for 10 days and 10 000 days"), this);
    auto* graphLayout = new QVBoxLayout(graphFrame);
    graph_ = new GraphView(form_.Graph1, graphFrame);
    graphLayout->addWidget(graph_);
    right->addWidget(graphFrame, 1);
    body->addLayout(right, 3);

    auto* actions = new QHBoxLayout;
    actions->addStretch(1);
    QPushButton* calculate = makeButton("Calculate", form_, &Form10::Command2_Click);
    QFont bold = calculate->font();
    bold.setBold(true);
    calculate->setFont(bold);
    actions->addWidget(calculate);
    actions->addWidget(makeButton("Graphs/List", form_, &Form10::Command4_Click));
    actions->addWidget(makeButton("Print", form_, &Form10::Command3_Click));
    actions->addWidget(makeButton("Exit", form_, &Form10::Command1_Click));
    outer->addLayout(actions);
    resize(1180, 720);
}

Form10View::~Form10View() = default;

void Form10View::refreshFromModel() {
    setWindowTitle(qs(form_.Caption));
    fields_.refresh();
    options_[0]->setChecked(form_.Option1);
    options_[1]->setChecked(form_.Option2);
    layers_->refreshFromModel();
    depths_->refreshFromModel();
    results_->refreshFromModel();
    graph_->refreshFromModel();
}

void Form10View::commitEdits() {
    fields_.commit();
    form_.Option1 = options_[0]->isChecked();
    form_.Option2 = options_[1]->isChecked();
    layers_->commitPendingEdit();
}

QLineEdit* Form10View::box(const std::string& name) const {
    return fields_.find(name);
}

QPushButton* Form10View::button(const std::string& caption) const {
    return findButton(caption);
}

QRadioButton* Form10View::option(int number) const {
    return options_[number - 1];
}

} // namespace korvex::gui
