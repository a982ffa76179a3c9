#include "settlement/settlement_calculation.h"

#include "settlement_site.h"

#include <gtest/gtest.h>

namespace korvex::test {
namespace {

// Surface 0, water table lowered from -1 to -1.5. Layer 1 from 0 to -1 (dry, 1.5 t/m3), layer 2
// from -1 to -3 (submerged, 1.5 t/m3). Terzaghi-Bjerrum with e0 = 1 in both layers:
//   layer 1: Cr 0, Cc 0.6 (0.3 per 1+e0), Sigmac 0, Calpha 0.02 (0.01);
//   layer 2: Cr 0.1 (0.05), Cc 0.4 (0.2), Sigmac g = 9.80665 (sigma'p = 3 g), Calpha 0.04 (0.02).
// Fill 1 t/m3, average soil 1.5 / 1.8 t/m3, required level 1, steps of 1 m, 1000 days.
SiteInput twoLayerSite() {
    SiteInput site;
    site.watertable = "-1";
    site.newWatertable = "-1.5";
    site.fill = "1";
    site.fillSat = "1.5";
    site.avg = "1.5";
    site.avgSat = "1.8";
    site.required = "1";
    site.submergence = false;
    site.rows = {{"-1", "1.5", "0", "1", "0.6", "1", "0", "0.02"},
                 {"-3", "1.5", "0.1", "1", "0.4", "1", "9.80665", "0.04"}};
    return site;
}

// Settlement (m, negative) of both layers under a load q > g (kPa, so layer 2 passes sigma'p)
// after 10^logT days:
//   -1 x 0.3 x log10((0.75 g + q) / 0.75 g) - 1 x 0.01 x logT
//   -2 x 0.05 x log10(3 g / 2 g) - 2 x 0.2 x log10((2 g + q) / 3 g) - 2 x 0.02 x logT.
TEST(TwoLayerSite, StressesSettlementsAndFillThicknessByHand) {
    TestApp t;
    Form1& form = loadSite(t, twoLayerSite());
    ASSERT_TRUE(calculateSettlements(t.app, form));
    EXPECT_TRUE(t.desktop.messages.empty());
    const Module1& st = t.state();

    // Middle of layer 1 (level -0.5) above the water table: 0.5 x 1.5 g = 0.75 g = 7.3549875.
    // Middle of layer 2 (level -2) 1 m below it: total 1.5 g + 1.5 g = 3 g, water g, so 2 g.
    EXPECT_NEAR(st.SigmaEff(1), 7.3549875, 1e-5);
    EXPECT_NEAR(st.SigmaWat(2), 9.80665, 1e-5);
    EXPECT_NEAR(st.SigmaEff(2), 19.6133, 1e-5);
    // Lowering by 0.5 m: 0.5 x (1.5 - (1.8 - 1)) x g = 0.35 g = 3.4323275 kPa.
    EXPECT_NEAR(st.WatertableLoad.asDouble(), 3.4323275, 1e-5);
    EXPECT_EQ(st.Watertable, -1.5f);

    // Load step 4 (40 kPa): layer 1 -0.3 log10(47.3549875 / 7.3549875) = -0.2426351, layer 2
    // -0.1 log10(1.5) - 0.4 log10(59.6133 / 29.41995) = -0.0176091 - 0.1226805; 1 day:
    // -0.3829248; 10 000 days adds -1 x 0.01 x 4 - 2 x 0.02 x 4 = -0.2: -0.5829248.
    EXPECT_NEAR(st.S1(4), -0.3829248, 1e-6);
    EXPECT_NEAR(st.S10000(4), -0.5829248, 1e-6);

    // Submergence off: fill step k settles under its full load (k + 0.35) g at log10(1000) = 3:
    //   k = 1: -0.1341474 - 0.03 - 0.0176091 - 0.0191694 - 0.12 = -0.3209260, surface 0.6790740;
    //   k = 2: -0.1848901 - 0.03 - 0.0176091 - 0.0645472 - 0.12 = -0.4170465, surface 1.5829535.
    // Required 1: thickness = 2 - 0.5829535 / (0.5829535 + 0.3209260) = 1.3550539,
    // settlement = 1.3550539 + 0 - 1 = 0.3550539. The loads fall short of L1 by under 0.005 kPa
    // (about 2e-5 m of settlement here).
    EXPECT_NEAR(st.FillHeightSettlement(1), -0.3209260, 5e-5);
    EXPECT_NEAR(st.FillHeightSettlement(2), -0.4170465, 5e-5);
    EXPECT_NEAR(st.FillThickness, 1.3550539, 1e-4);
    EXPECT_NEAR(st.FillSettlement, 0.3550539, 1e-4);
    // The calculated thickness alone, load (1.3550539 + 0.35) g: -0.3 log10(2.4550539 / 0.75)
    // = -0.1544999 and -0.4 log10(3.7050539 / 3) = -0.0366693, so after 10 days
    // 0.1544999 + 0.0176091 + 0.0366693 + 0.01 + 0.04 = 0.2587784 m, after 10 000 days
    // 0.2587784 + 3 x 0.05 = 0.4087784 m.
    EXPECT_NEAR(st.S10Cons, 0.2587784, 1e-4);
    EXPECT_NEAR(st.S10000Cons, 0.4087784, 1e-4);
}

} // namespace
} // namespace korvex::test
