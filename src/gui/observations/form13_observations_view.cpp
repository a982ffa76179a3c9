#include "observations/form13_observations_view.h"

#include "app/qt_desktop.h"
#include "observations/form13_observations.h"
#include "observations/measurement_table.h"
#include "ui/graph_view.h"
#include "ui/grid_view.h"

#include <QAction>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

#include <utility>

namespace korvex::gui {

Form13View::Form13View(Form13& model, GuiHost& host) : WindowView(model, host), form_(model) {
    auto* outer = new QVBoxLayout(this);
    // A label and box of the window's table of boxes; where they go is the layout's.
    auto labelledBox = [this](const char* name, bool editable) {
        const InputBox<Form13>& b = boxNamed(Form13::boxes(), name);
        auto* label = new QLabel(QString::fromUtf8(b.caption), this);
        auto* edit = new QLineEdit(this);
        edit->setObjectName(QString::fromUtf8(b.name));
        label->setBuddy(edit);
        fields_.add(name, edit, &(form_.*(b.text)), editable);
        return std::pair{label, edit};
    };

    auto* menuBar = new QMenuBar(this);
    menuBar->setNativeMenuBar(false);
    outer->setMenuBar(menuBar);
    QMenu* file = menuBar->addMenu(QStringLiteral("File (open - save - print)"));
    file->setObjectName(QStringLiteral("filemnu"));
    struct Item {
        const char* name;
        const char* caption;
        void (Form13::*handler)();
    };
    const Item items[] = {
        {"openmnu", "Open Observation file", &Form13::openmnu_Click},
        {"saveobmnu", "Save Observation file", &Form13::saveobmnu_Click},
        {"printobservmnu", "Print Observationdata", &Form13::printobservmnu_Click}};
    for (const Item& item : items) {
        if (!fileItems_.empty()) {
            file->addSeparator();
        }
        QAction* action = file->addAction(QString::fromUtf8(item.caption));
        action->setObjectName(QString::fromUtf8(item.name));
        connect(action, &QAction::triggered, this, [this, handler = item.handler] {
            handle([form = &form_, handler] { (form->*handler)(); });
        });
        fileItems_.push_back(action);
    }

    auto* inputs = new QHBoxLayout;
    for (const char* name : {"Text1", "Text2", "Text3"}) {
        auto [label, edit] = labelledBox(name, true);
        edit->setFixedWidth(90);
        inputs->addWidget(label);
        inputs->addWidget(edit);
        inputs->addSpacing(12);
    }
    inputs->addWidget(makeButton("Changing time increment", form_, &Form13::Command12_Click));
    inputs->addStretch(1);
    outer->addLayout(inputs);

    auto* body = new QHBoxLayout;
    outer->addLayout(body, 1);

    auto* frame1 = new QGroupBox(QStringLiteral("Measurements"), this);
    auto* tableLayout = new QVBoxLayout(frame1);
    table_ = new GridView(form_.Fg12, form_.TxtEdit, host.app().desktop(), frame1);
    table_->setObjectName(QStringLiteral("Fg12"));
    // The layout's column widths were made for a smaller font.
    table_->keepHeadingsWhole();
    // The window opens with the cursor in the table, on the first time to type.
    table_->goToCell(1, kTimeColumn);
    tableLayout->addWidget(table_);
    body->addWidget(frame1);

    auto* right = new QVBoxLayout;
    body->addLayout(right, 1);
    auto* frame4 = new QGroupBox(QStringLiteral("Graph Observations "), this);
    auto* graphLayout = new QVBoxLayout(frame4);
    graph_ = new GraphView(form_.Graph1, frame4);
    graphLayout->addWidget(graph_, 1);
    auto* graphButtons = new QHBoxLayout;
    graphButtons->addStretch(1);
    graphButtons->addWidget(makeButton("Print Graph", form_, &Form13::Command10_Click));
    graphButtons->addWidget(makeButton("Image to Clipboard", form_, &Form13::Command11_Click));
    graphLayout->addLayout(graphButtons);
    right->addWidget(frame4, 1);

    // The results of the last "Asoaka", two to a column; the user reads them, never types them.
    auto* results = new QGridLayout;
    int index = 0;
    for (const char* name : {"Text4", "Text5", "Text6", "Text7", "MaskEdBox1", "MaskEdBox2"}) {
        auto [label, edit] = labelledBox(name, false);
        edit->setFixedWidth(100);
        const int column = index / 2;
        results->addWidget(label, index % 2, column * 2);
        results->addWidget(edit, index % 2, column * 2 + 1);
        ++index;
    }
    results->setHorizontalSpacing(8);
    results->setColumnMinimumWidth(2, 20);
    results->setColumnMinimumWidth(4, 20);
    right->addLayout(results);

    auto* frames = new QHBoxLayout;
    struct Frame {
        const char* caption;
        const char* buttons[4];
        void (Form13::*handlers[4])();
    };
    const Frame buttonFrames[] = {
        {"Graphs Prediction and Observations",
         {"No Drains IL", "Drains IL", "No Drains GL", "Drains GL"},
         {&Form13::Command1_Click, &Form13::Command2_Click, &Form13::Command3_Click,
          &Form13::Command4_Click}},
        {"Special Plots Observations",
         {"Asoaka", "ds/dt", "ds/log(ti/ti-1)", "t/s"},
         {&Form13::Command5_Click, &Form13::Command6_Click, &Form13::Command7_Click,
          &Form13::Command8_Click}},
    };
    for (const Frame& f : buttonFrames) {
        auto* frame = new QGroupBox(QString::fromUtf8(f.caption), this);
        auto* layout = new QGridLayout(frame);
        for (int k = 0; k < 4; ++k) {
            layout->addWidget(makeButton(f.buttons[k], form_, f.handlers[k]), k / 2, k % 2);
        }
        frames->addWidget(frame);
    }
    auto* actions = new QVBoxLayout;
    actions->addStretch(1);
    list_ = makeButton("List", form_, &Form13::Command13_Click);
    actions->addWidget(list_);
    actions->addWidget(makeButton("Exit", form_, &Form13::Command9_Click));
    frames->addLayout(actions);
    right->addLayout(frames);

    resize(1120, 700);
}

Form13View::~Form13View() = default;

void Form13View::refreshFromModel() {
    setWindowTitle(qs(form_.Caption));
    fields_.refresh();
    table_->refreshFromModel();
    graph_->refreshFromModel();
    list_->setEnabled(form_.listingAvailable());
}

void Form13View::commitEdits() {
    fields_.commit();
    table_->commitPendingEdit();
}

QLineEdit* Form13View::box(const std::string& name) const {
    return fields_.find(name);
}

QPushButton* Form13View::button(const std::string& caption) const {
    return findButton(caption);
}

} // namespace korvex::gui
