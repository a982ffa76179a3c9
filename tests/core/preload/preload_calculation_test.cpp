#include "preload/preload_calculation.h"
#include "preload/preload_inputs.h"

#include "app/number_text.h"
#include "preload_site.h"
#include "support/same_state.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>

namespace korvex::test {
namespace {

TEST(PreloadCalculation, CaseOneMeetsTheSettlementCalculationsConsolidationSettlements) {
    // Submergence on, water table below the surface: the preload builds case 1 on the same path
    // and iteration as the settlement calculation, so both find the same settlements.
    PreloadSite site;
    ASSERT_TRUE(site.calculate());
    const Module1& st = site.state();
    EXPECT_NEAR(-st.SettlementPre10(1), st.S10Cons, 1e-5);
    EXPECT_NEAR(-st.SettlementPre10000(1), st.S10000Cons, 1e-5);
}

TEST(PreloadCalculation, EveryCaseMeetsItsPathWithinTheLoadTolerance) {
    // 12 m of soft clay: the heavier cases settle far more than the light ones, so one case's end
    // test says nothing about the others.
    SiteInput soft = twoLayerPreloadSite();
    soft.rows = {{"-12", "1.4", "0", "2", "1.5", "2", "0", "0.05"}};
    PreloadSite site(soft);
    site.window().Text1 = "2";
    ASSERT_TRUE(site.calculate());
    const Module1& st = site.state();
    for (int k = 1; k <= 15; ++k) {
        EXPECT_LT(std::fabs(st.LoadPre10(k) - st.LoadPrevPre10(k)), 0.01) << "case " << k;
        EXPECT_LT(std::fabs(st.LoadPre10000(k) - st.LoadPrevPre10000(k)), 0.01) << "case " << k;
    }
}

TEST(PreloadCalculation, EdgeCasesOfTheInputs) {
    struct Case {
        const char* name;
        std::function<void(SiteInput&)> site;
        std::function<void(Form10&)> window;
        std::function<void(const Module1&, const Form10&)> check;
    };
    const Case cases[] = {
        {"increment 0: six equal rows", [](SiteInput&) {}, [](Form10& f) { f.Text1 = "0"; },
         [](const Module1&, const Form10& f) {
             for (int k = 2; k <= 6; ++k) {
                 for (int c = 0; c < 4; ++c) {
                     EXPECT_EQ(f.Fg9.TextMatrix(k, c), f.Fg9.TextMatrix(1, c));
                 }
             }
             EXPECT_EQ(f.Fg9.TextMatrix(1, 0), "0");
         }},
        {"submergence off: every case meets its path at practically its full load",
         [](SiteInput& s) { s.submergence = false; }, [](Form10&) {},
         [](const Module1& st, const Form10&) {
             // The switched-off path falls by 0.005 kPa, the iteration stops within 0.01 kPa.
             for (int k = 1; k <= 15; ++k) {
                 EXPECT_NEAR(st.LoadPre10(k), st.StressPathLoad(k, 1), 0.015) << k;
                 EXPECT_NEAR(st.LoadPre10000(k), st.StressPathLoad(k, 1), 0.015) << k;
             }
         }},
        {"no rest layer", [](SiteInput&) {}, [](Form10&) {},
         [](const Module1& st, const Form10&) {
             for (int c = 1; c <= 6; ++c) {
                 for (int t = 1; t <= 16; ++t) {
                     EXPECT_EQ(st.SPreloadVertRest(t, c), 0.0f);
                     EXPECT_LT(st.SPreloadHor(t, c), 0.0f);
                 }
             }
         }},
        {"every layer a rest layer: the Ch column shows the Cv used", [](SiteInput&) {},
         [](Form10& f) {
             f.Fg8.setTextMatrix(1, 2, "0");
             f.Fg8.setTextMatrix(2, 2, "0");
         },
         [](const Module1& st, const Form10& f) {
             for (int c = 1; c <= 6; ++c) {
                 for (int t = 1; t <= 16; ++t) {
                     EXPECT_EQ(st.SPreloadHor(t, c), 0.0f);
                     EXPECT_LT(st.SPreloadVertRest(t, c), 0.0f);
                 }
             }
             // Cv of every layer is the consolidation window's average, 5E-08.
             EXPECT_EQ(f.Fg8.TextMatrix(1, 1), "5E-08");
             EXPECT_EQ(f.Fg8.TextMatrix(2, 1), "5E-08");
         }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        SiteInput input = twoLayerPreloadSite();
        c.site(input);
        PreloadSite site(input);
        c.window(site.window());
        ASSERT_TRUE(site.calculate());
        c.check(site.state(), site.window());
    }
}

TEST(PreloadInputs, TheRestPackageDrainsThroughItsThicknessOrHalfOfIt) {
    // Layer 1 is 3 m thick, layer 2 2 m.
    struct Case {
        const char* flags[2];
        bool twoWay;
        Single path;
    };
    const Case cases[] = {
        {{"0", "0"}, false, 5.0f},
        {{"0", "0"}, true, 2.5f},
        {{"1", "0"}, false, 2.0f},
        {{"1", "0"}, true, 1.0f},
    };
    for (const Case& c : cases) {
        PreloadSite site;
        Form10& form = site.window();
        form.Fg8.setTextMatrix(1, 2, c.flags[0]);
        form.Fg8.setTextMatrix(2, 2, c.flags[1]);
        form.Option1 = c.twoWay;
        form.Option2 = !c.twoWay;
        const PreloadInputs in = readPreloadInputs(form, site.state(), false, site.t.desktop);
        EXPECT_TRUE(in.rest.present);
        EXPECT_FLOAT_EQ(in.rest.drainagePath, c.path) << c.flags[0] << " two-way " << c.twoWay;
    }
}

TEST(PreloadCalculation, ShowsTheFirstSixCasesAndAllFifteenIntersections) {
    PreloadSite site;
    Form10& form = site.window();
    form.Text1 = "0.5";
    ASSERT_TRUE(site.calculate());
    const Module1& st = site.state();
    const std::string extra[6] = {"0", "0.5", "1", "1.5", "2", "2.5"};
    for (int k = 1; k <= 6; ++k) {
        EXPECT_EQ(form.Fg9.TextMatrix(k, 0), extra[k - 1]);
        EXPECT_EQ(form.Fg9.TextMatrix(k, 2), num::boxText(st.SettlementPre10(k)));
        // The table keeps the thickness as calculated, the state the rounded centimetre.
        EXPECT_NEAR(st.FillPlusPreload(k),
                    std::floor(100 * (st.FillThickness + 0.5 * (k - 1)) + 0.5) / 100, 1e-6);
    }
    EXPECT_EQ(form.Fg9.TextMatrix(7, 0), "");
    // Sets 1 and 2 hold the 15 cases from point 1; sets 3 to 7 the paths of cases 1 to 5 on
    // points 12 to 15, labelled with their rounded thickness.
    const auto& sets = form.Graph1.sets();
    for (int k = 1; k <= 15; ++k) {
        const GraphPoint& at10 = sets[0].points[static_cast<std::size_t>(k - 1)];
        const GraphPoint& at10000 = sets[1].points[static_cast<std::size_t>(k - 1)];
        EXPECT_TRUE(at10.written && at10000.written) << k;
        EXPECT_EQ(at10.x, st.LoadPre10(k));
        EXPECT_EQ(at10000.y, st.SettlementPre10000(k));
    }
    EXPECT_EQ(sets[0].points[14].label, "settlement for 10 days");
    for (int path = 1; path <= 5; ++path) {
        const auto& points = sets[static_cast<std::size_t>(path) + 1].points;
        EXPECT_FALSE(points[10].written);
        EXPECT_EQ(points[14].y, st.StressPathS(path, 4));
        EXPECT_EQ(points[14].label, num::boxText(st.FillPlusPreload(path)));
    }
}

// The preload sizes its own drains: the consolidation's design (the drain zone of the report's
// section 6, its rest settlement in section 2 and the consolidation windows) stays as the
// consolidation calculated it.
TEST(PreloadCalculation, KeepsItsDrainDesignApartFromTheConsolidations) {
    PreloadSite site;
    const ConsolidationState before = site.state();
    site.window().Text2 = "0.1";
    site.window().Text3 = "3";
    ASSERT_TRUE(site.calculate());
    const Module1& st = site.state();
    EXPECT_TRUE(samePart<ConsolidationState>(st, before));
    EXPECT_FLOAT_EQ(st.SpacingTriPre, 3.0f);
    EXPECT_FLOAT_EQ(st.DrainZonePre, 3.15f); // 1.05 x 3 m
    EXPECT_FLOAT_EQ(st.RestSettlementPre, 0.1f);
    // Case 1's settlement after 10 000 days raised by the preload's 0.1 m, not the
    // consolidation's 0.2 m.
    EXPECT_NEAR(st.SRemoveLevel, st.SPreloadTotal(16, 1) + 0.1, 1e-3);
}

TEST(PreloadCalculation, ALayerSettlingByItsThicknessIsReportedAndTheResultsStillShown) {
    // The settlement calculation finds this 2 m layer settling 8.47 m under its calculated fill,
    // and case 1 of the preload is that fill alone, so the warning names case 1.
    SiteInput site = softBjerrumSite();
    site.submergence = false;
    site.rows[0][4] = "8";
    PreloadSite preload(site);
    EXPECT_FALSE(preload.calculate());
    ASSERT_EQ(preload.t.desktop.messages.size(), 1u);
    EXPECT_EQ(preload.t.desktop.messages[0].text,
              "Layer 1 settles by its whole thickness or more in extra-fill case 1: the settlement "
              "formulas are outside their range there and these results are not reliable; check "
              "the layer input.");
    EXPECT_FALSE(preload.window().Fg9.TextMatrix(1, 0).empty());
}

} // namespace
} // namespace korvex::test
