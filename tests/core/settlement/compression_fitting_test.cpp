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
    // empty. 9.99999999 is stored as the Single 10 and so is corrected too: 0.999999999 is
    // stored as 1.
    const Case cases[] = {{1, "17", "1.7"},    {2, "10", "1"}, {3, "9.99", "9.99"},
                          {4, "1.6", "1.6"},   {5, "", ""},    {6, " ", " "},
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
    form.Fg1.setTextMatrix(1, 2, "0.9");
    form.Fg1.setTextMatrix(2, 2, "2");
    form.Fg1.setTextMatrix(3, 2, "0.5");
    form.Command7_Click();
    ASSERT_EQ(t.desktop.messages.size(), 2u);
    for (const auto& m : t.desktop.messages) {
        EXPECT_EQ(m.text, " Gammawet(i) unrealistic. ");
        EXPECT_EQ(m.style, vbExclamation);
        EXPECT_EQ(m.caption, "");
    }
    // w = 0.9: 1/Cp = exp(-1.98*0.9 - 1.05) = exp(-2.832) = 0.058891 -> 0.05889.
    EXPECT_EQ(form.Fg1.TextMatrix(1, 3), "0.05889");
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

TEST(Fitting, ALayerWithoutPositiveFittedValuesRefusesTheWholeFit) {
    struct Case {
        int method;
        const char* typed;   // e0 (line fit) or wet density (curve fit) of layer 2
        const char* written; // Cc or C(i) of layer 2 when the fit is done
        const char* reason;  // the line naming layer 2 when it is refused
    };
    // Line fit, Cc = 1.04 ln(e0) + 0.357 rounded to 4 decimals, zero at e0 = exp(-0.357 / 1.04)
    // = 0.7094. Curve fit: the constants exp(a w + b) rounded to 5 decimals, 1/Cs' = (1/C -
    // 1/Cp') / 4 and C(i) = 1 / (1/C).
    const Case cases[] = {
        // 1.04 x ln 0.8 + 0.357 = 1.04 x -0.2231436 + 0.357 = 0.1249307.
        {1, "0.8", "0.1249", nullptr},
        // 1.04 x -0.3566749 + 0.357 = -0.0139419.
        {1, "0.7", nullptr,
         "layer 2: e0 0.7 gives Cc = -0.0139; the fitted Cc must be greater than 0."},
        // 1.04 x -0.6931472 + 0.357 = -0.3638731.
        {1, "0.5", nullptr,
         "layer 2: e0 0.5 gives Cc = -0.3639; the fitted Cc must be greater than 0."},
        {1, "0", nullptr, "layer 2: e0 0 has no logarithm; e0 must be greater than 0."},
        {1, "1e39", nullptr, "No number in layer 2, column \"e0(i)\"; correct the input."},
        // w = 2.5: 1/C = exp(-5.2) = 0.0055166, 1/Cp' = exp(-5.281) = 0.0050873;
        // C = 1 / 0.00552 = 181.1594.
        {2, "2.5", "181.1594", nullptr},
        // w = 2.8: 1/Cs' = (exp(-6.016) - exp(-5.983)) / 4 = (0.0024387 - 0.0025206) / 4
        // = -0.0000205 -> -0.00002.
        {2, "2.8", nullptr,
         "layer 2: Soilwet(i) 2.8 gives 1/Cs'(i) = -2E-05; every fitted value must be a number "
         "greater than 0."},
        // w = 4.5: 1/Cp = exp(-9.96) = 0.0000473 -> 0.00005; 1/Cs = exp(-13.01) = 0.0000022 -> 0.
        {2, "4.5", nullptr,
         "layer 2: Soilwet(i) 4.5 gives 1/Cs(i) = 0; every fitted value must be a number greater "
         "than 0."},
        // w = 17 (a unit weight in kN/m3): 1/Cp = exp(-34.71) -> 0, and 1/C -> 0 would give an
        // infinite C.
        {2, "17", nullptr,
         "layer 2: Soilwet(i) 17 gives 1/Cp(i) = 0; every fitted value must be a number greater "
         "than 0."},
    };
    const char* title[] = {"", "Line fitting Cc-e0", "Curve fitting 1/Cp,1/Cs"};
    for (const Case& c : cases) {
        TestApp t;
        Form1& form = openInput(t, c.method);
        const int fitted = c.method == 1 ? 4 : 2;
        const int result = c.method == 1 ? 5 : 8;
        form.Text7 = "2";
        form.Fg1.setTextMatrix(1, fitted, c.method == 1 ? "1" : "1.7");
        form.Fg1.setTextMatrix(2, fitted, c.typed);
        form.Fg1.setTextMatrix(1, result, "kept");
        form.Fg1.setTextMatrix(2, result, "kept");
        if (c.method == 1) {
            form.Command8_Click();
        } else {
            form.Command7_Click();
        }
        if (c.written != nullptr) {
            EXPECT_TRUE(t.desktop.messages.empty()) << c.typed;
            EXPECT_EQ(form.Fg1.TextMatrix(2, result), c.written) << c.typed;
            continue;
        }
        ASSERT_EQ(t.desktop.messages.size(), 1u) << c.typed;
        EXPECT_EQ(t.desktop.messages[0].text, std::string(title[c.method]) +
                                                  ": nothing was written; correct these "
                                                  "layers:\r\n" +
                                                  c.reason);
        // The good layer 1 is not written either.
        EXPECT_EQ(form.Fg1.TextMatrix(1, result), "kept") << c.typed;
        EXPECT_EQ(form.Fg1.TextMatrix(2, result), "kept") << c.typed;
        EXPECT_EQ(t.state().NLayers, 0) << c.typed;
    }
}

TEST(Fitting, EveryRefusedLayerIsNamedInOneMessage) {
    TestApp t;
    Form1& form = openInput(t, 2);
    form.Text7 = "3";
    form.Fg1.setTextMatrix(1, 2, "x");
    form.Fg1.setTextMatrix(2, 2, "1.7");
    form.Fg1.setTextMatrix(3, 2, "3.0");
    form.Command7_Click();
    ASSERT_EQ(t.desktop.messages.size(), 1u);
    // w = 3: 1/Cs' = (exp(-6.56) - exp(-6.451)) / 4 = (0.0014159 - 0.0015789) / 4 = -0.0000408.
    EXPECT_EQ(t.desktop.messages[0].text,
              "Curve fitting 1/Cp,1/Cs: nothing was written; correct these layers:\r\n"
              "No number in layer 1, column \"Soilwet(i)\"; correct the input.\r\n"
              "layer 3: Soilwet(i) 3 gives 1/Cs'(i) = -4E-05; every fitted value must be a number "
              "greater than 0.");
    EXPECT_EQ(form.Fg1.TextMatrix(2, 3), "");
    EXPECT_FLOAT_EQ(t.state().Soilwet(2), 0.0f);
}

TEST(DensityCorrection, ACellThatIsNotOneNumberRefusesTheWholeCorrection) {
    TestApp t;
    Form1& form = openInput(t, 1);
    // 1e39 is beyond the largest Single: once it became "Infinity".
    const char* typed[] = {"17", "Fault!", "1e39"};
    for (int row = 1; row <= 3; ++row) {
        form.Fg1.setTextMatrix(row, 2, typed[row - 1]);
    }
    form.Command6_Click();
    ASSERT_EQ(t.desktop.messages.size(), 1u);
    EXPECT_EQ(t.desktop.messages[0].text,
              "Correction Bulkdensity: nothing was written; correct these layers:\r\n"
              "No number in layer 2, column \"Soilwet(i)\"; correct the input.\r\n"
              "No number in layer 3, column \"Soilwet(i)\"; correct the input.");
    for (int row = 1; row <= 3; ++row) {
        EXPECT_EQ(form.Fg1.TextMatrix(row, 2), typed[row - 1]);
    }
    EXPECT_FLOAT_EQ(t.state().Soilwet(1), 0.0f);
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
