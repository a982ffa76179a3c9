#include "consolidation/form5_consolidation_results_view.h"
#include "app/qt_desktop.h"
#include "consolidation/form5_consolidation_results.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace korvex::gui {

Form5View::Form5View(Form5& model, GuiHost& host) : WindowView(model, host), form_(model) {
    auto* outer = new QHBoxLayout(this);
    auto* frames = new QVBoxLayout;
    outer->addLayout(frames, 1);

    auto* frame1 = new QGroupBox(QStringLiteral("Vertical drains and Consolidation times"), this);
    auto* grid1 = new QGridLayout(frame1);
    struct Row {
        const char* label;
        const char* box;
        std::string Form5::*text;
    };
    const Row rows1[] = {
        {"Drainzone [m]:", "Text1", &Form5::Text1},
        {"Drainspacing triangular [m]:", "Text2", &Form5::Text2},
        {"Drainspacing square [m]:", "Text3", &Form5::Text3},
        {"Number of drains/m2 [-]:", "Text4", &Form5::Text4},
        {"Total drainpoints area [-]:", "Text5", &Form5::Text5},
        {"Area to be drained [m2]:", "Text6", &Form5::Text6},
        {"Consolidation time for horizontal flow only [days]:", "Text7", &Form5::Text7},
        {"Consolidation time for vertical flow only [days]:", "Text8", &Form5::Text8},
        {"Required discharge flow capacity [m3/s] [m3/year]:", "Text18", &Form5::Text18},
        {"Time factor for Consolidation times and horizontal flow and vertical flow [-]:", "Text9",
         &Form5::Text9},
    };
    int row = 0;
    for (const Row& r : rows1) {
        auto* label = new QLabel(QString::fromUtf8(r.label), frame1);
        grid1->addWidget(label, row, 0);
        grid1->addWidget(makeBox(r.box, &(form_.*(r.text)), label), row, 1);
        if (std::string(r.box) == "Text18") {
            // The yearly flow shares the label that names both units.
            grid1->addWidget(makeBox("Text19", &form_.Text19, label), row, 2);
        }
        ++row;
    }
    grid1->setColumnStretch(3, 1);
    frames->addWidget(frame1);

    auto* frame2 =
        new QGroupBox(QStringLiteral("Difference Settlements and Settlement times"), this);
    auto* grid2 = new QGridLayout(frame2);
    struct Sentence {
        const char* first;
        const char* firstBox;
        std::string Form5::*firstText;
        const char* second;
        const char* secondBox;
        std::string Form5::*secondText;
    };
    const Sentence rows2[] = {
        {"Difference S10 000 ...SConsolidation time ", "Text16", &Form5::Text16,
         "days for horizontal flow [m]:", "Text10", &Form5::Text10},
        {"Difference S10 000 ...SConsolidation time", "Text17", &Form5::Text17,
         "days for vertical flow [m]:", "Text11", &Form5::Text11},
        {"Settlement time for Drains and rest settlement of", "Text12", &Form5::Text12,
         "m [days]:", "Text14", &Form5::Text14},
        {"Settlement time for NO Drains and rest settlement of", "Text13", &Form5::Text13,
         "m [days]:", "Text15", &Form5::Text15},
    };
    row = 0;
    for (const Sentence& s : rows2) {
        auto* first = new QLabel(QString::fromUtf8(s.first), frame2);
        auto* second = new QLabel(QString::fromUtf8(s.second), frame2);
        grid2->addWidget(first, row, 0);
        grid2->addWidget(makeBox(s.firstBox, &(form_.*(s.firstText)), first), row, 1);
        grid2->addWidget(second, row, 2);
        grid2->addWidget(makeBox(s.secondBox, &(form_.*(s.secondText)), second), row, 3);
        ++row;
    }
    grid2->setColumnStretch(4, 1);
    frames->addWidget(frame2);
    frames->addStretch(1);

    auto* side = new QVBoxLayout;
    auto* frame3 = new QGroupBox(QStringLiteral("Graphs"), this);
    auto* graphs = new QVBoxLayout(frame3);
    struct GraphButton {
        const char* caption;
        void (Form5::*handler)();
    };
    const GraphButton graphButtons[] = {
        {"Settlement NO Drains", &Form5::Command3_Click},
        {"Settlement Drains", &Form5::Command4_Click},
        {"Settlement Hor.- Vert. flow", &Form5::Command5_Click},
        {"Difference Drains-No Drains", &Form5::Command6_Click},
        {"Primary Settl. NO Drains", &Form5::Command7_Click},
        {"Primary Settl. Drains", &Form5::Command8_Click},
        {"Secondary Settlement", &Form5::Command9_Click},
        {"Ratio Secondary/Primary", &Form5::Command10_Click},
        {"Settlement Time No Drains", &Form5::Command11_Click},
        {"Settlement Time Drains", &Form5::Command12_Click},
        {"Drains + NO Drains", &Form5::Command13_Click},
    };
    for (const GraphButton& b : graphButtons) {
        graphs->addWidget(makeButton(b.caption, form_, b.handler));
    }
    side->addWidget(frame3);
    side->addStretch(1);
    preload_ = makeButton("Optimize Preload", form_, &Form5::Command14_Click);
    side->addWidget(preload_);
    listing_ = makeButton("List ", form_, &Form5::Command15_Click);
    side->addWidget(listing_);
    side->addWidget(makeButton("List Settlements vs Time", form_, &Form5::Command2_Click));
    side->addWidget(makeButton("Exit", form_, &Form5::Command1_Click));
    outer->addLayout(side);
    resize(1040, 520);
}

Form5View::~Form5View() = default;

QLineEdit* Form5View::makeBox(const std::string& name, std::string* text, QLabel* label) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(qs(name));
    edit->setFixedWidth(110);
    // A box without a label of its own would be read out by its frame's caption.
    if (label->buddy() == nullptr) {
        label->setBuddy(edit);
    } else {
        edit->setAccessibleName(label->text());
    }
    fields_.add(name, edit, text, /*editable=*/false);
    return edit;
}

void Form5View::refreshFromModel() {
    setWindowTitle(qs(form_.Caption));
    fields_.refresh();
    preload_->setEnabled(form_.preloadAvailable());
    listing_->setEnabled(form_.listingAvailable());
}

QLineEdit* Form5View::box(const std::string& name) const {
    return fields_.find(name);
}

QPushButton* Form5View::button(const std::string& caption) const {
    return findButton(caption);
}

} // namespace korvex::gui
