#include "consolidation/form4_consolidation_input.h"

#include "app/number_text.h"
#include "core/settlement/settlement_site.h"
#include "settlement/settlement_calculation.h"
#include "support/test_app.h"

#include <gtest/gtest.h>

#include <string>

namespace korvex {
namespace {

TEST(Form4Load, BeforeAnySettlementCalculation) {
    test::TestApp t;
    Form4& form = t.windows().load<Form4>();
    EXPECT_EQ(form.Caption, "Input Consolidation and Vertical drains");
    EXPECT_EQ(form.Text1, "0.9");
    EXPECT_EQ(form.Text2, "365");
    EXPECT_EQ(form.Text3, "0.065");
    EXPECT_EQ(form.Text4, "0.2");
    EXPECT_EQ(form.Text5, "1");
    EXPECT_EQ(form.Text6, "1");
    EXPECT_EQ(form.Text7, "60");
    EXPECT_EQ(form.Text8, "1");
    EXPECT_EQ(form.Text9, "10000");
    EXPECT_EQ(form.Text10, "1");
    EXPECT_EQ(form.Text11, "1E-07");
    EXPECT_EQ(form.Text12, "5E-08");
    EXPECT_EQ(form.Text13, "2");
    EXPECT_EQ(form.Text14, "");
    EXPECT_EQ(form.Text15, "");
    EXPECT_EQ(form.Text16, "");
    EXPECT_EQ(form.Text17, "");
    EXPECT_TRUE(form.Option1 && !form.Option2 && form.Option3 && !form.Option4);
    EXPECT_EQ(form.Fg4.TextMatrix(0, 0), "Lno");
    EXPECT_EQ(form.Fg4.TextMatrix(0, 1), "Cv(i)");
    // Room for the 20 layers the shared arrays hold, each row numbered, no Cv yet.
    ASSERT_EQ(form.Fg4.Rows(), 21);
    for (int r = 1; r <= 20; ++r) {
        EXPECT_EQ(form.Fg4.TextMatrix(r, 0), std::to_string(r));
        EXPECT_EQ(form.Fg4.TextMatrix(r, 1), "");
    }
}

TEST(Form4Load, AfterASettlementCalculationShowsItsResults) {
    test::TestApp t;
    Module1& st = t.state();
    st.NLayers = 3;
    st.S10Cons = 0.4321f;
    st.S10000Cons = 0.9f;
    st.SoilThickness = 12.5f;
    st.FillThickness = 2.35f;
    st.FillSettlement = 1.1f;
    Form4& form = t.windows().load<Form4>();
    EXPECT_EQ(form.Text5, "0.4321");
    EXPECT_EQ(form.Text6, "0.9");
    // The whole thickness: halving for two-way flow happens only inside "Calculate".
    EXPECT_EQ(form.Text10, "12.5");
    EXPECT_EQ(form.Text15, "2.35");
    EXPECT_EQ(form.Text16, "1.1");
    EXPECT_EQ(form.Text17, "1000");
    EXPECT_EQ(form.Fg4.TextMatrix(3, 1), "5E-08");
    EXPECT_EQ(form.Fg4.Row(), 3);
    EXPECT_EQ(form.Fg4.Col(), 1);
}

TEST(Form4Load, KeepsALayersOwnCv) {
    // A project read from file or a previous calculation left layer 1 with its own Cv; layer 2
    // has none and takes the average.
    test::TestApp t;
    Module1& st = t.state();
    st.NLayers = 2;
    st.Cv(1) = 3e-8f;
    st.Cv(2) = 0.0f;
    Form4& form = t.windows().load<Form4>();
    EXPECT_EQ(form.Fg4.TextMatrix(1, 1), "3E-08");
    EXPECT_EQ(form.Fg4.TextMatrix(2, 1), "5E-08");
    EXPECT_FLOAT_EQ(st.Cv(1), 3e-8f);
    EXPECT_FLOAT_EQ(st.Cv(2), 5e-8f);
}

TEST(Form4Calculate, StoresTheLayerCvOfTheTableAndKeepsItOnReload) {
    test::TestApp t;
    Module1& st = t.state();
    st.NLayers = 20;
    Form4& form = t.windows().load<Form4>();
    form.Text5 = "0.5";
    form.Text6 = "0.8";
    form.Text10 = "10";
    form.Fg4.setTextMatrix(1, 1, "2E-08");
    form.Fg4.setTextMatrix(20, 1, "7E-08");
    t.app.runHandler([&] { form.Command1_Click(); });
    ASSERT_TRUE(t.desktop.messages.empty()) << t.desktop.messages[0].text;
    EXPECT_FLOAT_EQ(st.Cv(1), 2e-8f);
    EXPECT_FLOAT_EQ(st.Cv(20), 7e-8f);
    EXPECT_FLOAT_EQ(st.Cv(2), 5e-8f);

    form.Command3_Click();
    Form4& again = t.windows().load<Form4>();
    EXPECT_EQ(again.Fg4.TextMatrix(1, 1), "2E-08");
    EXPECT_EQ(again.Fg4.TextMatrix(20, 1), "7E-08");
}

TEST(Form4FollowsSettlement, AnOpenWindowTakesTheThicknessAndLayersOfEachNewSite) {
    // Two layers down to -5 m, then one down to -2 m: 5 m and then 2 m of soil. Before, the open
    // window kept the 5 m, and its "Calculate" used it for the second site.
    test::TestApp t;
    test::SiteInput deep = test::softBjerrumSite();
    deep.rows.push_back({"-5", "1", "0", "1", "1", "0", "0", "0"});
    Form1& settlement = test::loadSite(t, deep);
    ASSERT_TRUE(calculateSettlements(t.app, settlement));
    Form4& form = t.windows().show<Form4>();
    ASSERT_EQ(form.Text10, "5");
    ASSERT_EQ(form.Fg4.TextMatrix(2, 1), "5E-08");
    const int numberWidth = form.Fg4.ColWidth(0);
    form.Text3 = "0.1";

    test::loadSite(t, test::softBjerrumSite());
    ASSERT_TRUE(calculateSettlements(t.app, settlement));
    const Module1& st = t.state();
    ASSERT_EQ(t.windows().find<Form4>(), &form);
    EXPECT_EQ(form.Text10, "2");
    EXPECT_EQ(form.Text5, num::boxText(st.S10Cons));
    EXPECT_EQ(form.Text15, num::boxText(st.FillThickness));
    EXPECT_EQ(form.Fg4.TextMatrix(1, 1), "5E-08");
    EXPECT_EQ(form.Fg4.TextMatrix(2, 1), "");
    // The table keeps its layout and the drain diameter what the user typed.
    EXPECT_EQ(form.Fg4.TextMatrix(2, 0), "2");
    EXPECT_EQ(form.Fg4.ColWidth(0), numberWidth);
    EXPECT_EQ(form.Text3, "0.1");
}

TEST(Form4FollowsSettlement, AnEquivalentCvOfAnotherLayerStackIsCleared) {
    // 2 m of Cv 5E-08 gives an equivalent Cv of 5E-08; "Calculate" would take it for the next
    // site of 5 m and two layers.
    test::TestApp t;
    Form1& settlement = test::loadSite(t, test::softBjerrumSite());
    ASSERT_TRUE(calculateSettlements(t.app, settlement));
    Form4& form = t.windows().show<Form4>();
    form.Command4_Click();
    ASSERT_EQ(form.Text14, "5E-08");
    // The same stack again: the value still belongs to it.
    ASSERT_TRUE(calculateSettlements(t.app, settlement));
    EXPECT_EQ(form.Text14, "5E-08");

    test::SiteInput deep = test::softBjerrumSite();
    deep.rows.push_back({"-5", "1", "0", "1", "1", "0", "0", "0"});
    test::loadSite(t, deep);
    ASSERT_TRUE(calculateSettlements(t.app, settlement));
    EXPECT_EQ(form.Text14, "");

    // A value the user typed is the user's.
    form.Text14 = "3E-08";
    test::loadSite(t, test::softBjerrumSite());
    ASSERT_TRUE(calculateSettlements(t.app, settlement));
    EXPECT_EQ(form.Text14, "3E-08");
}

struct LayeredSite {
    test::TestApp t;
    Form4* form = nullptr;
    LayeredSite() {
        Module1& st = t.state();
        st.NLayers = 2;
        st.SurfaceLevel = 0.0f;
        st.LDepth(1) = -2.0f;
        st.LDepth(2) = -10.0f;
        form = &t.windows().load<Form4>();
        form->Fg4.setTextMatrix(1, 1, "1E-08");
        form->Fg4.setTextMatrix(2, 1, "4E-08");
    }
};

TEST(Form4EquivalentCv, TwoLayersInSeries) {
    // 2 m with Cv 1e-8 and 8 m with Cv 4e-8: H = 10 m,
    // R = 2 / 1e-4 + 8 / 2e-4 = 20 000 + 40 000 = 60 000; (10 / 60 000)^2 = 2.777778E-08.
    LayeredSite site;
    site.form->Command4_Click();
    EXPECT_TRUE(site.t.desktop.messages.empty());
    EXPECT_EQ(site.form->Text14, "2.777778E-08");
    EXPECT_FLOAT_EQ(site.t.state().LThickness(1), 2.0f);
    EXPECT_FLOAT_EQ(site.t.state().LThickness(2), 8.0f);
    EXPECT_FLOAT_EQ(site.t.state().Cv(2), 4e-8f);
}

TEST(Form4EquivalentCv, RefusesALayerWithoutCv) {
    LayeredSite site;
    site.form->Text14 = "3E-08";
    site.form->Fg4.setTextMatrix(2, 1, "0");
    site.form->Command4_Click();
    ASSERT_EQ(site.t.desktop.messages.size(), 1u);
    EXPECT_EQ(site.t.desktop.messages[0].text,
              "The Cv(i) of layer 2 must be a number greater than 0.");
    // The equivalent Cv of the earlier table is gone: "Calculate" falls back to the average.
    EXPECT_EQ(site.form->Text14, "");
}

TEST(Form4EquivalentCv, RefusesAStackWithoutThickness) {
    test::TestApp t;
    Form4& form = t.windows().load<Form4>();
    form.Command4_Click();
    ASSERT_EQ(t.desktop.messages.size(), 1u);
    EXPECT_NE(t.desktop.messages[0].text.find("thickness"), std::string::npos);
    EXPECT_EQ(form.Text14, "");
}

} // namespace
} // namespace korvex
