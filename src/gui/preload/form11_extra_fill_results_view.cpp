#include "preload/form11_extra_fill_results_view.h"

#include "preload/form11_extra_fill_results.h"
#include "ui/grid_view.h"
#include "ui/result_window_view.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>

namespace korvex::gui {

namespace {

GridView* tableInFrame(Grid& grid, const char* caption, QWidget* parent, QVBoxLayout* column) {
    auto* frame = new QGroupBox(QString::fromUtf8(caption), parent);
    auto* layout = new QVBoxLayout(frame);
    auto* table = new GridView(grid, frame);
    table->horizontalHeader()->setDefaultSectionSize(62);
    layout->addWidget(table);
    column->addWidget(frame, 1);
    return table;
}

} // namespace

Form11View::Form11View(Form11& model, GuiHost& host)
    : GraphWindowView(model, host, model.Graph1, nullptr,
                      graphButtons(model, &Form11::Command1_Click, &Form11::Command2_Click,
                                   &Form11::Command15_Click)),
      form_(model) {
    totals_ = tableInFrame(form_.Fg10, "Settlements Extra Fill Thickness (m)", this, sideColumn());
    restLayers_ = tableInFrame(form_.Fg11, "Settlements Rest layer under drain depth (m)", this,
                               sideColumn());
    auto* graphs = new QGridLayout;
    int place = 0;
    for (const CaseGraphButton& b : kCaseGraphButtons) {
        const int command = b.command;
        // "Pre load" buttons in the first column, "Rest layer" buttons in the second.
        const int column = b.splitsCase ? 1 : 0;
        const int row = b.splitsCase ? place - 5 : place;
        graphs->addWidget(makeButton(b.caption, [this, command] { form_.drawCaseGraph(command); }),
                          row, column);
        ++place;
    }
    sideColumn()->addLayout(graphs);
    addButton("Pre load/time", [this] { form_.Command14_Click(); });
    list_ = addButton("List", [this] { form_.Command16_Click(); });
    // Both tables show every time row, up to 10 000 days, where the screen has the room; on a
    // lower screen the window takes the screen's height and the tables scroll.
    const int room =
        screen()->availableGeometry().height() - style()->pixelMetric(QStyle::PM_TitleBarHeight);
    resize(1260, std::min(sizeHint().height(), room));
}

void Form11View::refreshFromModel() {
    GraphWindowView::refreshFromModel();
    totals_->refreshFromModel();
    restLayers_->refreshFromModel();
    list_->setEnabled(form_.listAvailable());
}

QPushButton* Form11View::button(const std::string& caption) const {
    return findButton(caption);
}

} // namespace korvex::gui
