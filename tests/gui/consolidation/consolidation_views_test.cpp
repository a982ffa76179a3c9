#include "app/gui_host.h"
#include "app/number_text.h"
#include "app/qt_desktop.h"
#include "consolidation/form15_drains_no_drains_graph.h"
#include "consolidation/form4_consolidation_input.h"
#include "consolidation/form4_consolidation_input_view.h"
#include "consolidation/form5_consolidation_results.h"
#include "consolidation/form5_consolidation_results_view.h"
#include "consolidation/form6_settlement_time_graph.h"
#include "consolidation/form7_settlement_time_list.h"
#include "consolidation/form7_settlement_time_list_view.h"
#include "program/program_windows.h"
#include "program/register_views.h"
#include "settlement/form1_settlement_input.h"
#include "settlement/settlement_calculation.h"
#include "state/module1.h"
#include "support/fake_desktop.h"
#include "support/screenshot.h"
#include "ui/graph_view.h"
#include "ui/graph_window_view.h"
#include "ui/grid_view.h"

#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

namespace korvex::gui {
namespace {

// A Terzaghi-Bjerrum site as the settlement calculation leaves it: two layers, 10 m of soil,
// 0.5 m after 10 days and 0.8 m after 10 000 days.
struct ConsolidationSession {
    test::FakeDesktop desktop;
    Application app{desktop, registerWindowModels};
    GuiHost host{app};
    ConsolidationSession() {
        registerAllViews(host);
        Module1& st = app.state();
        st.setDefaults();
        st.Method = 1;
        st.SettlementCalculated = 1;
        st.NLayers = 2;
        st.SoilThickness = 10.0f;
        st.S10Cons = 0.5f;
        st.S10000Cons = 0.8f;
        st.FillThickness = 2.35f;
        st.FillSettlement = 0.9f;
    }
    ~ConsolidationSession() { app.windows().unloadAll(); }

    Form4View& openInput() {
        app.windows().show<Form4>();
        QApplication::processEvents();
        return *static_cast<Form4View*>(host.viewOf("Form4"));
    }
    Form5View* results() { return static_cast<Form5View*>(host.viewOf("Form5")); }
    static void click(QPushButton* button) {
        ASSERT_NE(button, nullptr);
        button->click();
        QApplication::processEvents();
    }
};

TEST(ConsolidationViews, TypicalRoadFromTheSiteToTheDrainSpacing) {
    ConsolidationSession s;
    Form4View& input = s.openInput();
    EXPECT_TRUE(input.isVisible());
    EXPECT_EQ(input.windowTitle(), "Input Consolidation and Vertical drains");
    EXPECT_EQ(input.box("Text5")->text(), "0.5");
    EXPECT_EQ(input.box("Text6")->text(), "0.8");
    EXPECT_EQ(input.box("Text10")->text(), "10");
    EXPECT_EQ(input.box("Text15")->text(), "2.35");
    EXPECT_TRUE(input.option(1)->isChecked());
    EXPECT_TRUE(input.option(3)->isChecked());

    ConsolidationSession::click(input.button("Calculate"));
    ASSERT_TRUE(s.desktop.messages.empty()) << s.desktop.messages[0].text;
    Form5View* results = s.results();
    ASSERT_NE(results, nullptr);
    EXPECT_TRUE(results->isVisible());
    // D = 2.0183 m: spacings 1.92 and 1.79 m, 943 days with drains, 11 574.1 without (5 m path),
    // 325 days until 0.2 m of rest settlement with drains (see the core calculation tests).
    EXPECT_EQ(results->box("Text1")->text(), "2.02");
    EXPECT_EQ(results->box("Text2")->text(), "1.92");
    EXPECT_EQ(results->box("Text3")->text(), "1.79");
    EXPECT_EQ(results->box("Text5")->text(), "3125.1");
    EXPECT_EQ(results->box("Text7")->text(), "943");
    EXPECT_EQ(results->box("Text8")->text(), "11574.1");
    EXPECT_EQ(results->box("Text14")->text(), "325");
    EXPECT_EQ(results->box("Text15")->text(), "2044");
    EXPECT_EQ(s.desktop.beeps, 1);
    EXPECT_TRUE(results->button("Optimize Preload")->isEnabled());
    EXPECT_TRUE(results->button("List ")->isEnabled());
}

// A Terzaghi-Bjerrum site of two layers down to 8 m, typed into the settlement window, calculated
// by "Calculate Settlements" (the settlement window's own view is another part of the program).
TEST(ConsolidationViews, RoadFromASettlementCalculationToTheDrainDesign) {
    test::FakeDesktop desktop;
    Application app{desktop, registerWindowModels};
    GuiHost host{app};
    registerAllViews(host);
    app.state().setDefaults();
    app.state().Method = 1;
    Form1& site = app.windows().load<Form1>();
    site.Text4 = "0";
    site.Text5 = "-1";
    site.Text15 = "-1";
    site.Text7 = "2";
    site.Text11 = "2";
    const char* layers[2][8] = {{"-3", "1.4", "0.03", "2", "0.6", "0", "0", "0.02"},
                                {"-8", "1.3", "0.05", "3", "1.2", "0", "0", "0.04"}};
    for (int r = 0; r < 2; ++r) {
        for (int c = 1; c <= 8; ++c) {
            site.Fg1.setTextMatrix(r + 1, c, layers[r][c - 1]);
        }
    }
    app.runHandler([&] { calculateSettlements(app, site); });
    ASSERT_EQ(app.state().SettlementCalculated, 1);
    ASSERT_TRUE(desktop.messages.empty()) << desktop.messages[0].text;

    app.windows().show<Form4>();
    QApplication::processEvents();
    auto* input = static_cast<Form4View*>(host.viewOf("Form4"));
    ASSERT_NE(input, nullptr);
    // What the settlement calculation wrote into the consolidation window.
    const Module1& st = app.state();
    EXPECT_EQ(input->box("Text5")->text(), qs(num::boxText(st.S10Cons)));
    EXPECT_EQ(input->box("Text6")->text(), qs(num::boxText(st.S10000Cons)));
    EXPECT_EQ(input->box("Text10")->text(), "8");
    EXPECT_EQ(input->box("Text15")->text(), qs(num::boxText(st.FillThickness)));
    ConsolidationSession::click(input->button("Calculate"));
    ASSERT_TRUE(desktop.messages.empty()) << desktop.messages[0].text;
    auto* results = static_cast<Form5View*>(host.viewOf("Form5"));
    ASSERT_NE(results, nullptr);
    // The drain design depends on U, the period, dw and Ch only: 1.92 m and 1.79 m, 943 days.
    EXPECT_EQ(results->box("Text2")->text(), "1.92");
    EXPECT_EQ(results->box("Text3")->text(), "1.79");
    EXPECT_EQ(results->box("Text7")->text(), "943");
    // 8 m drained both ways: H = 4 m, 4^2 * 2 / (5e-8 * 86 400) = 7407.4 days.
    EXPECT_EQ(results->box("Text8")->text(), "7407.4");
    app.windows().unloadAll();
}

TEST(ConsolidationViews, OneWayFlowChosenOnScreenReachesTheCalculation) {
    ConsolidationSession s;
    Form4View& input = s.openInput();
    input.option(2)->click();
    ConsolidationSession::click(input.button("Calculate"));
    // 10^2 * 2 / (5e-8 * 86 400) = 46 296.3 days.
    ASSERT_NE(s.results(), nullptr);
    EXPECT_EQ(s.results()->box("Text8")->text(), "46296.3");
}

TEST(ConsolidationViews, RefusedInputShowsItsMessageAndNoResults) {
    ConsolidationSession s;
    Form4View& input = s.openInput();
    input.box("Text10")->setText("0");
    ConsolidationSession::click(input.button("Calculate"));
    ASSERT_EQ(s.desktop.messages.size(), 1u);
    EXPECT_EQ(s.desktop.messages[0].text,
              "The total thickness of Soil layers is unknown because it is not set automatic by "
              "settlement Calculation; Please give a value.");
    EXPECT_EQ(s.results(), nullptr);
    EXPECT_FALSE(s.app.windows().isLoaded("Form5"));

    input.box("Text10")->setText("10");
    input.box("Text3")->setText("-0.065");
    ConsolidationSession::click(input.button("Calculate"));
    ASSERT_EQ(s.desktop.messages.size(), 2u);
    EXPECT_EQ(s.desktop.messages[1].text,
              "The Equivalent draindiameter [m] must be a number greater than 0.");
    EXPECT_EQ(s.results(), nullptr);
}

TEST(ConsolidationViews, GraphButtonsOpenTheGraphAndTheListReplacesIt) {
    ConsolidationSession s;
    ConsolidationSession::click(s.openInput().button("Calculate"));
    Form5View* results = s.results();
    ASSERT_NE(results, nullptr);
    ConsolidationSession::click(results->button("Settlement Drains"));
    auto* graph = static_cast<GraphWindowView*>(s.host.viewOf("Form6"));
    ASSERT_NE(graph, nullptr);
    EXPECT_TRUE(graph->isVisible());
    EXPECT_EQ(graph->windowTitle(), "Graphs");
    EXPECT_EQ(graph->printButton()->text(), "Print ");

    ConsolidationSession::click(results->button("List Settlements vs Time"));
    EXPECT_EQ(s.host.viewOf("Form6"), nullptr);
    auto* list = static_cast<Form7View*>(s.host.viewOf("Form7"));
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->windowTitle(), "List of Settlements vs time");
    EXPECT_EQ(list->table().rowCount(), 20);
    EXPECT_EQ(list->table().horizontalHeaderItem(7)->text(), "Secondary");
    EXPECT_EQ(list->table().columnCount(), 8);
}

TEST(ConsolidationViews, TypingInTheInputWindowSurvivesAClickInAnotherWindow) {
    ConsolidationSession s;
    Form4View& input = s.openInput();
    ConsolidationSession::click(input.button("Calculate"));
    Form5View* results = s.results();
    ASSERT_NE(results, nullptr);

    // The user types a new degree, then looks at a graph before calculating again.
    QLineEdit* degree = input.box("Text1");
    degree->selectAll();
    QTest::keyClicks(degree, "0.85");
    ConsolidationSession::click(results->button("Settlement NO Drains"));
    EXPECT_EQ(degree->text(), "0.85");
    ConsolidationSession::click(input.button("Calculate"));
    EXPECT_FLOAT_EQ(s.app.state().DegreeCons, 0.85f);
}

TEST(ConsolidationViews, EachResultBoxIsReadOnlyAndAnnouncedByItsOwnLabel) {
    ConsolidationSession s;
    ConsolidationSession::click(s.openInput().button("Calculate"));
    Form5View* results = s.results();
    ASSERT_NE(results, nullptr);
    // Not by the caption of the frame around them; the yearly flow shares its label.
    const std::pair<const char*, const char*> cases[] = {
        {"Text1", "Drainzone [m]:"},
        {"Text8", "Consolidation time for vertical flow only [days]:"},
        {"Text19", "Required discharge flow capacity [m3/s] [m3/year]:"},
        {"Text16", "Difference S10 000 ...SConsolidation time "},
        {"Text10", "days for horizontal flow [m]:"},
        {"Text15", "m [days]:"},
    };
    for (const auto& [box, label] : cases) {
        QLineEdit* edit = results->box(box);
        ASSERT_NE(edit, nullptr) << box;
        EXPECT_TRUE(edit->isReadOnly()) << box;
        EXPECT_EQ(QAccessible::queryAccessibleInterface(edit)->text(QAccessible::Name), label)
            << box;
    }
}

TEST(ConsolidationViews, ScreenshotsOfTheInputResultGraphAndListWindows) {
    ConsolidationSession s;
    Form4View& input = s.openInput();
    test::saveScreenshot(&input, "consolidation-input");
    ConsolidationSession::click(input.button("Calculate"));
    test::saveScreenshot(s.results(), "consolidation-results");
    ConsolidationSession::click(s.results()->button("Drains + NO Drains"));
    auto* fiveSeries = static_cast<GraphWindowView*>(s.host.viewOf("Form15"));
    ASSERT_NE(fiveSeries, nullptr);
    test::saveScreenshot(fiveSeries, "consolidation-drains-no-drains");
    ConsolidationSession::click(s.results()->button("Settlement Time Drains"));
    test::saveScreenshot(s.host.viewOf("Form6"), "consolidation-rest-settlement-time");
    ConsolidationSession::click(s.results()->button("Settlement Drains"));
    test::saveScreenshot(s.host.viewOf("Form6"), "consolidation-settlement-drains");
    ConsolidationSession::click(s.results()->button("List Settlements vs Time"));
    test::saveScreenshot(s.host.viewOf("Form7"), "consolidation-list");
}

} // namespace
} // namespace korvex::gui
