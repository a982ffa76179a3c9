#include "settlement/settlement_calculation.h"

#include "app/number_text.h"
#include "consolidation/form4_consolidation_input.h"
#include "settlement/form3_settlement_results.h"
#include "settlement/layer_thickness_check.h"
#include "settlement_site.h"

#include <gtest/gtest.h>

#include <vector>

namespace korvex::test {
namespace {

constexpr double g = 9.80665;
// Each fill step stops within 0.01 kPa of its meeting point; the soft layer yields about
// 0.02 m per kPa there, so settlements and thicknesses are good to 2e-4 m.
constexpr double kIterationTolerance = 2e-4;

struct FillCase {
    const char* name;
    SiteInput site;
    bool submergence;
    double thickness;
};

TEST(FillThickness, BringsTheSettledSurfaceToTheRequiredLevel) {
    // The soft layer: surface 0, sigma'0 = g, fill 1 t/m3, so fill step k loads k g and the layer
    // ends at sigma' = (1 + k) g. Required level 2, steps of 1 m.
    //
    // Submergence off: each step settles at its full load.
    //   Bjerrum   S = -2 x 0.5 x log10(1 + k): surface k + S = 0.69897, 1.52288, 2.39794;
    //             thickness = 3 - 0.39794 / (0.39794 + 0.47712) = 2.5452433.
    //   Koppejan  S = -2 x (0.2 + 0.01 x 3) x ln(1 + k) = -0.46 ln(1 + k): surfaces 0.68115,
    //             1.49464, 2.36230; thickness = 3 - 0.36230 / (0.36230 + 0.50536) = 2.5824378.
    // Submergence on (water table 1 m down, Favg 0.7): above the water table the load is
    // (k + 0.7 s) g, so s solves s = S(1 + k + 0.7 s), found by bisection by hand:
    //   Bjerrum   s2 = -0.4310811, s3 = -0.5574789: surfaces 1.5689189, 2.4425211;
    //             thickness = 3 - 0.4425211 / (0.4425211 + 0.4310811) = 2.4934524.
    //   Koppejan  s2 = -0.4538689, s3 = -0.5877660: surfaces 1.5461311, 2.4122340;
    //             thickness = 3 - 0.4122340 / (0.4122340 + 0.4538689) = 2.5240358.
    const FillCase cases[] = {
        {"Bjerrum, submergence off", softBjerrumSite(), false, 2.5452433},
        {"Koppejan, submergence off", softKoppejanSite(), false, 2.5824378},
        {"Bjerrum, submergence on", softBjerrumSite(), true, 2.4934524},
        {"Koppejan, submergence on", softKoppejanSite(), true, 2.5240358},
    };
    for (const auto& c : cases) {
        TestApp t;
        SiteInput site = c.site;
        site.submergence = c.submergence;
        Form1& form = loadSite(t, site);
        ASSERT_TRUE(calculateSettlements(t.app, form)) << c.name;
        EXPECT_TRUE(t.desktop.messages.empty()) << c.name;
        EXPECT_NEAR(t.state().FillThickness, c.thickness, kIterationTolerance) << c.name;
        // FillSettlement = thickness + surface 0 - required 2.
        EXPECT_NEAR(t.state().FillSettlement, c.thickness - 2.0, kIterationTolerance) << c.name;
    }
}

TEST(FillThickness, HandsTheResultsToTheConsolidationWindowAndBeeps) {
    // Koppejan, submergence off: the calculated 2.5824378 m of fill alone loads 2.5824378 g, so
    // after 10 days S = 2 x (0.2 + 0.01 x 1) x ln(3.5824378) = 0.5359383 m and after 10 000
    // days 2 x (0.2 + 0.01 x 4) x ln(3.5824378) = 0.6125009 m.
    TestApp t;
    SiteInput site = softKoppejanSite();
    site.submergence = false;
    Form1& form = loadSite(t, site);
    ASSERT_TRUE(calculateSettlements(t.app, form));
    const Module1& st = t.state();
    EXPECT_NEAR(st.S10Cons, 0.5359383, kIterationTolerance);
    EXPECT_NEAR(st.S10000Cons, 0.6125009, kIterationTolerance);
    EXPECT_EQ(st.SettlementCalculated, 1);
    EXPECT_EQ(t.desktop.beeps, 1);

    const Form4* consolidation = t.windows().find<Form4>();
    ASSERT_NE(consolidation, nullptr);
    EXPECT_EQ(consolidation->Text5, num::boxText(st.S10Cons));
    EXPECT_EQ(consolidation->Text6, num::boxText(st.S10000Cons));
    EXPECT_EQ(consolidation->Text15, num::boxText(st.FillThickness));
    EXPECT_EQ(consolidation->Text16, num::boxText(st.FillSettlement));
    EXPECT_EQ(consolidation->Text17, "1000");
    // Written without being shown: the result window is the caller's to open.
    EXPECT_TRUE(t.host.shown.empty());
    // C = 1 / (0.2 + 4 x 0.01) = 4.1667, rounded to 4.17 and shown in the table.
    EXPECT_EQ(form.Fg1.TextMatrix(1, 8), "4.17");
    // The table steps 1 to 16 still hold the fill-step paths after the extra-fill cases: path 2
    // starts at the full load of 2 m of fill, 2 g.
    EXPECT_NEAR(st.StressPathLoad(2, 1), 2 * g, 1e-4);
}

TEST(FillThickness, UnreachedLevelIsReportedNotPassedOffAsAResult) {
    TestApp t;
    SiteInput site = softBjerrumSite();
    site.required = "100";
    Form1& form = loadSite(t, site);
    ASSERT_TRUE(calculateSettlements(t.app, form));
    ASSERT_EQ(t.desktop.messages.size(), 1u);
    EXPECT_EQ(t.desktop.messages[0].text,
              "Surface level required not reached with the given fill layers;the fill thickness "
              "and its settlement are 0.");
    EXPECT_EQ(t.desktop.messages[0].style, vbInformation);
    EXPECT_EQ(t.state().FillThickness, 0.0f);
    EXPECT_EQ(t.state().FillSettlement, 0.0f);
}

TEST(FillThickness, FewerFillLayersStillGiveEveryStepItsOwnHeight) {
    // With 5 fill layers the steps 6 to 15 must not reuse heights left in the state: the answer
    // is that of 15 layers (the required level is met at step 3 either way).
    TestApp reference;
    Form1& referenceForm = loadSite(reference, softBjerrumSite());
    ASSERT_TRUE(calculateSettlements(reference.app, referenceForm));

    TestApp t;
    for (int k = 1; k <= 21; ++k) {
        t.state().FillHeight(k) = 99.0f;
    }
    SiteInput site = softBjerrumSite();
    site.fillLayers = "5";
    Form1& form = loadSite(t, site);
    ASSERT_TRUE(calculateSettlements(t.app, form));
    for (int k = 1; k <= 15; ++k) {
        EXPECT_EQ(t.state().FillHeight(k), static_cast<float>(k)) << k;
        EXPECT_EQ(t.state().SurfaceHeight(k), reference.state().SurfaceHeight(k)) << k;
    }
    EXPECT_EQ(t.state().FillThickness, reference.state().FillThickness);

    SiteInput most = softBjerrumSite();
    most.fillLayers = "21";
    Form1& mostForm = loadSite(t, most);
    ASSERT_TRUE(calculateSettlements(t.app, mostForm));
    EXPECT_EQ(t.state().FillHeight(21), 21.0f);
}

TEST(FillThickness, HaltedKoppejanCalculationLeavesTheEarlierResultsWhole) {
    TestApp t;
    Form1& form = loadSite(t, softKoppejanSite());
    ASSERT_TRUE(calculateSettlements(t.app, form));
    const float thickness = t.state().FillThickness;
    const float settlement16 = t.state().S1(16);

    // 1/Cp' = 2: the first fill step (load g) settles 2 x (2 + 0.01 x 3) x ln 2 = 2.81 m, more
    // than the 2 m layer.
    form.Fg1.setTextMatrix(1, 5, "2");
    EXPECT_FALSE(calculateSettlements(t.app, form));
    ASSERT_EQ(t.desktop.messages.size(), 1u);
    EXPECT_EQ(t.desktop.messages[0].text,
              "Settlement greater than soillayer thickness; probably caused by very low "
              "watertable or unrealistic input values.; Calculation halted!");
    EXPECT_EQ(t.desktop.messages[0].style, vbOKOnly);
    // Neither the new load-step settlements nor the new parameters sit beside the old fill.
    EXPECT_EQ(t.state().FillThickness, thickness);
    EXPECT_EQ(t.state().S1(16), settlement16);
    EXPECT_FLOAT_EQ(t.state().InvCp2(1), 0.2f);
    EXPECT_EQ(t.desktop.beeps, 1);
    // C of the typed constants: 1 / (2 + 4 x 0.01) = 0.49.
    EXPECT_EQ(form.Fg1.TextMatrix(1, 8), "0.49");
}

TEST(FillThickness, RisingWaterTableThatLiftsTheLoadBelowZeroIsRefused) {
    // Water table from 5 m to 0.1 m below the surface: 4.9 x 0.7 g = 33.64 kPa less effective
    // stress, more than the first fill step (g) and the layer's own g together carry.
    TestApp t;
    SiteInput site = softBjerrumSite();
    site.watertable = "-5";
    site.newWatertable = "-0.1";
    Form1& form = loadSite(t, site);
    EXPECT_FALSE(calculateSettlements(t.app, form));
    ASSERT_EQ(t.desktop.messages.size(), 1u);
    EXPECT_EQ(t.desktop.messages[0].text, "Effective stress of layer 1 becomes 0 or less under "
                                          "the load;check the watertables and the fill.");
    EXPECT_EQ(t.state().SettlementCalculated, 0);
}

TEST(FillThickness, AWaterTableRiseThatOutweighsTheFillKeepsItsNegativeLoad) {
    // Water table from 3 m to 0.5 m below the surface (Favg 0.7): 2.5 x 0.7 g = 1.75 g off the
    // load; fill 1.8 t/m3 in steps of 0.25 m, so step k starts at L1 = (0.45 k - 1.75) g. The 6 m
    // layer (wet 2 t/m3, dry above the old water table) has sigma'0 = 6 g at its middle, Cr/(1+e0)
    // = 0.1/3 and creep 6 x 0.05/3 x log10(1000) = 0.3 m, so at a load L it settles
    // s = -0.2 log10(1 + L/6g) - 0.3. Steps 1 to 3 start below 0 and meet the path above the water
    // table, where L = L1 + 0.7 g s; s solves s = -0.2 log10(1 + (0.45 k - 1.75 + 0.7 s)/6) - 0.3,
    // found by bisection by hand. Step 4 starts at 0.05 g and really crosses 0, at
    // S = -0.5 x 0.05/0.35 = -0.071 m, above the creep alone: it settles 0.3 m at load 0.
    SiteInput site;
    site.surface = "0";
    site.watertable = "-3";
    site.newWatertable = "-0.5";
    site.increment = "0.25";
    site.fill = "1.8";
    site.fillSat = "2";
    site.rows = {{"-6", "2", "0.1", "2", "1", "0", "10", "0.05"}};
    TestApp t;
    Form1& form = loadSite(t, site);
    ASSERT_TRUE(calculateSettlements(t.app, form));
    const double settlement[] = {-0.2751548, -0.2833202, -0.2907913, -0.3};
    const double loadInG[] = {-1.4926084, -1.0483241, -0.6035539, 0.0};
    for (int k = 1; k <= 4; ++k) {
        EXPECT_NEAR(t.state().FillHeightSettlement(k), settlement[k - 1], kIterationTolerance) << k;
        EXPECT_NEAR(t.state().FillHeightStress(k), loadInG[k - 1] * g, 0.01) << k;
    }
}

TEST(FillThickness, APathStartingAtLoadZeroIsCutAtZeroAsOneJustAboveIt) {
    // A site whose extra-fill case 1 carries no fill: with the water table unchanged its path
    // starts at load 0 exactly, lowered by 1 mm at 0.001 x 1.778 x g = 0.017 kPa. So small a load
    // moves the settlement after 10 000 days by far less than a millimetre.
    SiteInput site;
    site.surface = "-1.46";
    site.watertable = "-2";
    site.fill = "1.759";
    site.fillSat = "1.915";
    site.avg = "1.778";
    site.avgSat = "2.295";
    site.required = "2.11";
    site.time = "10000";
    site.increment = "0.5";
    site.rows = {{"-7.13", "1.183", "0.5616", "0.7423", "2.823", "0.7423", "8.904", "0.005792"},
                 {"-9.18", "1.794", "0.04075", "0.6459", "0.3071", "0.6459", "236.3", "0.002851"},
                 {"-9.85", "1.282", "0.07288", "0.6917", "0.6428", "0.6917", "33.94", "0.01187"},
                 {"-12.81", "1.582", "0.3244", "6.354", "2.366", "6.354", "148.3", "0.04155"}};
    std::vector<Single> settlements;
    for (const char* newWatertable : {"-2", "-2.001"}) {
        site.newWatertable = newWatertable;
        TestApp t;
        calculateSettlements(t.app, loadSite(t, site));
        settlements.push_back(t.state().S10000Cons);
    }
    EXPECT_NEAR(settlements[0], settlements[1], 1e-3);
}

TEST(FillThickness, AFillThatHeavesOnBalanceIsHandedOverAsAHeaveAndNotConsolidated) {
    // Koppejan layer with sigma'0 = sigma'p = g; the water table rises from 2 m to 1 m below the
    // surface: 0.7 g off the load. Submergence off, so a step settles at its own load L1.
    // Step 1 (0.25 m): sigma' = 0.55 g, recompression only, after 1000 days
    // S = -2 x 0.01 ln 0.55 - 2 x 0.001 ln 0.55 x 3 = +0.0155438 (up); required level 0.1 lies
    // between the surface (0) and 0.2655438: thickness 0.25 - 0.1655438 x 0.25 / 0.2655438
    // = 0.0941464 m, loading (0.0941464 - 0.7) g: sigma' = 0.3941464 g, ln = -0.9310335.
    // After 10 days 2 x 0.01 x 0.9310335 + 2 x 0.001 x 0.9310335 = 0.0204827 up, after 10 000
    // days 0.0186207 + 4 x 0.0018621 = 0.0260689 up.
    TestApp t;
    SiteInput site = softKoppejanSite();
    site.watertable = "-2";
    site.newWatertable = "-1";
    site.increment = "0.25";
    site.required = "0.1";
    site.submergence = false;
    Form1& form = loadSite(t, site);
    ASSERT_TRUE(calculateSettlements(t.app, form));
    EXPECT_NEAR(t.state().FillThickness, 0.0941464, 1e-6);
    EXPECT_NEAR(t.state().S10Cons, -0.0204827, 1e-6);
    EXPECT_NEAR(t.state().S10000Cons, -0.0260689, 1e-6);

    Form4& consolidation = t.windows().load<Form4>();
    consolidation.Command1_Click();
    ASSERT_EQ(t.desktop.messages.size(), 1u);
    EXPECT_EQ(t.desktop.messages[0].text,
              "The Settlement after 10 days [m] is upward: a heave is not consolidated.");
    EXPECT_EQ(t.state().ConsolidationCalculated, 0);
}

TEST(FillThickness, ALayerSettlingByItsThicknessIsReportedAndTheResultsStillShown) {
    struct Case {
        const char* name;
        SiteInput site;
        bool reported;
    };
    // Submergence off, so fill step k loads k g on the 2 m layer (sigma'0 = g, sigma'p = g).
    SiteInput bjerrum = softBjerrumSite();
    bjerrum.submergence = false;
    // Cc 8, e0 1: S = -2 x 4 x log10(1 + k); surfaces k + S at steps 10 and 11 are 1.6688584
    // and 2.3665500, so the layer settles -8.3311416 + (0.3311416 / 0.6976916) x -0.3023084 =
    // -8.47 m under 10.47 m of fill, after the settlement time.
    bjerrum.rows[0][4] = "8";
    // Koppejan with 1/Cs' 0.2 and a settlement time of 1 day: S = 0.4 ln(1 + k) at the
    // settlement time (0.44 and 0.55 m at steps 2 and 3, thickness 3 - 0.4454823 / 0.8849272 =
    // 2.4965892 m), but after 10 000 days 2 x (0.2 + 4 x 0.2) x ln 3.4965892 = 2.50 m.
    SiteInput koppejan = softKoppejanSite();
    koppejan.submergence = false;
    koppejan.rows[0][5] = "0.2";
    koppejan.time = "1";
    SiteInput inRange = softBjerrumSite();
    inRange.submergence = false;
    const Case cases[] = {
        {"Bjerrum after the settlement time", bjerrum, true},
        {"Koppejan after 10 000 days", koppejan, true},
        // S = -2 x 0.5 x log10(3.5452433) = -0.55 m of 2 m.
        {"Bjerrum in range", inRange, false},
    };
    for (const Case& c : cases) {
        TestApp t;
        Form1& form = loadSite(t, c.site);
        form.Command1_Click();
        EXPECT_NE(t.windows().find<Form3>(), nullptr) << c.name;
        EXPECT_EQ(t.state().SettlementCalculated, 1) << c.name;
        if (!c.reported) {
            EXPECT_TRUE(t.desktop.messages.empty()) << c.name;
            continue;
        }
        ASSERT_EQ(t.desktop.messages.size(), 1u) << c.name;
        EXPECT_EQ(t.desktop.messages[0].text,
                  "Layer 1 settles by its whole thickness or more at the calculated fill "
                  "thickness: the settlement formulas are outside their range there and these "
                  "results are not reliable; check the layer input.")
            << c.name;
        EXPECT_EQ(t.desktop.messages[0].style, vbExclamation) << c.name;
    }
}

TEST(FillThickness, LayersReachingTheirThicknessAreNamedInOrder) {
    // Settlements by size against thicknesses: 2.01 of 2, 0.5 of 2, 3 of 3 (exactly), 1 of 1.5.
    const std::vector<double> settlements = {-2.01, -0.5, 3.0, -1.0};
    const std::vector<double> thicknesses = {2.0, 2.0, 3.0, 1.5};
    const std::vector<int> layers = layersReachingThickness(settlements, thicknesses);
    EXPECT_EQ(layers, (std::vector<int>{1, 3}));
    EXPECT_EQ(layersReachingThicknessMessage(layers, "of case 2"),
              "Layers 1 and 3 settle by their whole thickness or more of case 2: the settlement "
              "formulas are outside their range there and these results are not reliable; check "
              "the layer input.");
    const int three[] = {2, 5, 7};
    EXPECT_EQ(layersReachingThicknessMessage(three, "x").rfind("Layers 2, 5 and 7 settle", 0), 0u);
}

TEST(FillThickness, NoMethodChosenIsRefused) {
    TestApp t;
    SiteInput site = softBjerrumSite();
    site.method = 0;
    Form1& form = loadSite(t, site);
    EXPECT_FALSE(calculateSettlements(t.app, form));
    ASSERT_EQ(t.desktop.messages.size(), 1u);
    EXPECT_EQ(t.desktop.messages[0].text,
              "No calculation method chosen;choose Terzaghi-Bjerrum or Terzaghi-Koppejan first.");
    EXPECT_EQ(t.desktop.beeps, 0);
    EXPECT_EQ(t.state().SettlementCalculated, 0);
    EXPECT_EQ(t.windows().find<Form4>(), nullptr);
}

} // namespace
} // namespace korvex::test
