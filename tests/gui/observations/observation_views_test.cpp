#include "app/gui_host.h"
#include "app/number_text.h"
#include "app/qt_desktop.h"
#include "consolidation/form4_consolidation_input.h"
#include "consolidation/form4_consolidation_input_view.h"
#include "observations/form13_observations.h"
#include "observations/form13_observations_view.h"
#include "program/frm_main.h"
#include "program/program_windows.h"
#include "program/register_views.h"
#include "state/module1.h"
#include "support/fake_desktop.h"
#include "support/screenshot.h"
#include "support/typing.h"
#include "ui/graph_view.h"
#include "ui/graph_window_view.h"
#include "ui/grid_view.h"

#include <QAction>
#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>
#include <qcustomplot.h>

namespace korvex::gui {
namespace {

struct ObservationSession {
    test::FakeDesktop desktop;
    Application app{desktop, registerWindowModels};
    GuiHost host{app};
    ObservationSession() {
        registerAllViews(host);
        app.state().setDefaults();
    }
    ~ObservationSession() { app.windows().unloadAll(); }

    Form13View& open() {
        // As the main window's "Observations" item opens it.
        app.windows().load<frmMain>().MnuObservation_Click();
        QApplication::processEvents();
        return *static_cast<Form13View*>(host.viewOf("Form13"));
    }
    static void click(QPushButton* button) {
        ASSERT_NE(button, nullptr);
        button->click();
        QApplication::processEvents();
    }
};

// The points of a drawn curve, in the order drawn.
std::vector<std::pair<double, double>> drawn(QCustomPlot& plot, int curve) {
    std::vector<std::pair<double, double>> points;
    auto* c = qobject_cast<QCPCurve*>(plot.plottable(curve));
    for (auto it = c->data()->constBegin(); it != c->data()->constEnd(); ++it) {
        points.emplace_back(it->key, it->value);
    }
    return points;
}

TEST(ObservationViews, FourTypedReadingsGiveTheAsaokaResultsAndThePlots) {
    ObservationSession s;
    Form13View& view = s.open();
    EXPECT_TRUE(view.isVisible());
    EXPECT_EQ(view.windowTitle(), "Observations");
    EXPECT_EQ(view.box("Text1")->text(), "BH1plate");
    EXPECT_TRUE(view.button("List")->isEnabled());

    const char* readings[4][2] = {{"5", "0.10"}, {"10", "0.16"}, {"15", "0.20"}, {"20", "0.22"}};
    for (int r = 0; r < 4; ++r) {
        test::typeCell(view.measurements(), r + 1, 1, readings[r][0]);
        test::typeCell(view.measurements(), r + 1, 2, readings[r][1]);
    }
    ObservationSession::click(view.button("Asoaka"));
    ASSERT_TRUE(s.desktop.messages.empty()) << s.desktop.messages[0].text;
    // Pairs (0, 0.10), (0.10, 0.16), (0.16, 0.20), (0.20, 0.22): Sxy = 0.0138, Sxx = 0.0227,
    // Syy = 0.0084; Beta1 = 0.607930, Beta0 = 0.100088, final 0.100088 / 0.392070 = 0.255281,
    // r2 = 0.0138^2 / (0.0227 * 0.0084) = 0.998741.
    EXPECT_EQ(view.box("Text5")->text(), "0.6079");
    EXPECT_EQ(view.box("Text4")->text(), "0.1001");
    EXPECT_EQ(view.box("Text7")->text(), "0.2553");
    EXPECT_NEAR(num::leadingNumber(ss(view.box("Text6")->text())), 0.998741, 5e-5);
    EXPECT_TRUE(view.box("Text7")->isReadOnly());
    QCustomPlot& plot = view.graph().plot();
    ASSERT_EQ(plot.plottableCount(), 3);
    using P = std::pair<double, double>;
    const auto measured = drawn(plot, 1);
    ASSERT_EQ(measured.size(), 4u);
    EXPECT_NEAR(measured[3].first, 0.20, 1e-6);
    EXPECT_NEAR(measured[3].second, 0.22, 1e-6);
    EXPECT_EQ(qobject_cast<QCPCurve*>(plot.plottable(1))->lineStyle(), QCPCurve::lsNone);

    // The settlement per decade between the readings: 0.06 / log10(2) = 0.199316 from 5 to 10
    // days, drawn at 5 days.
    ObservationSession::click(view.button("ds/log(ti/ti-1)"));
    ASSERT_EQ(plot.plottableCount(), 1);
    const auto perDecade = drawn(plot, 0);
    ASSERT_EQ(perDecade.size(), 3u);
    EXPECT_EQ(perDecade[0].first, 5);
    EXPECT_NEAR(perDecade[0].second, 0.199316, 1e-6);

    ObservationSession::click(view.button("Drains GL"));
    auto* graphs = static_cast<GraphWindowView*>(s.host.viewOf("Form14"));
    ASSERT_NE(graphs, nullptr);
    EXPECT_TRUE(graphs->isVisible());
    EXPECT_EQ(graphs->windowTitle(), "Graphs");
    QCustomPlot& comparison = graphs->graphView().plot();
    ASSERT_EQ(comparison.plottableCount(), 2);
    // No consolidation yet: 18 predicted points of 0 at 10 to 40 000 days; the readings downward.
    const auto predicted = drawn(comparison, 0);
    ASSERT_EQ(predicted.size(), 18u);
    EXPECT_EQ(predicted.back(), (P{40000, 0}));
    const auto readingsDrawn = drawn(comparison, 1);
    ASSERT_EQ(readingsDrawn.size(), 4u);
    EXPECT_EQ(readingsDrawn[0].first, 5);
    EXPECT_NEAR(readingsDrawn[0].second, -0.10, 1e-6);

    ObservationSession::click(graphs->exitButton());
    EXPECT_EQ(s.host.viewOf("Form14"), nullptr);
    ObservationSession::click(view.button("Exit"));
    EXPECT_EQ(s.host.viewOf("Form13"), nullptr);
}

// The first key typed in a new window is the first reading, in row 1 and on show.
TEST(ObservationViews, OpensOnTheFirstRow) {
    ObservationSession s;
    Form13View& view = s.open();
    GridView& table = view.measurements();
    EXPECT_EQ(table.rowAt(0), 0);
    table.setFocus();
    QTest::keyClick(&table, '5');
    QTest::keyClick(table.cellEditor(), Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_EQ(s.app.windows().find<Form13>()->Fg12.TextMatrix(1, 1), "5");
}

// The layout's widths were made for a smaller font: typing the readings, which measures the table
// again, leaves every heading whole, not only a button's refresh.
TEST(ObservationViews, TheTableKeepsItsHeadingsWholeWhileReadingsAreTyped) {
    ObservationSession s;
    GridView& table = s.open().measurements();
    const QFontMetrics heading = table.horizontalHeader()->fontMetrics();
    const char* readings[3][2] = {{"10", "0.11"}, {"20", "0.12"}, {"30", "0.13"}};
    for (int r = 1; r <= 3; ++r) {
        test::typeCell(table, r, 1, readings[r - 1][0]);
        test::typeCell(table, r, 2, readings[r - 1][1]);
        for (int c = 0; c < table.columnCount(); ++c) {
            const QString text = table.horizontalHeaderItem(c)->text();
            EXPECT_GT(table.columnWidth(c), heading.horizontalAdvance(text))
                << text.toStdString() << " after reading " << r;
        }
    }
}

// A plate beside a consolidation calculated for a 10 m site with drains, read every 30 days.
TEST(ObservationViewsScreenshot, AsaokaPlotAndTheComparisonWithThePrediction) {
    ObservationSession s;
    Module1& st = s.app.state();
    st.Method = 1;
    st.SettlementCalculated = 1;
    st.NLayers = 2;
    st.SoilThickness = 10.0f;
    st.S10Cons = 0.5f;
    st.S10000Cons = 0.8f;
    st.FillThickness = 2.35f;
    st.FillSettlement = 0.9f;
    s.app.windows().show<Form4>();
    QApplication::processEvents();
    ObservationSession::click(static_cast<Form4View*>(s.host.viewOf("Form4"))->button("Calculate"));
    s.app.windows().unloadAll();

    Form13View& view = s.open();
    const char* readings[] = {"0.112", "0.205", "0.268", "0.322", "0.362", "0.391",
                              "0.418", "0.436", "0.451", "0.462", "0.472", "0.478"};
    for (int r = 0; r < 12; ++r) {
        test::typeCell(view.measurements(), r + 1, 1, qs(num::boxText(30 * (r + 1))));
        test::typeCell(view.measurements(), r + 1, 2, readings[r]);
    }
    ObservationSession::click(view.button("Asoaka"));
    EXPECT_TRUE(s.desktop.messages.empty());
    test::saveScreenshot(&view, "observations-asaoka");
    ObservationSession::click(view.button("Drains IL"));
    ASSERT_NE(s.host.viewOf("Form14"), nullptr);
    test::saveScreenshot(s.host.viewOf("Form14"), "observations-graphs");
}

} // namespace
} // namespace korvex::gui
