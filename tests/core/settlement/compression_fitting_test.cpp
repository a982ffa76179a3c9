#include "settlement/compression_fitting.h"

#include "settlement/form1_settlement_input.h"
#include "support/test_app.h"

#include <gtest/gtest.h>

namespace korvex::test {
namespace {

Form1& openInput(TestApp& t, int method) {
    t.state().Method = static_cast<Integer>(method);
    return t.windows().show<Form1>();
}

TEST(DensityCorrection, DividesDensitiesTypedInKilonewtonsOnEveryLayerRow) {
    TestApp t;
    Form1& form = openInput(t, 1);
    struct Case {
        int row;
        const char* typed;
        const char* shown;
    };
    // 17 / 10 = 1.7; exactly 10 is corrected (10 / 10 = 1); 9.99 is below the threshold;
    // rows 7 and 8 lie beyond the first six and are corrected all the same; an empty row stays
    // empty, and a text without a number is left for the calculation to refuse by name.
    // 9.99999999 is stored as the Single 10 and so is corrected too: 0.999999999 is stored as 1.
    const Case cases[] = {{1, "17", "1.7"},    {2, "10", "1"}, {3, "9.99", "9.99"},
                          {4, "1.6", "1.6"},   {5, "", ""},    {6, "Fault!", "Fault!"},
                          {7, "18.5", "1.85"}, {8, "20", "2"}, {9, "9.99999999", "1"},
                          {20, "15", "1.5"}};
    for (const Case& c : cases) {
        form.Fg1.setTextMatrix(c.row, 2, c.typed);
    }
    t.state().Soilwet(5) = 1.3f;
    form.Command6_Click();
    for (const Case& c : cases) {
        EXPECT_EQ(form.Fg1.TextMatrix(c.row, 2), c.shown) << "row " << c.row;
    }
    EXPECT_FLOAT_EQ(t.state().Soilwet(1), 1.7f);
    EXPECT_FLOAT_EQ(t.state().Soilwet(8), 2.0f);
    EXPECT_FLOAT_EQ(t.state().Soilwet(5), 1.3f);
    EXPECT_EQ(form.Fg1.Row(), 1);
    EXPECT_EQ(form.Fg1.Col(), 2);
}

TEST(KoppejanCurveFit, DefaultCoefficientsGiveTheHandComputedColumns) {
    TestApp t;
    Form1& form = openInput(t, 2);
    form.Text7 = "2";
    form.Fg1.setTextMatrix(1, 2, "1.7");
    form.Fg1.setTextMatrix(2, 2, "2.2");
    form.Fg1.setTextMatrix(1, 7, "12");
    form.Command7_Click();

    // w = 1.7:  1/Cp  = exp(-1.98*1.7 - 1.05)  = exp(-4.416) = 0.0120825 -> 0.01208
    //           1/Cs  = exp(-2.54*1.7 - 1.58)  = exp(-5.898) = 0.0027449 -> 0.00274
    //           1/C   = exp(-2.72*1.7 + 1.6)   = exp(-3.024) = 0.0486064 -> 0.04861
    //           1/Cp' = exp(-2.34*1.7 + 0.569) = exp(-3.409) = 0.0330743 -> 0.03307
    //           1/Cs' = (0.0486064 - 0.0330743) / 4 = 0.0038830 -> 0.00388
    //           C     = 1 / 0.04861 = 20.5719
    // w = 2.2:  1/Cp  = exp(-5.406) = 0.0044896 -> 0.00449
    //           1/Cs  = exp(-7.168) = 0.0007709 -> 0.00077
    //           1/C   = exp(-4.384) = 0.0124754 -> 0.01248
    //           1/Cp' = exp(-4.579) = 0.0102652 -> 0.01027
    //           1/Cs' = (0.0124754 - 0.0102652) / 4 = 0.0005526 -> 0.00055
    //           C     = 1 / 0.01248 = 80.12820 -> 80.1282
    const char* expected[2][6] = {{"0.01208", "0.00274", "0.03307", "0.00388", "12", "20.5719"},
                                  {"0.00449", "0.00077", "0.01027", "0.00055", "", "80.1282"}};
    for (int r = 1; r <= 2; ++r) {
        for (int c = 3; c <= 8; ++c) {
            EXPECT_EQ(form.Fg1.TextMatrix(r, c), expected[r - 1][c - 3]) << r << "," << c;
        }
    }
    EXPECT_EQ(t.state().NLayers, 2);
    EXPECT_FLOAT_EQ(t.state().InvCp(1), 0.01208f);
    EXPECT_FLOAT_EQ(t.state().CKoppejan(1), 0.04861f);
    EXPECT_FLOAT_EQ(t.state().InvCs2(2), 0.00055f);
    EXPECT_TRUE(t.desktop.messages.empty());
}

TEST(KoppejanCurveFit, WarnsOfEveryUnrealisticDensityAndFitsAnyway) {
    TestApp t;
    Form1& form = openInput(t, 2);
    form.Text7 = "3";
    form.Fg1.setTextMatrix(1, 2, "17");
    form.Fg1.setTextMatrix(2, 2, "3");
    form.Fg1.setTextMatrix(3, 2, "0.9");
    form.Command7_Click();
    ASSERT_EQ(t.desktop.messages.size(), 2u);
    for (const auto& m : t.desktop.messages) {
        EXPECT_EQ(m.text, " Gammawet(i) unrealistic. ");
        EXPECT_EQ(m.style, vbExclamation);
        EXPECT_EQ(m.caption, "");
    }
    // exp(-1.98*17 - 1.05) is far below 0.000005 and rounds to 0; the fit still goes on.
    EXPECT_EQ(form.Fg1.TextMatrix(1, 3), "0");
    EXPECT_NE(form.Fg1.TextMatrix(3, 3), "");
}

TEST(BjerrumLineFit, CompressionIndexFromTheVoidRatio) {
    TestApp t;
    Form1& form = openInput(t, 1);
    form.Text7 = "3";
    const char* voidRatios[] = {"2.5", "1", "0.8"};
    for (int r = 1; r <= 3; ++r) {
        form.Fg1.setTextMatrix(r, 3, "0.05");
        form.Fg1.setTextMatrix(r, 4, voidRatios[r - 1]);
    }
    form.Fg1.setTextMatrix(4, 3, "0.07");
    form.Command8_Click();
    // Cc = 1.04 ln(e0) + 0.357:
    //   e0 2.5: 1.04 * 0.9162907 + 0.357 = 1.3099423 -> 1.3099
    //   e0 1  : 0.357
    //   e0 0.8: 1.04 * -0.2231436 + 0.357 = 0.1249307 -> 0.1249
    const char* cc[] = {"1.3099", "0.357", "0.1249"};
    for (int r = 1; r <= 3; ++r) {
        EXPECT_EQ(form.Fg1.TextMatrix(r, 3), "0") << "row " << r;
        EXPECT_EQ(form.Fg1.TextMatrix(r, 5), cc[r - 1]) << "row " << r;
        EXPECT_EQ(form.Fg1.TextMatrix(r, 6), voidRatios[r - 1]) << "row " << r;
    }
    // A row beyond the layer count is no layer and keeps its recompression ratio.
    EXPECT_EQ(form.Fg1.TextMatrix(4, 3), "0.07");
    EXPECT_EQ(t.state().NLayers, 3);
    EXPECT_FLOAT_EQ(t.state().Cc(1), 1.3099f);
    EXPECT_FLOAT_EQ(t.state().ec(3), 0.8f);
}

TEST(BjerrumLineFit, AVoidRatioWithoutLogarithmIsRefusedByLayerAndChangesNothing) {
    const char* refused[] = {"0", "-0.5", "", "Fault!"};
    for (const char* e0 : refused) {
        TestApp t;
        Form1& form = openInput(t, 1);
        t.state().NLayers = 1;
        t.state().Cc(1) = 0.9f;
        form.Text7 = "2";
        form.Fg1.setTextMatrix(1, 4, "1.5");
        form.Fg1.setTextMatrix(1, 5, "0.9");
        form.Fg1.setTextMatrix(2, 3, "0.04");
        form.Fg1.setTextMatrix(2, 4, e0);
        form.Command8_Click();
        ASSERT_EQ(t.desktop.messages.size(), 1u) << "e0 '" << e0 << "'";
        EXPECT_NE(t.desktop.messages[0].text.find("layer 2"), std::string::npos);
        EXPECT_EQ(t.desktop.messages[0].style, vbExclamation);
        EXPECT_EQ(form.Fg1.TextMatrix(1, 5), "0.9");
        EXPECT_EQ(form.Fg1.TextMatrix(2, 3), "0.04");
        EXPECT_EQ(t.state().NLayers, 1);
        EXPECT_FLOAT_EQ(t.state().Cc(1), 0.9f);
        EXPECT_FLOAT_EQ(t.state().e0(1), 0.0f);
    }
}

TEST(Fitting, ALayerCountTheArraysCannotHoldNeverReachesTheSharedState) {
    for (const char* count : {"21", "25", "-1", "0", ""}) {
        for (int method : {1, 2}) {
            TestApp t;
            Form1& form = openInput(t, method);
            t.state().NLayers = 4;
            form.Text7 = count;
            if (method == 1) {
                form.Command8_Click();
            } else {
                form.Command7_Click();
            }
            EXPECT_EQ(t.state().NLayers, 4) << "count '" << count << "'";
            ASSERT_EQ(t.desktop.messages.size(), 1u);
            EXPECT_EQ(t.desktop.messages[0].text, "Number of Layers [-]: value between 1 and 20.");
        }
    }
}

} // namespace
} // namespace korvex::test
