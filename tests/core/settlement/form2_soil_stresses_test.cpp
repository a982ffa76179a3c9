#include "settlement/form2_soil_stresses.h"

#include "settlement/form1_settlement_input.h"
#include "support/test_app.h"

#include <gtest/gtest.h>

namespace korvex::test {
namespace {

// Two layers of the last calculation, with stresses chosen at the edge of the label rounding.
void setTwoLayers(Module1& st) {
    st.Method = 1;
    st.NLayers = 2;
    st.LThickness(1) = 2;
    st.LThickness(2) = 4.5f;
    st.Depth(1) = -1;
    st.Depth(2) = -4.25f;
    st.SigmaWat(1) = 7.5f;
    st.SigmaWat(2) = 39.3f;
    st.SigmaTot(1) = 12.3449f;
    st.SigmaTot(2) = 72.125f;
    st.SigmaEff(1) = 12.3451f;
    st.SigmaEff(2) = 32.8f;
    st.OCR(1) = 1.2f;
    st.OCR(2) = 1;
}

TEST(SoilStressWindow, ShowsTheLayersOfTheLastCalculationInTableAndGraph) {
    TestApp t;
    setTwoLayers(t.state());
    Form2& form = t.windows().show<Form2>();

    const char* headings[] = {"Lno",         "LThickness(i)", "Depth(i)", "SigmaWat(i)",
                              "SigmaTot(i)", "SigmaEff(i)",   "OCR(i)"};
    const char* row1[] = {"1", "2", "-1", "7.5", "12.3449", "12.3451", "1.2"};
    const char* row2[] = {"2", "4.5", "-4.25", "39.3", "72.125", "32.8", "1"};
    for (int c = 0; c < 7; ++c) {
        EXPECT_EQ(form.Fg2.TextMatrix(0, c), headings[c]);
        EXPECT_EQ(form.Fg2.TextMatrix(1, c), row1[c]);
        EXPECT_EQ(form.Fg2.TextMatrix(2, c), row2[c]);
        EXPECT_EQ(form.Fg2.TextMatrix(3, c), "");
    }
    EXPECT_EQ(form.Fg2.Rows(), 16);
    EXPECT_EQ(form.Fg2.ColWidth(0), 500);
    EXPECT_EQ(form.Fg2.ColWidth(3), 1250);

    const auto& sets = form.Graph1.sets();
    ASSERT_EQ(sets.size(), 3u);
    EXPECT_EQ(sets[2].legend, "effective stress");
    // Labels are the stress rounded to two decimals: 12.3449 -> 12.34, 12.3451 -> 12.35,
    // 72.125 -> Int(7212.5 + 0.5) / 100 = 72.13.
    const char* labels[3][2] = {{"7.5", "39.3"}, {"12.34", "72.13"}, {"12.35", "32.8"}};
    const float stresses[3][2] = {{7.5f, 39.3f}, {12.3449f, 72.125f}, {12.3451f, 32.8f}};
    for (int s = 0; s < 3; ++s) {
        ASSERT_EQ(sets[static_cast<std::size_t>(s)].points.size(), 2u);
        for (int i = 0; i < 2; ++i) {
            const auto& p = sets[static_cast<std::size_t>(s)].points[static_cast<std::size_t>(i)];
            EXPECT_FLOAT_EQ(p.x, stresses[s][i]);
            EXPECT_FLOAT_EQ(p.y, i == 0 ? -1.0f : -4.25f);
            EXPECT_EQ(p.label, labels[s][i]) << "set " << s + 1 << " point " << i + 1;
        }
    }
    EXPECT_EQ(form.Graph1.DrawMode(), 2);
}

TEST(SoilStressWindow, NeverTakesTheLayerCountFromTheInputWindow) {
    // The input box was changed after the calculation, to a count the arrays cannot even hold.
    for (const char* typed : {"1", "5", "25"}) {
        TestApp t;
        setTwoLayers(t.state());
        t.windows().load<Form1>().Text7 = typed;
        Form2& form = t.windows().show<Form2>();
        EXPECT_EQ(t.state().NLayers, 2) << typed;
        EXPECT_EQ(form.Graph1.NumPoints(), 2) << typed;
        EXPECT_EQ(form.Fg2.TextMatrix(2, 0), "2");
        EXPECT_EQ(form.Fg2.TextMatrix(3, 0), "");
    }
}

TEST(SoilStressWindow, TwentyLayersGetRowsOfTheirOwn) {
    TestApp t;
    t.state().NLayers = 20;
    t.state().SigmaEff(20) = 150;
    Form2& form = t.windows().show<Form2>();
    ASSERT_EQ(form.Fg2.Rows(), 21);
    EXPECT_EQ(form.Fg2.TextMatrix(20, 5), "150");
    EXPECT_EQ(form.Graph1.sets()[2].points[19].label, "150");
}

TEST(SoilStressWindow, PrintsAtThePrintSizeAndReturnsToTheLayoutSize) {
    TestApp t;
    setTwoLayers(t.state());
    Form2& form = t.windows().show<Form2>();
    const unsigned draws = form.Graph1.drawRevision();
    form.Command2_Click();
    ASSERT_EQ(t.desktop.printedGraphs.size(), 1u);
    EXPECT_EQ(t.desktop.printedGraphs[0].widthTwips, 14000);
    EXPECT_EQ(t.desktop.printedGraphs[0].heightTwips, 8500);
    EXPECT_EQ(form.Graph1.Width(), 5775);
    EXPECT_EQ(form.Graph1.Height(), 6375);
    EXPECT_EQ(form.Graph1.drawRevision(), draws + 1);
    EXPECT_EQ(form.Graph1.sets()[1].points[1].label, "72.13");
}

} // namespace
} // namespace korvex::test
