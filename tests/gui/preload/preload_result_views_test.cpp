#include "app/gui_host.h"
#include "consolidation/rest_settlement_times.h"
#include "preload/form11_extra_fill_results.h"
#include "preload/form11_extra_fill_results_view.h"
#include "preload/form12_removal_time.h"
#include "program/program_windows.h"
#include "program/register_views.h"
#include "state/module1.h"
#include "support/fake_desktop.h"
#include "support/screenshot.h"
#include "ui/graph_window_view.h"
#include "ui/grid_view.h"

#include <QApplication>
#include <QScreen>
#include <QStyle>
#include <gtest/gtest.h>

namespace korvex::gui {
namespace {

struct PreloadResults {
    test::FakeDesktop desktop;
    Application app{desktop, registerWindowModels};
    GuiHost host{app};
    PreloadResults() {
        registerAllViews(host);
        app.state().setDefaults();
    }
    ~PreloadResults() { app.windows().unloadAll(); }
};

bool showsEveryRow(GridView& table) {
    const int last = table.rowCount() - 1;
    return table.rowViewportPosition(last) + table.rowHeight(last) <= table.viewport()->height();
}

TEST(PreloadResultViews, TheExtraFillTablesOpenWithEveryTimeRowWhereTheScreenHasRoom) {
    PreloadResults s;
    s.app.windows().show<Form11>();
    QApplication::processEvents();
    auto* view = static_cast<Form11View*>(s.host.viewOf("Form11"));
    ASSERT_EQ(view->totals().rowCount(), 16);
    const bool everyRow = showsEveryRow(view->totals()) && showsEveryRow(view->restLayers());
    const int screenRoom = view->screen()->availableGeometry().height() -
                           view->style()->pixelMetric(QStyle::PM_TitleBarHeight);
    EXPECT_TRUE(everyRow || view->height() >= screenRoom) << view->height();
}

TEST(PreloadResultViews, NotReachedStandsRightAlignedWithTheRemovalTimesScreenshot) {
    PreloadResults s;
    Module1& st = s.app.state();
    st.SpacingTriPre = 1.92f;
    st.TRemove(1) = kRestTimeLimitDays;
    for (int c = 2; c <= 6; ++c) {
        st.ExtraFill(c) = 0.5f * static_cast<float>(c - 1);
        st.TRemove(c) = 400.0f - 50.0f * static_cast<float>(c);
    }
    s.app.windows().show<Form12>();
    QApplication::processEvents();
    QWidget* view = s.host.viewOf("Form12");
    GridView* table = static_cast<GraphWindowView*>(view)->gridView();
    ASSERT_EQ(table->item(0, 1)->text(), "not reached");
    for (int row : {0, 1}) {
        EXPECT_TRUE(table->item(row, 1)->textAlignment() & Qt::AlignRight) << row;
    }
    test::saveScreenshot(view, "preload-removal-time-case-1-not-reached");
}

} // namespace
} // namespace korvex::gui
