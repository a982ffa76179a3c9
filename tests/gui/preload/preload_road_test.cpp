#include "app/gui_host.h"
#include "app/number_text.h"
#include "consolidation/form4_consolidation_input.h"
#include "consolidation/form4_consolidation_input_view.h"
#include "consolidation/form5_consolidation_results_view.h"
#include "consolidation/rest_settlement_times.h"
#include "gui/settlement/settlement_session.h"
#include "preload/form10_preload_input.h"
#include "preload/form10_preload_input_view.h"
#include "preload/form11_extra_fill_results_view.h"
#include "preload/form12_removal_time_view.h"
#include "program/program_windows.h"
#include "program/register_views.h"
#include "settlement/form1_settlement_input.h"
#include "settlement/settlement_calculation.h"
#include "support/fake_desktop.h"
#include "support/screenshot.h"
#include "ui/graph_view.h"
#include "ui/grid_view.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

namespace korvex::gui {
namespace {

// The typical road: a Terzaghi-Bjerrum site of two soft layers down to 8 m, calculated for
// settlements (its own window is another part of the program) and for consolidation with the
// default drain design (1.92 m triangular), then the preload.
struct PreloadSession {
    test::FakeDesktop desktop;
    Application app{desktop, registerWindowModels};
    GuiHost host{app};

    PreloadSession() {
        registerAllViews(host);
        app.state().setDefaults();
        app.state().Method = 1;
        Form1& site = app.windows().load<Form1>();
        site.Text4 = "0";
        site.Text5 = "-1";
        site.Text15 = "-1";
        site.Text7 = "2";
        site.Text11 = "2";
        site.Check1 = 1;
        const char* layers[2][8] = {{"-3", "1.4", "0.03", "2", "0.6", "0", "0", "0.02"},
                                    {"-8", "1.3", "0.05", "3", "1.2", "0", "0", "0.04"}};
        for (int r = 0; r < 2; ++r) {
            for (int c = 1; c <= 8; ++c) {
                site.Fg1.setTextMatrix(r + 1, c, layers[r][c - 1]);
            }
        }
        app.runHandler([&] { calculateSettlements(app, site); });
        app.windows().show<Form4>();
        QApplication::processEvents();
        click(view<Form4View>("Form4")->button("Calculate"));
        desktop.messages.clear();
    }
    ~PreloadSession() { app.windows().unloadAll(); }

    template <typename View> View* view(const char* name) {
        return dynamic_cast<View*>(host.viewOf(name));
    }
    static void click(QPushButton* button) {
        ASSERT_NE(button, nullptr);
        button->click();
        QApplication::processEvents();
    }
    static QString cell(GridView& table, int row, int col) {
        const QTableWidgetItem* item = table.item(row - 1, col);
        return item ? item->text() : QString();
    }

    // "Optimize Preload", an increment of 0.5 m, "Calculate".
    Form10View& calculatePreload() {
        click(view<Form5View>("Form5")->button("Optimize Preload"));
        Form10View& input = *view<Form10View>("Form10");
        test::typeBox(input.box("Text1"), "0.5");
        click(input.button("Calculate"));
        return input;
    }
};

TEST(PreloadViews, TypicalRoadFromTheDrainDesignToTheRemovalTimes) {
    PreloadSession s;
    Form10View& input = s.calculatePreload();
    ASSERT_TRUE(s.desktop.messages.empty()) << s.desktop.messages[0].text;
    EXPECT_EQ(input.windowTitle(), "Calculation of preload");
    EXPECT_EQ(input.box("Text3")->text(), "1.92");
    const Module1& st = s.app.state();
    const char* extra[6] = {"0", "0.5", "1", "1.5", "2", "2.5"};
    for (int k = 1; k <= 6; ++k) {
        EXPECT_EQ(PreloadSession::cell(input.resultTable(), k, 0), extra[k - 1]);
        EXPECT_EQ(PreloadSession::cell(input.resultTable(), k, 3),
                  qs(num::boxText(st.SettlementPre10000(k))));
    }
    // Each further half metre of extra fill settles more.
    EXPECT_LT(st.SettlementPre10000(2), st.SettlementPre10000(1));

    PreloadSession::click(input.button("Graphs/List"));
    auto* curves = s.view<Form11View>("Form11");
    ASSERT_NE(curves, nullptr);
    EXPECT_TRUE(curves->isVisible());
    EXPECT_EQ(PreloadSession::cell(curves->totals(), 16, 0), "10000");
    EXPECT_TRUE(curves->button("List")->isEnabled());
    PreloadSession::click(curves->button("Pre load/time"));
    auto* removal = s.view<Form12View>("Form12");
    ASSERT_NE(removal, nullptr);
    EXPECT_EQ(removal->spacingBox()->text(), "1.92");
    for (int k = 1; k <= 6; ++k) {
        EXPECT_EQ(PreloadSession::cell(*removal->gridView(), k, 1),
                  qs(restTimeText(st.TRemove(k))));
    }
    // More extra fill allows an earlier removal.
    EXPECT_LT(st.TRemove(6), st.TRemove(2));
}

TEST(PreloadViews, ARefusedInputShowsItsMessageAndChangesNoTable) {
    PreloadSession s;
    Form10View& input = s.calculatePreload();
    const QString shown = PreloadSession::cell(input.resultTable(), 2, 2);
    test::typeCell(input.layerTable(), 2, 2, "2");
    PreloadSession::click(input.button("Calculate"));
    ASSERT_EQ(s.desktop.messages.size(), 1u);
    EXPECT_EQ(s.desktop.messages[0].text, "Drained 1/0 of layer 2 must be 0 or 1.");
    EXPECT_EQ(PreloadSession::cell(input.resultTable(), 2, 2), shown);
}

TEST(PreloadViews, Screenshots) {
    if (!test::screenshotsWanted()) {
        GTEST_SKIP() << "screenshots are taken by scripts/screenshots";
    }
    PreloadSession s;
    Form10View& input = s.calculatePreload();
    test::saveScreenshot(&input, "preload-input");
    PreloadSession::click(input.button("Graphs/List"));
    auto* curves = s.view<Form11View>("Form11");
    PreloadSession::click(curves->button("Pre load 2"));
    test::saveScreenshot(curves, "preload-extra-fill-results");
    PreloadSession::click(curves->button("Pre load/time"));
    test::saveScreenshot(s.host.viewOf("Form12"), "preload-removal-time");
}

} // namespace
} // namespace korvex::gui
