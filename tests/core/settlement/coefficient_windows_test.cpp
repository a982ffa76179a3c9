#include "settlement/form16_cc_e0_regression.h"
#include "settlement/form17_curve_fitting.h"

#include "settlement/form1_settlement_input.h"
#include "support/test_app.h"

#include <gtest/gtest.h>

namespace korvex::test {
namespace {

TEST(LineFitCoefficientWindow, ShowsAndWritesBackTheCoefficients) {
    TestApp t;
    Form16& form = t.windows().show<Form16>();
    EXPECT_EQ(form.Text1, "1.04");
    EXPECT_EQ(form.Text2, "0.357");
    form.Text1 = "0.95 ";
    form.Text2 = "";
    form.Command1_Click();
    EXPECT_FLOAT_EQ(t.state().CcA, 0.95f);
    EXPECT_FLOAT_EQ(t.state().CcB, 0.0f);
    EXPECT_EQ(t.windows().find<Form16>(), nullptr);
}

TEST(CurveFitCoefficientWindow, WritesBackAllEightCoefficientsInBoxOrderForKoppejan) {
    TestApp t;
    t.state().Method = 2;
    t.windows().load<Form1>().Text7 = "2.5";
    Form17& form = t.windows().show<Form17>();
    const std::string* boxes[8] = {&form.Text1, &form.Text2, &form.Text3, &form.Text4,
                                   &form.Text5, &form.Text6, &form.Text7, &form.Text8};
    const char* defaults[8] = {"-1.98", "-2.54", "-2.34", "-2.72",
                               "-1.05", "-1.58", "0.569", "1.6"};
    for (int b = 0; b < 8; ++b) {
        EXPECT_EQ(*boxes[b], defaults[b]);
    }
    form.Text1 = "-1";
    form.Text2 = "-2";
    form.Text3 = "-3";
    form.Text4 = "-4";
    form.Text5 = "5";
    form.Text6 = "6";
    form.Text7 = "7";
    form.Text8 = "8";
    form.Command1_Click();
    const Module1& st = t.state();
    const float stored[8] = {st.aCp, st.aCs, st.aCp2, st.aC, st.bCp, st.bCs, st.bCp2, st.bC};
    const float expected[8] = {-1, -2, -3, -4, 5, 6, 7, 8};
    for (int b = 0; b < 8; ++b) {
        EXPECT_FLOAT_EQ(stored[b], expected[b]) << "box " << b + 1;
    }
    // "2.5" rounds half to even.
    EXPECT_EQ(st.NLayers, 2);
    EXPECT_EQ(t.windows().find<Form17>(), nullptr);
}

TEST(CurveFitCoefficientWindow, StoresNothingForBjerrumAndNoCountTheArraysCannotHold) {
    {
        TestApp t;
        t.state().Method = 1;
        t.windows().load<Form1>().Text7 = "3";
        Form17& form = t.windows().show<Form17>();
        form.Text1 = "-9";
        form.Command1_Click();
        EXPECT_FLOAT_EQ(t.state().aCp, -1.98f);
        EXPECT_EQ(t.state().NLayers, 0);
        EXPECT_EQ(t.windows().find<Form17>(), nullptr);
    }
    {
        TestApp t;
        t.state().Method = 2;
        t.state().NLayers = 3;
        t.windows().load<Form1>().Text7 = "25";
        Form17& form = t.windows().show<Form17>();
        form.Text1 = "-9";
        form.Command1_Click();
        EXPECT_FLOAT_EQ(t.state().aCp, -9.0f);
        EXPECT_EQ(t.state().NLayers, 3);
    }
}

TEST(CoefficientWindows, ABoxWithoutOneNumberIsRefusedAndTheWindowStaysOpen) {
    // Both were stored before: "1e39" as an infinity, "abc" as 0.
    {
        TestApp t;
        Form16& form = t.windows().show<Form16>();
        form.Text1 = "0.95";
        form.Text2 = "1e39";
        form.Command1_Click();
        ASSERT_EQ(t.desktop.messages.size(), 1u);
        EXPECT_EQ(t.desktop.messages[0].text, "No number in \"b = :\"; correct the input.");
        EXPECT_FLOAT_EQ(t.state().CcA, 1.04f);
        EXPECT_FLOAT_EQ(t.state().CcB, 0.357f);
        EXPECT_EQ(t.windows().find<Form16>(), &form);
    }
    {
        TestApp t;
        t.state().Method = 2;
        t.windows().load<Form1>().Text7 = "3";
        Form17& form = t.windows().show<Form17>();
        form.Text8 = "abc";
        form.Command1_Click();
        ASSERT_EQ(t.desktop.messages.size(), 1u);
        EXPECT_EQ(t.desktop.messages[0].text, "No number in \"bC :\"; correct the input.");
        EXPECT_FLOAT_EQ(t.state().bC, 1.6f);
        EXPECT_EQ(t.state().NLayers, 0);
        EXPECT_EQ(t.windows().find<Form17>(), &form);
    }
}

} // namespace
} // namespace korvex::test
