#include "app/number_text.h"
#include "consolidation/form15_drains_no_drains_graph.h"
#include "consolidation/form4_consolidation_input.h"
#include "consolidation/form5_consolidation_results.h"
#include "consolidation/form6_settlement_time_graph.h"
#include "consolidation/form7_settlement_time_list.h"
#include "consolidation/rest_settlement_times.h"
#include "core/settlement/settlement_site.h"
#include "settlement/settlement_calculation.h"
#include "support/test_app.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace korvex {
namespace {

// The default site (see the calculation tests): 0.5 m after 10 days, 0.8 m after 10 000 days,
// 10 m of soil, calculated once.
struct CalculatedSite {
    test::TestApp t;
    Form4* input = nullptr;
    Form5* results = nullptr;
    CalculatedSite() {
        input = &t.windows().load<Form4>();
        input->Text5 = "0.5";
        input->Text6 = "0.8";
        input->Text10 = "10";
        input->Command1_Click();
        results = t.windows().find<Form5>();
    }
    GraphModel& form6() { return t.windows().find<Form6>()->Graph1; }
    const GraphPoint& point(GraphModel& g, int set, int i) {
        return g.sets()[static_cast<std::size_t>(set - 1)].points[static_cast<std::size_t>(i - 1)];
    }
    bool shown(const std::string& name) const {
        return std::find(t.host.shown.begin(), t.host.shown.end(), name) != t.host.shown.end();
    }
};

TEST(Form5Window, IsShownWithTheCaptionAndRefreshedByANewCalculation) {
    CalculatedSite site;
    ASSERT_NE(site.results, nullptr);
    EXPECT_TRUE(site.shown("Form5"));
    EXPECT_EQ(site.results->Caption,
              "Results Consolidation and Drains [Drainspacing, Settlement times etc.]");
    // A second calculation with the window open: 730 days instead of 365.
    site.input->Text2 = "730";
    site.input->Command1_Click();
    EXPECT_EQ(site.t.windows().find<Form5>(), site.results);
    EXPECT_EQ(site.results->Text16, "730");
    EXPECT_EQ(site.results->Text17, "730");
    EXPECT_EQ(site.results->Text18, num::boxText(site.t.state().Discharge));
    EXPECT_NE(site.results->Text1, "2.02");
}

TEST(Form5Graphs, SettlementWithoutDrainsDrawsThreeTwentyPointSets) {
    CalculatedSite site;
    site.results->Command3_Click();
    ASSERT_TRUE(site.shown("Form6"));
    GraphModel& g = site.form6();
    const Module1& st = site.t.state();
    EXPECT_EQ(g.GraphTitle(), "Settlement vs Time");
    EXPECT_EQ(g.NumSets(), 3);
    EXPECT_EQ(g.NumPoints(), 20);
    EXPECT_EQ(g.xScale(), AxisScale::Logarithmic);
    EXPECT_EQ(g.DrawMode(), 2);
    EXPECT_EQ(g.ThisPoint(), 20);
    EXPECT_EQ(site.point(g, 1, 1).x, 10.0f);
    EXPECT_EQ(site.point(g, 1, 1).y, st.SVertIL(1));
    EXPECT_EQ(site.point(g, 2, 20).x, 80000.0f);
    EXPECT_EQ(site.point(g, 2, 20).y, st.SVertGL(20));
    // Without consolidation: SSecondary - SPrimary = -0.1 - 0.4 at 10 days.
    EXPECT_NEAR(site.point(g, 3, 1).y, -0.5, 1e-6);
    EXPECT_EQ(g.LegendText(3), "No Consolidation");
}

TEST(Form5Graphs, DrainedGraphsCarryTheSpacingInTheirTitle) {
    CalculatedSite site;
    site.results->Command4_Click();
    EXPECT_EQ(site.form6().GraphTitle(), "Settlement vs Time  - Drainspacing [m]: 1.92");
    EXPECT_EQ(site.point(site.form6(), 1, 5).y, site.t.state().SHorIL(5));

    site.t.state().SpacingTri = 0.9f;
    site.results->Command8_Click();
    EXPECT_EQ(site.form6().GraphTitle(), "Settlement vs Time  - Drainspacing [m]: .9");
    EXPECT_EQ(site.point(site.form6(), 3, 7).y, -site.t.state().SPrimHor);
}

TEST(Form5Graphs, RestSettlementGraphPlotsMillimetresAgainstDays) {
    CalculatedSite site;
    site.results->Command12_Click();
    GraphModel& g = site.form6();
    const Module1& st = site.t.state();
    EXPECT_EQ(g.NumPoints(), 10);
    EXPECT_EQ(g.NumSets(), 2);
    EXPECT_EQ(g.GraphType(), 6);
    EXPECT_EQ(g.xScale(), AxisScale::Linear);
    EXPECT_EQ(g.LeftTitle(), "Rest Settlement in mm");
    EXPECT_EQ(g.GraphTitle(), "Necessary time for rest settlement  - Drainspacing [m]: 1.92");
    // Row 5 of the default site: 200 mm after 325 days with drains.
    EXPECT_NEAR(site.point(g, 1, 5).y, 200.0, 1e-3);
    EXPECT_EQ(site.point(g, 1, 5).x, st.TimeRestHor(5));
    EXPECT_EQ(site.point(g, 2, 10).x, st.TimeRestHorGL(10));
}

TEST(Form5Graphs, EveryButtonStartsFromTheDesignState) {
    CalculatedSite site;
    site.results->Command11_Click(); // 10 points, mm, linear time
    site.results->Command9_Click();  // one set without legend
    site.results->Command6_Click();  // mm axis
    site.results->Command5_Click();
    GraphModel& g = site.form6();
    EXPECT_EQ(g.NumPoints(), 20);
    EXPECT_EQ(g.NumSets(), 3);
    EXPECT_EQ(g.LeftTitle(), "Settlement in m");
    EXPECT_EQ(g.xScale(), AxisScale::Logarithmic);
    EXPECT_EQ(g.LegendText(1), "Instantaneous Load");
    // Its first series goes into set 1, all 20 rows.
    EXPECT_EQ(site.point(g, 1, 20).y, site.t.state().SHorVertIL(20));
    EXPECT_TRUE(site.point(g, 1, 20).written);
}

TEST(Form5Graphs, SingleSeriesGraphsHaveNoLegend) {
    CalculatedSite site;
    site.results->Command10_Click();
    GraphModel& g = site.form6();
    EXPECT_EQ(g.NumSets(), 1);
    EXPECT_EQ(g.GraphTitle(), "Difference vs Time");
    EXPECT_EQ(g.LegendText(1), "");
    // Secondary over primary at 10 000 days: 0.4 / 0.4.
    EXPECT_NEAR(site.point(g, 1, 16).y, 1.0, 1e-6);
}

TEST(Form5Graphs, ARestTimeNotReachedIsLeftOutOfTheGraph) {
    CalculatedSite site;
    site.t.state().TimeRestVert(1) = kRestTimeLimitDays;
    site.results->Command11_Click();
    EXPECT_FALSE(site.point(site.form6(), 1, 1).written);
    EXPECT_TRUE(site.point(site.form6(), 1, 2).written);
}

TEST(Form5Graphs, DrainsAndNoDrainsEndsAtTenThousandDays) {
    CalculatedSite site;
    site.results->Command13_Click();
    ASSERT_TRUE(site.shown("Form15"));
    GraphModel& g = site.t.windows().find<Form15>()->Graph1;
    EXPECT_EQ(g.NumPoints(), 16);
    EXPECT_EQ(g.NumSets(), 5);
    EXPECT_EQ(site.point(g, 3, 16).x, 10000.0f);
    EXPECT_EQ(site.point(g, 3, 16).y, site.t.state().SHorIL(16));
    EXPECT_EQ(g.LegendText(5), "Settlement without consolidation");
    EXPECT_EQ(site.t.windows().find<Form15>()->Caption, "Graphs Drains/ No Drains");
}

TEST(SettlementTimeGraphs, PrintLandscapeAtFifteenThousandTwips) {
    CalculatedSite site;
    site.results->Command3_Click();
    site.t.windows().find<Form6>()->Command2_Click();
    site.results->Command13_Click();
    site.t.windows().find<Form15>()->Command2_Click();
    ASSERT_EQ(site.t.desktop.printedGraphs.size(), 2u);
    for (const auto& job : site.t.desktop.printedGraphs) {
        EXPECT_EQ(job.widthTwips, 15000);
        EXPECT_EQ(job.heightTwips, 8500);
        EXPECT_EQ(job.orientation, PageOrientation::Landscape);
    }
    site.t.windows().find<Form6>()->Command3_Click();
    EXPECT_EQ(site.t.desktop.clipboardImages.size(), 1u);
}

TEST(Form7List, ListsEverySeriesRowByRow) {
    CalculatedSite site;
    site.results->Command3_Click();
    site.results->Command2_Click();
    EXPECT_EQ(site.t.windows().find<Form6>(), nullptr);
    Form7* list = site.t.windows().find<Form7>();
    ASSERT_NE(list, nullptr);
    const Module1& st = site.t.state();
    const char* headers[] = {"Time [days]",  "NO Drains IL", "Drains IL",        "Hor/Vert flow IL",
                             "NO Drains GL", "Drains GL",    "Hor/Vert flow GL", "Secondary"};
    for (int c = 0; c < 8; ++c) {
        EXPECT_EQ(list->Fg5.TextMatrix(0, c), headers[c]);
    }
    EXPECT_EQ(list->Fg5.TextMatrix(1, 0), "10");
    EXPECT_EQ(list->Fg5.TextMatrix(20, 0), "80000");
    EXPECT_EQ(list->Fg5.TextMatrix(16, 2), "-0.8");
    EXPECT_EQ(list->Fg5.TextMatrix(1, 7), "-0.1");
    for (int i = 1; i <= 20; ++i) {
        EXPECT_EQ(list->Fg5.TextMatrix(i, 3), num::boxText(st.SHorVertIL(i)));
        EXPECT_EQ(list->Fg5.TextMatrix(i, 6), num::boxText(st.SHorVertGL(i)));
    }
    EXPECT_EQ(list->Fg5.Row(), 20);
    EXPECT_EQ(list->Fg5.Col(), 7);
    EXPECT_EQ(list->Fg5.ColWidth(4), 1350);
}

TEST(Form7List, ANewCalculationRefillsTheListAndClosesTheGraphs) {
    CalculatedSite site;
    site.results->Command2_Click();
    site.results->Command3_Click();
    site.results->Command13_Click();
    site.input->Text6 = "1.1"; // C = 0.2: the secondary settlement at 10 days becomes -0.2
    site.input->Command1_Click();
    EXPECT_EQ(site.t.windows().find<Form7>()->Fg5.TextMatrix(1, 7), "-0.2");
    EXPECT_EQ(site.t.windows().find<Form6>(), nullptr);
    EXPECT_EQ(site.t.windows().find<Form15>(), nullptr);
}

TEST(ConsolidationResults, CloseWhenTheSettlementsTheyCameFromChange) {
    CalculatedSite site;
    site.results->Command2_Click();
    site.results->Command3_Click();
    site.results->Command13_Click();
    Form1& settlement = test::loadSite(site.t, test::softBjerrumSite());
    ASSERT_TRUE(calculateSettlements(site.t.app, settlement));
    for (const char* name : {"Form5", "Form6", "Form7", "Form15"}) {
        EXPECT_FALSE(site.t.windows().isLoaded(name)) << name;
    }
    EXPECT_TRUE(site.t.windows().isLoaded("Form4"));
}

TEST(Form5Buttons, ListAndPreloadNeedTheirWindows) {
    CalculatedSite site;
    site.t.state().ListMode = 1;
    EXPECT_TRUE(site.results->listingAvailable());
    EXPECT_TRUE(site.results->preloadAvailable());
    site.results->Command15_Click();
    EXPECT_EQ(site.t.state().ListMode, 0);
}

} // namespace
} // namespace korvex
