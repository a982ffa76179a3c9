#include "settlement/form8_fill_height.h"
#include "settlement/form9_fill_height_required_time.h"

#include "support/test_app.h"

#include <gtest/gtest.h>

namespace korvex::test {
namespace {

// Fill step i: thickness 0.5 i m, settlement -0.1 i m at load 9 i kPa, effective height
// 0.5 i - 0.1 i = 0.4 i m, surface 0.4 i - 1 m on a ground at -1 m; the calculated fill of
// 2.25 m settles 0.22 m.
void setFillSteps(Module1& st) {
    st.SurfaceLevel = -1;
    st.SurfaceLevelRequired = 1;
    st.SettlementTime = 1000;
    st.FillThickness = 2.25f;
    st.FillSettlement = 0.22f;
    for (int i = 1; i <= 15; ++i) {
        const float step = static_cast<float>(i);
        st.FillHeight(i) = 0.5f * step;
        st.FillHeightSettlement(i) = -0.1f * step;
        st.FillHeightStress(i) = 9.0f * step;
        st.EffHeight(i) = 0.4f * step;
        st.SurfaceHeight(i) = 0.4f * step - 1;
    }
    // A sixteenth step is outside both windows.
    st.FillHeight(16) = 99;
    const float pathS[4] = {0, -0.05f, -0.2f, -0.22f};
    const float pathLoad[4] = {0, 40, 38, 36};
    for (int k = 1; k <= 4; ++k) {
        st.CalcFillPathS(k) = pathS[k - 1];
        st.CalcFillPathLoad(k) = pathLoad[k - 1];
    }
}

TEST(FillHeightWindow, ListsFifteenFillStepsAndMarksTheCalculatedThickness) {
    TestApp t;
    setFillSteps(t.state());
    Form8& form = t.windows().show<Form8>();

    EXPECT_EQ(form.Caption, "Fill height and Effective height ");
    const char* headings[] = {"Fill Height (m)", "Settlement (m) ", "Effective Height (m)",
                              "Surface height (m)"};
    for (int c = 0; c < 4; ++c) {
        EXPECT_EQ(form.Fg6.TextMatrix(0, c), headings[c]);
    }
    // Step 3: 1.5 m, -0.3 m, 1.2 m, 0.2 m; step 15: 7.5, -1.5, 6, 5.
    const char* row3[] = {"1.5", "-0.3", "1.2", "0.2"};
    const char* row15[] = {"7.5", "-1.5", "6", "5"};
    for (int c = 0; c < 4; ++c) {
        EXPECT_EQ(form.Fg6.TextMatrix(3, c), row3[c]);
        EXPECT_EQ(form.Fg6.TextMatrix(15, c), row15[c]);
        EXPECT_EQ(form.Fg6.TextMatrix(16, c), "");
    }

    const auto& sets = form.Graph1.sets();
    ASSERT_EQ(sets.size(), 4u);
    for (int i = 1; i <= 15; ++i) {
        const auto idx = static_cast<std::size_t>(i - 1);
        const float step = static_cast<float>(i);
        EXPECT_FLOAT_EQ(sets[0].points[idx].y, 1.0f);
        EXPECT_FLOAT_EQ(sets[0].points[idx].x, 0.5f * step);
        // Former ground after settlement: -1 - 0.1 i.
        EXPECT_FLOAT_EQ(sets[1].points[idx].y, -1.0f - 0.1f * step);
        EXPECT_FLOAT_EQ(sets[2].points[idx].y, 0.4f * step - 1);
        // The marker is vertical at the calculated thickness, from -0.6 m to 5 m.
        EXPECT_FLOAT_EQ(sets[3].points[idx].x, 2.25f);
        EXPECT_FLOAT_EQ(sets[3].points[idx].y, 0.4f * step - 1);
    }
    EXPECT_EQ(sets[0].points[14].label, "Surface Level Required");
    EXPECT_EQ(sets[3].points[14].label, "2.25");
    EXPECT_EQ(form.Graph1.DrawMode(), 2);
}

TEST(FillHeightForTimeWindow, ShowsAllFifteenFillStepsTheCalculatedSettlementAndItsPath) {
    TestApp t;
    setFillSteps(t.state());
    Form9& form = t.windows().show<Form9>();

    EXPECT_EQ(form.Fg7.TextMatrix(0, 0), "Fill Tickness (m)");
    EXPECT_EQ(form.Fg7.TextMatrix(0, 1), "Settlement (m)");
    EXPECT_EQ(form.Fg7.TextMatrix(15, 0), "7.5");
    EXPECT_EQ(form.Fg7.TextMatrix(15, 1), "-1.5");
    EXPECT_EQ(form.Fg7.TextMatrix(16, 0), "");

    const auto& sets = form.Graph1.sets();
    ASSERT_EQ(sets.size(), 3u);
    // Every one of the fifteen fill-step pairs has a point of its own: the fourteenth
    // (126 kPa, -1.4 m) is not overwritten by the fifteenth (135 kPa, -1.5 m).
    std::vector<float> loads;
    for (const auto& p : sets[0].points) {
        if (p.written) {
            loads.push_back(p.x);
        }
    }
    ASSERT_EQ(loads.size(), 15u);
    for (int i = 1; i <= 15; ++i) {
        EXPECT_FLOAT_EQ(loads[static_cast<std::size_t>(i - 1)], 9.0f * static_cast<float>(i));
    }
    EXPECT_EQ(sets[0].points.back().label, "1000");
    EXPECT_FLOAT_EQ(sets[0].points.back().y, -1.5f);

    // The calculated fill's settlement is a horizontal line at -0.22 m.
    EXPECT_EQ(sets[1].symbol, 13);
    for (const auto& p : sets[1].points) {
        EXPECT_TRUE(p.written);
        EXPECT_FLOAT_EQ(p.y, -0.22f);
    }
    EXPECT_EQ(sets[1].points[14].label, "-0.22");

    // Its stress path at points 12 to 15.
    const float pathLoad[4] = {0, 40, 38, 36};
    for (int k = 1; k <= 4; ++k) {
        EXPECT_FLOAT_EQ(sets[2].points[static_cast<std::size_t>(10 + k)].x, pathLoad[k - 1]);
    }
    EXPECT_FALSE(sets[2].points[10].written);
    EXPECT_EQ(sets[2].points[14].label, "2.25");
}

} // namespace
} // namespace korvex::test
