#include "settlement/form3_settlement_results.h"

#include "app/number_text.h"
#include "settlement/form2_soil_stresses.h"
#include "settlement/form8_fill_height.h"
#include "settlement/form9_fill_height_required_time.h"
#include "support/test_app.h"

#include <gtest/gtest.h>

namespace korvex::test {
namespace {

// A known calculation: settlement of step j after the k-th time = -(j * 0.01 + k * 0.001)
// plus a remainder below the fourth decimal that the window's loading rounds away.
void setKnownSettlements(Module1& st) {
    SingleArray<20>* arrays[5] = {&st.S1, &st.S10, &st.S100, &st.S1000, &st.S10000};
    for (int k = 0; k < 5; ++k) {
        for (int j = 1; j <= 16; ++j) {
            (*arrays[k])(j) =
                -(static_cast<float>(j) * 0.01f + static_cast<float>(k + 1) * 0.001f) - 0.00003f;
        }
        (*arrays[k])(17) = -0.123456f;
        (*arrays[k])(0) = -0.98765f;
    }
    for (int i = 1; i <= 14; ++i) {
        for (int p = 1; p <= 4; ++p) {
            st.StressPathS(i, p) = -0.01f * static_cast<float>(i * p);
            st.StressPathLoad(i, p) = 10.0f * static_cast<float>(i) - static_cast<float>(p);
        }
        st.FillHeight(i) = static_cast<float>(i);
    }
    for (int i = 1; i <= 15; ++i) {
        st.FillHeightSettlement(i) = -0.1f * static_cast<float>(i);
        st.FillHeightStress(i) = 18.0f * static_cast<float>(i);
    }
    st.SettlementTime = 1000;
}

TEST(SettlementResultLoading, RoundsTheTotalsOfTheLoadStepsToFourDecimalsInTheSharedState) {
    struct Case {
        float value;
        float rounded;
    };
    // Int(x * 10^4 + 0.5) / 10^4: halves go up, so negative settlements round towards zero at
    // the half.
    const Case cases[] = {
        {-0.12344f, -0.1234f}, {-0.12346f, -0.1235f}, {-0.00004f, 0.0f},     {-0.00006f, -0.0001f},
        {-0.5f, -0.5f},        {0.00026f, 0.0003f},   {-1.23455f, -1.2345f},
    };
    for (const Case& c : cases) {
        TestApp t;
        Module1& st = t.state();
        st.S1(3) = c.value;
        st.S10(16) = c.value;
        st.S10000(1) = c.value;
        st.S100(17) = c.value;
        st.S1000(0) = c.value;
        Form3& form = t.windows().show<Form3>();
        EXPECT_FLOAT_EQ(st.S1(3), c.rounded) << c.value;
        EXPECT_FLOAT_EQ(st.S10(16), c.rounded) << c.value;
        EXPECT_FLOAT_EQ(st.S10000(1), c.rounded) << c.value;
        // Only load steps 1 to 16 belong to the table; the other elements are not rounded.
        EXPECT_FLOAT_EQ(st.S100(17), c.value);
        EXPECT_FLOAT_EQ(st.S1000(0), c.value);
        EXPECT_EQ(form.Fg3.TextMatrix(3, 1), num::boxText(c.rounded));
    }
}

TEST(SettlementResultLoading, TableAndCurvesShowTheRoundedSettlementsPerLoadStep) {
    TestApp t;
    setKnownSettlements(t.state());
    Form3& form = t.windows().show<Form3>();

    ASSERT_EQ(form.Fg3.Rows(), 20);
    ASSERT_EQ(form.Fg3.Cols(), 6);
    const char* headings[] = {"Load kPa", "S1 ", "S10", "S100", "S1 000", "S10 000"};
    for (int c = 0; c < 6; ++c) {
        EXPECT_EQ(form.Fg3.TextMatrix(0, c), headings[c]);
    }
    // Step 1 after 1 day: -(0.01 + 0.001) - 0.00003 = -0.01103 -> -0.011;
    // step 16 after 10 000 days: -(0.16 + 0.005) - 0.00003 = -0.16503 -> -0.165.
    EXPECT_EQ(form.Fg3.TextMatrix(1, 0), "5");
    EXPECT_EQ(form.Fg3.TextMatrix(1, 1), "-0.011");
    EXPECT_EQ(form.Fg3.TextMatrix(16, 0), "280");
    EXPECT_EQ(form.Fg3.TextMatrix(16, 5), "-0.165");
    EXPECT_EQ(form.Fg3.TextMatrix(8, 3), "-0.083");
    for (int r = 17; r <= 19; ++r) {
        for (int c = 0; c < 6; ++c) {
            EXPECT_EQ(form.Fg3.TextMatrix(r, c), "");
        }
    }

    const auto& sets = form.Graph1.sets();
    ASSERT_EQ(sets.size(), 5u);
    EXPECT_EQ(sets[4].legend, "10 000 days");
    for (const auto& set : sets) {
        ASSERT_EQ(set.points.size(), 16u);
        for (const auto& p : set.points) {
            EXPECT_TRUE(p.written);
        }
    }
    EXPECT_FLOAT_EQ(sets[0].points[0].x, 5.0f);
    EXPECT_FLOAT_EQ(sets[0].points[0].y, -0.011f);
    EXPECT_FLOAT_EQ(sets[2].points[15].x, 280.0f);
    EXPECT_FLOAT_EQ(sets[2].points[15].y, -0.163f);
    EXPECT_EQ(form.Graph1.DrawMode(), 3);
}

TEST(SettlementResultButtons, StressPathsTakeTheLastFourPointsAndGoAwayAgain) {
    TestApp t;
    setKnownSettlements(t.state());
    Form3& form = t.windows().show<Form3>();
    form.Command4_Click();

    const auto& sets = form.Graph1.sets();
    ASSERT_EQ(sets.size(), 20u);
    EXPECT_EQ(form.Graph1.Labels(), 1);
    EXPECT_EQ(sets[0].symbol, 2);
    EXPECT_FLOAT_EQ(sets[4].points[15].y, -0.165f);
    for (int i = 1; i <= 14; ++i) {
        const auto& path = sets[4 + static_cast<std::size_t>(i)].points;
        for (int p = 0; p < 12; ++p) {
            EXPECT_FALSE(path[static_cast<std::size_t>(p)].written) << "path " << i;
        }
        for (int k = 1; k <= 4; ++k) {
            const auto& point = path[11 + static_cast<std::size_t>(k)];
            EXPECT_FLOAT_EQ(point.y, -0.01f * static_cast<float>(i * k)) << i << "," << k;
            EXPECT_FLOAT_EQ(point.x, 10.0f * static_cast<float>(i) - static_cast<float>(k));
        }
        EXPECT_EQ(path[15].label, num::boxText(i)) << "path " << i;
    }
    EXPECT_EQ(sets[5].points[12].label, "FillLayer thickness (m)");

    // The fill steps at the settlement time: 15 pairs at points 2 to 16, the time on the last.
    const auto& fill = sets[19].points;
    EXPECT_FALSE(fill[0].written);
    for (int i = 1; i <= 15; ++i) {
        EXPECT_FLOAT_EQ(fill[static_cast<std::size_t>(i)].x, 18.0f * static_cast<float>(i));
        EXPECT_FLOAT_EQ(fill[static_cast<std::size_t>(i)].y, -0.1f * static_cast<float>(i));
    }
    EXPECT_EQ(fill[15].label, "1000");
    EXPECT_EQ(form.Graph1.DrawMode(), 2);

    form.Command5_Click();
    ASSERT_EQ(form.Graph1.sets().size(), 5u);
    EXPECT_EQ(form.Graph1.DrawMode(), 3);
    EXPECT_FLOAT_EQ(form.Graph1.sets()[4].points[15].y, -0.165f);
}

TEST(SettlementResultButtons, PrintsAtThePrintSizeAndTheClipboardDrawsFirst) {
    TestApp t;
    setKnownSettlements(t.state());
    Form3& form = t.windows().show<Form3>();
    const unsigned drawsBefore = form.Graph1.drawRevision();
    form.Command8_Click();
    EXPECT_EQ(form.Graph1.drawRevision(), drawsBefore + 1);
    ASSERT_EQ(t.desktop.clipboardImages.size(), 1u);
    form.Command3_Click();
    form.Command3_Click();
    ASSERT_EQ(t.desktop.printedGraphs.size(), 2u);
    for (const auto& job : t.desktop.printedGraphs) {
        EXPECT_EQ(job.widthTwips, 14000);
        EXPECT_EQ(job.heightTwips, 8500);
    }
    // The graph on screen keeps its window's size, so it never covers the table and buttons.
    EXPECT_EQ(form.Graph1.Width(), form.Graph1.design().width);
    EXPECT_EQ(form.Graph1.Height(), form.Graph1.design().height);
}

TEST(SettlementResultButtons, OpenTheOtherResultWindowsAndOfferTheListingOnlyWhenItExists) {
    TestApp t;
    t.state().NLayers = 1;
    t.host.withoutView.push_back("Form18");
    Form3& form = t.windows().show<Form3>();
    form.Command2_Click();
    form.Command6_Click();
    form.Command7_Click();
    EXPECT_NE(t.windows().find<Form2>(), nullptr);
    EXPECT_NE(t.windows().find<Form8>(), nullptr);
    EXPECT_NE(t.windows().find<Form9>(), nullptr);
    EXPECT_EQ(t.host.shown, (std::vector<std::string>{"Form3", "Form2", "Form8", "Form9"}));

    EXPECT_FALSE(form.listAvailable());
    t.state().ListMode = 1;
    form.Command9_Click();
    EXPECT_EQ(t.state().ListMode, 1);
    // Once the listing window has its view, "List" selects the settlement report and opens it.
    t.host.withoutView.clear();
    EXPECT_TRUE(form.listAvailable());
    form.Command9_Click();
    EXPECT_EQ(t.state().ListMode, 0);
    EXPECT_EQ(t.host.shown.back(), "Form18");
}

} // namespace
} // namespace korvex::test
