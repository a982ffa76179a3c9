#include "consolidation/rest_settlement_times.h"
#include "preload/form11_extra_fill_results.h"
#include "preload/form12_removal_time.h"
#include "preload_site.h"
#include "support/test_app.h"

#include <gtest/gtest.h>

#include <vector>

namespace korvex::test {
namespace {

// Preload results written by hand: case c settles -0.1 c m at every time point t, plus t mm.
void handResults(Module1& st) {
    st.SpacingTriPre = 2.0f;
    st.SRemoveLevel = -0.25f;
    for (int c = 1; c <= 6; ++c) {
        st.ExtraFill(c) = 0.5f * static_cast<float>(c - 1);
        for (int t = 1; t <= 16; ++t) {
            st.TPreload(t) = 10.0f * static_cast<float>(t);
            st.SPreloadTotal(t, c) = -0.1f * static_cast<float>(c) - 0.001f * static_cast<float>(t);
            st.SPreloadVertRest(t, c) = -0.01f * static_cast<float>(c);
            st.SPreloadHor(t, c) = st.SPreloadTotal(t, c) - st.SPreloadVertRest(t, c);
        }
    }
}

TEST(Form11, TablesShowTheTotalAndRestLayerSettlementsPerCase) {
    TestApp t;
    handResults(t.state());
    const Form11& form = t.windows().load<Form11>();
    EXPECT_EQ(form.Fg10.TextMatrix(0, 0), "Time(days)");
    EXPECT_EQ(form.Fg10.TextMatrix(0, 2), "0.5");
    EXPECT_EQ(form.Fg10.TextMatrix(16, 0), "160");
    EXPECT_EQ(form.Fg10.TextMatrix(3, 2), "-0.203"); // case 2 at point 3: -0.2 - 0.003
    EXPECT_EQ(form.Fg11.TextMatrix(3, 2), "-0.02");
    EXPECT_EQ(form.Fg11.TextMatrix(0, 6), "2.5");
    // The overview: the six totals and the removal level, each from point 1 to point 16.
    const auto& sets = form.Graph1.sets();
    ASSERT_EQ(sets.size(), 7u);
    EXPECT_FLOAT_EQ(sets[5].points[0].y, -0.601f);
    EXPECT_FLOAT_EQ(sets[6].points[15].y, -0.25f);
    EXPECT_EQ(sets[6].points[15].x, 160.0f);
}

TEST(Form11, PreLoadOneComparesCaseTwoWithTheFillAlone) {
    TestApp t;
    handResults(t.state());
    Form11& form = t.windows().load<Form11>();
    form.drawCaseGraph(3);
    // "Pre load 1" is one increment of extra fill: case 2 (0.5 m), not case 1.
    EXPECT_EQ(form.Graph1.GraphTitle(), "Settlement - Extra Fill [m]: .5 - Drainspacing [m]: 2");
    const auto& sets = form.Graph1.sets();
    ASSERT_EQ(sets.size(), 3u);
    EXPECT_FLOAT_EQ(sets[0].points[0].y, -0.101f);
    EXPECT_FLOAT_EQ(sets[1].points[15].y, -0.216f);
    EXPECT_FLOAT_EQ(sets[2].points[7].y, -0.25f);
    // "Rest layer0" splits case 1 into its drained part, its rest part and the total.
    form.drawCaseGraph(8);
    EXPECT_EQ(form.Graph1.GraphTitle(), "Settlement - Extra Fill [m]: 0 - Drainspacing [m]: 2");
    EXPECT_FLOAT_EQ(form.Graph1.sets()[1].points[4].y, -0.01f);
    EXPECT_FLOAT_EQ(form.Graph1.sets()[2].points[4].y, -0.105f);
}

TEST(Form12, AdvantagesAgainstTheFillAloneAndCasesNeverReached) {
    TestApp t;
    handResults(t.state());
    const Single removal[6] = {100, 80, 120, kRestTimeLimitDays, 60, 50};
    for (int c = 1; c <= 6; ++c) {
        t.state().TRemove(c) = removal[c - 1];
    }
    const Form12& form = t.windows().load<Form12>();
    EXPECT_EQ(form.Text1, "2");
    // Advantage = -(TRemove(c) - TRemove(1)): 0, 20, -20, none, 40, 50.
    const char* times[6] = {"100", "80", "120", "not reached", "60", "50"};
    const char* advantages[6] = {"0", "20", "-20", "", "40", "50"};
    for (int c = 1; c <= 6; ++c) {
        EXPECT_EQ(form.Fg12.TextMatrix(c, 1), times[c - 1]) << c;
        EXPECT_EQ(form.Fg12.TextMatrix(c, 2), advantages[c - 1]) << c;
    }
    EXPECT_EQ(t.state().TAdvantage(5), 40.0f);
    const auto& sets = form.Graph1.sets();
    EXPECT_FALSE(sets[0].points[3].written);
    EXPECT_FALSE(sets[1].points[3].written);
    EXPECT_EQ(sets[0].points[4].y, 60.0f);
    EXPECT_EQ(sets[0].points[4].x, 2.0f);
    EXPECT_EQ(sets[1].points[5].label, "Time(days)");
}

// The drain spacing labels every drawn point but the first, also when case 1 is not drawn.
TEST(Form12, TheFirstDrawnPointHasNoLabel) {
    struct Case {
        Single first;
        std::vector<int> labelled;
    };
    const Case cases[] = {{100, {2, 3, 4, 5, 6}}, {kRestTimeLimitDays, {3, 4, 5, 6}}};
    for (const Case& c : cases) {
        TestApp t;
        handResults(t.state());
        t.state().TRemove(1) = c.first;
        for (int k = 2; k <= 6; ++k) {
            t.state().TRemove(k) = 90.0f - 10.0f * static_cast<float>(k);
        }
        const Form12& form = t.windows().load<Form12>();
        std::vector<int> labelled;
        const auto& points = form.Graph1.sets()[0].points;
        for (std::size_t p = 0; p < points.size(); ++p) {
            if (!points[p].label.empty()) {
                EXPECT_EQ(points[p].label, "2");
                labelled.push_back(static_cast<int>(p) + 1);
            }
        }
        EXPECT_EQ(labelled, c.labelled) << c.first;
    }
}

TEST(Form12, BeforeAnyPreloadCalculationShowsNoTimes) {
    TestApp t;
    const Form12& form = t.windows().load<Form12>();
    for (int c = 1; c <= 6; ++c) {
        EXPECT_EQ(form.Fg12.TextMatrix(c, 1), "");
        EXPECT_EQ(form.Fg12.TextMatrix(c, 2), "");
        EXPECT_FALSE(form.Graph1.sets()[0].points[static_cast<std::size_t>(c - 1)].written);
    }
}

TEST(PreloadWindows, FollowEachPreloadAndCloseWithANewSettlementCalculation) {
    PreloadSite site;
    ASSERT_TRUE(site.calculate());
    Form10& input = site.window();
    input.Command4_Click();
    site.t.windows().find<Form11>()->Command14_Click();
    const Form12* removal = site.t.windows().find<Form12>();
    ASSERT_NE(removal, nullptr);
    // Case 2 carries one increment of extra fill: 1 m, then 0.5 m.
    EXPECT_EQ(removal->Fg12.TextMatrix(2, 0), "1");
    input.Text1 = "0.5";
    ASSERT_TRUE(site.calculate());
    EXPECT_EQ(removal->Fg12.TextMatrix(2, 0), "0.5");

    loadSite(site.t, twoLayerPreloadSite()).Command1_Click();
    EXPECT_FALSE(site.t.windows().isLoaded("Form11"));
    EXPECT_FALSE(site.t.windows().isLoaded("Form12"));
    ASSERT_EQ(site.t.windows().find<Form10>(), &input);
    EXPECT_EQ(input.Fg9.TextMatrix(1, 1), "");
}

TEST(PreloadGraphWindows, PrintAtFourteenThousandByEightThousandFiveHundredTwips) {
    TestApp t;
    Form11& curves = t.windows().load<Form11>();
    curves.Command2_Click();
    curves.Command15_Click();
    t.windows().load<Form12>().Command2_Click();
    ASSERT_EQ(t.desktop.printedGraphs.size(), 2u);
    for (const RecordedGraphJob& job : t.desktop.printedGraphs) {
        EXPECT_EQ(job.widthTwips, 14000);
        EXPECT_EQ(job.heightTwips, 8500);
        EXPECT_EQ(job.orientation, PageOrientation::Portrait);
    }
    EXPECT_EQ(t.desktop.clipboardImages.size(), 1u);
}

} // namespace
} // namespace korvex::test
