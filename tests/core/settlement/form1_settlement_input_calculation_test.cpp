#include "settlement/form1_settlement_input.h"

#include "app/number_text.h"
#include "settlement/form2_soil_stresses.h"
#include "settlement/form3_settlement_results.h"
#include "settlement/form8_fill_height.h"
#include "settlement/form9_fill_height_required_time.h"
#include "support/test_app.h"

#include <gtest/gtest.h>

namespace korvex::test {
namespace {

// A two-layer clay site under a fill; the second layer can be dropped to change the results.
void typeSite(Form1& form, int layers, const char* required) {
    form.Text4 = "0";
    form.Text5 = "-1";
    form.Text15 = "-1";
    form.Text11 = required;
    form.Text7 = num::boxText(layers);
    const char* rows[2][8] = {{"-2", "1.7", "0.02", "1.5", "0.4", "1.5", "20", "0.016"},
                              {"-6", "1.5", "0.03", "2.8", "1.1", "2.8", "35", "0.04"}};
    for (int r = 1; r <= 2; ++r) {
        for (int c = 1; c <= 8; ++c) {
            form.Fg1.setTextMatrix(r, c, r <= layers ? rows[r - 1][c - 1] : "");
        }
    }
}

TEST(SettlementCalculationButton, RefillsEveryOpenResultWindowAfterANewCalculation) {
    TestApp t;
    t.state().Method = 1;
    Form1& form = t.windows().show<Form1>();
    typeSite(form, 2, "1");
    form.Command1_Click();
    Form3* form3 = t.windows().find<Form3>();
    ASSERT_NE(form3, nullptr) << (t.desktop.messages.empty() ? "" : t.desktop.messages[0].text);
    form3->Command2_Click();
    form3->Command6_Click();
    form3->Command7_Click();
    Form2& form2 = *t.windows().find<Form2>();
    Form8& form8 = *t.windows().find<Form8>();
    Form9& form9 = *t.windows().find<Form9>();
    ASSERT_EQ(form2.Fg2.TextMatrix(2, 0), "2");
    const std::string firstSettlement = form3->Fg3.TextMatrix(16, 5);
    const std::string firstFill = form8.Fg6.TextMatrix(15, 1);

    // One layer less and a higher required level: every result changes.
    typeSite(form, 1, "1.5");
    form.Command1_Click();
    ASSERT_EQ(t.windows().find<Form3>(), form3);
    const Module1& st = t.state();
    EXPECT_NE(form3->Fg3.TextMatrix(16, 5), firstSettlement);
    EXPECT_EQ(form3->Fg3.TextMatrix(16, 5), num::boxText(st.S10000(16)));
    // The refill rounds the new totals as an opening does.
    EXPECT_FLOAT_EQ(st.S10000(16), static_cast<float>(num::roundDecimals(st.S10000(16), 4)));
    EXPECT_EQ(form2.Fg2.TextMatrix(1, 5), num::boxText(st.SigmaEff(1)));
    EXPECT_EQ(form2.Fg2.TextMatrix(2, 0), "");
    EXPECT_EQ(form2.Graph1.NumPoints(), 1);
    EXPECT_NE(form8.Fg6.TextMatrix(15, 1), firstFill);
    EXPECT_EQ(form8.Fg6.TextMatrix(15, 1), num::boxText(st.FillHeightSettlement(15)));
    EXPECT_EQ(form9.Graph1.sets()[1].points[0].y, -st.FillSettlement);
    EXPECT_EQ(t.host.shown.back(), "Form3");
}

} // namespace
} // namespace korvex::test
