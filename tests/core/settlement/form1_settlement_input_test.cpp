#include "settlement/form1_settlement_input.h"

#include "settlement/form16_cc_e0_regression.h"
#include "settlement/form17_curve_fitting.h"
#include "settlement/form3_settlement_results.h"
#include "support/test_app.h"

#include <gtest/gtest.h>

namespace korvex::test {
namespace {

TEST(SettlementInputWindow, FirstOpeningAfterStartUpShowsDefaultsAndNoSite) {
    TestApp t;
    t.state().Method = 1;
    Form1& form = t.windows().show<Form1>();

    EXPECT_EQ(form.Caption, "Input Settlement Calculation");
    EXPECT_EQ(form.Text3, "Terzaghi-Bjerrum");
    // No layers yet: the site levels and the layer count stay empty rather than showing 0.
    for (const std::string* box :
         {&form.Text4, &form.Text5, &form.Text15, &form.Text11, &form.Text7}) {
        EXPECT_EQ(*box, "");
    }
    EXPECT_EQ(form.Text6, "1.6");
    EXPECT_EQ(form.Text8, "2");
    EXPECT_EQ(form.Text9, "1.5");
    EXPECT_EQ(form.Text10, "1.5");
    EXPECT_EQ(form.Text12, "1000");
    EXPECT_EQ(form.Text13, "1");
    EXPECT_EQ(form.Text14, "15");
    for (int r = 1; r < form.Fg1.Rows(); ++r) {
        EXPECT_EQ(form.Fg1.TextMatrix(r, 0), std::to_string(r));
        for (int c = 1; c <= 8; ++c) {
            EXPECT_EQ(form.Fg1.TextMatrix(r, c), "") << "row " << r << " col " << c;
        }
    }
    const char* headings[] = {"Lno",   "LDepth(i)", "Soilwet(i)", "Cr(i)",     "e0(i)",
                              "Cc(i)", "ec(i)",     "Sigmac(i)",  "Calpha (i)"};
    for (int c = 0; c <= 8; ++c) {
        EXPECT_EQ(form.Fg1.TextMatrix(0, c), headings[c]);
    }
}

TEST(SettlementInputWindow, KoppejanAfterABjerrumCalculationShowsTheKoppejanArrays) {
    TestApp t;
    Module1& st = t.state();
    // The state a two-layer Terzaghi-Bjerrum calculation leaves behind.
    st.Method = 2;
    st.NLayers = 2;
    st.SurfaceLevel = 0.5f;
    st.WatertableInput = -0.25f; // the entered level, which the box shows
    st.LDepth(1) = -2;
    st.LDepth(2) = -6.5f;
    st.Soilwet(1) = 1.7f;
    st.Soilwet(2) = 1.45f;
    st.Cr(1) = 0.02f;
    st.e0(1) = 2.5f;
    st.Sigmac(1) = 12;
    st.Sigmac(2) = 30;
    st.Calpha(1) = 0.016f;

    Form1& form = t.windows().show<Form1>();
    EXPECT_EQ(form.Text3, "Terzaghi-Koppejan");
    EXPECT_EQ(form.Text4, "0.5");
    EXPECT_EQ(form.Text5, "-0.25");
    EXPECT_EQ(form.Text7, "2");
    const char* headings[] = {"1/Cp(i)", "1/Cs(i)", "1/Cp'(i)", "1/Cs'(i)", "Sigmac(i)", "C(i)"};
    for (int c = 3; c <= 8; ++c) {
        EXPECT_EQ(form.Fg1.TextMatrix(0, c), headings[c - 3]);
    }
    // Depth, density and preconsolidation stress are shared by both methods; the Koppejan
    // coefficients were never computed and show as zeros, not the Bjerrum values.
    const char* row1[] = {"-2", "1.7", "0", "0", "0", "0", "12", "0"};
    const char* row2[] = {"-6.5", "1.45", "0", "0", "0", "0", "30", "0"};
    for (int c = 1; c <= 8; ++c) {
        EXPECT_EQ(form.Fg1.TextMatrix(1, c), row1[c - 1]) << "col " << c;
        EXPECT_EQ(form.Fg1.TextMatrix(2, c), row2[c - 1]) << "col " << c;
        EXPECT_EQ(form.Fg1.TextMatrix(3, c), "") << "col " << c;
    }
}

TEST(SettlementInputWindow, HelperButtonsActOnlyForTheirMethod) {
    struct Case {
        int method;
        bool form16Opens;
        bool form17Opens;
    };
    const Case cases[] = {{0, false, false}, {1, true, false}, {2, false, true}};
    for (const Case& c : cases) {
        TestApp t;
        t.state().Method = static_cast<Integer>(c.method);
        Form1& form = t.windows().show<Form1>();
        form.Text7 = "1";
        form.Fg1.setTextMatrix(1, 2, "1.7");
        form.Fg1.setTextMatrix(1, 4, "2.5");
        form.Command4_Click();
        form.Command9_Click();
        form.Command7_Click();
        form.Command8_Click();
        EXPECT_EQ(t.windows().find<Form16>() != nullptr, c.form16Opens) << "method " << c.method;
        EXPECT_EQ(t.windows().find<Form17>() != nullptr, c.form17Opens) << "method " << c.method;
        // Only the fit of the chosen method writes its columns: Cc (col 5) for Bjerrum, 1/Cp
        // (col 3) for Koppejan.
        EXPECT_EQ(form.Fg1.TextMatrix(1, 5) == "1.3099", c.method == 1) << "method " << c.method;
        EXPECT_EQ(form.Fg1.TextMatrix(1, 3) == "0.01208", c.method == 2) << "method " << c.method;
        EXPECT_TRUE(t.desktop.messages.empty());
    }
}

TEST(SettlementInputWindow, ExplanatoryMessagesShowWithoutIconUnderTheProgramTitle) {
    TestApp t;
    t.state().Method = 1;
    Form1& form = t.windows().show<Form1>();
    form.Command3_Click();
    form.Command5_Click();
    ASSERT_EQ(t.desktop.messages.size(), 2u);
    for (const auto& m : t.desktop.messages) {
        EXPECT_EQ(m.style, vbOKOnly);
        EXPECT_EQ(m.caption, "");
    }
    const std::string& dimensions = t.desktop.messages[0].text;
    EXPECT_EQ(dimensions.rfind("Lno = Number Soil Layer [-]\r\nLDepth = ", 0), 0u);
    EXPECT_NE(dimensions.find("(-))\r\n\r\nSoildry = Mass of dry Soil [t/m3]\r\n"),
              std::string::npos);
    EXPECT_NE(dimensions.find("\r\n1/Cs, 1/Cs' = Compression coefficient Secondary settlement "
                              "before and after prestress [-]"),
              std::string::npos);
    const std::string& calpha = t.desktop.messages[1].text;
    EXPECT_NE(calpha.find("Peat and muskeg:                     0.06 +-  0.01\r\n\r\n"),
              std::string::npos);
    const std::string lastLine = "\r\n      0.064                Extremely high";
    ASSERT_GE(calpha.size(), lastLine.size());
    EXPECT_EQ(calpha.substr(calpha.size() - lastLine.size()), lastLine);
}

TEST(SettlementInputWindow, ARefusedCalculationOpensNoResultWindow) {
    TestApp t;
    t.state().Method = 1;
    Form1& form = t.windows().show<Form1>();
    form.Command1_Click();
    EXPECT_EQ(t.windows().find<Form3>(), nullptr);
    EXPECT_FALSE(t.desktop.messages.empty());
}

} // namespace
} // namespace korvex::test
