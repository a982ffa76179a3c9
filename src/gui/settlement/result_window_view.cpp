#include "settlement/result_window_view.h"

#include "ui/grid_view.h"

#include <QFontMetrics>
#include <QHeaderView>

namespace korvex::gui {

void fitTableWidth(GraphWindowView& view) {
    view.refreshFromModel();
    if (GridView* table = view.gridView()) {
        table->setMinimumWidth(table->sizeHint().width());
    }
}

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

} // namespace korvex::gui
