#include "settlement/stress_paths.h"

#include "state/module1.h"

#include <gtest/gtest.h>

#include <memory>

namespace korvex {
namespace {

constexpr double g = 9.80665;
constexpr double kLoadTolerance = 1e-4;       // kPa, below a Single's last digit here
constexpr double kSettlementTolerance = 1e-6; // m

// Surface 1, water table 2 m below it, unchanged; fill 1.6 / 2.0 t/m3 (Ffill = 0.6),
// subsoil 1.5 / 1.8 t/m3 (Favg = 0.7). deepest is S1000(16), the deepest the soil settles.
std::unique_ptr<Module1> dryTopSite(float deepest) {
    auto st = std::make_unique<Module1>();
    st->setDefaults();
    st->SurfaceLevel = 1.0f;
    st->Watertable = -1.0f;
    st->SoilmassFill = 1.6f;
    st->SoilmassFillSat = 2.0f;
    st->SoilmassAvg = 1.5f;
    st->SoilmassAvgSat = 1.8f;
    st->WatertableLoad = Variant::integer(0);
    st->S1000(16) = deepest;
    st->S10000(16) = deepest;
    return st;
}

void expectPath(const StressPath& p, const double (&s)[4], const double (&l)[4], const char* name) {
    for (int i = 0; i < 4; ++i) {
        EXPECT_NEAR(p.S[i + 1], s[i], kSettlementTolerance) << name << " point " << i + 1;
        EXPECT_NEAR(p.L[i + 1], l[i], kLoadTolerance) << name << " point " << i + 1;
    }
}

TEST(StressPath, LargeFillLosesTopSoilThenFillUnderWater) {
    // h = 3: L1 = 1.6 x 3 g = 4.8 g = 47.07192; at the water table (S -2) the top soil has lost
    // 2 x 0.7 g: L2 = 3.4 g = 33.34261; all fill under water at S -5: L3 = 3.4 g - 3 x 0.6 g
    // = 1.6 g = 15.69064; point 4 one metre deeper at the same load.
    auto st = dryTopSite(-10.0f);
    const StressPath p = buildStressPath(*st, 3.0);
    expectPath(p, {0, -2, -5, -6}, {4.8 * g, 3.4 * g, 1.6 * g, 1.6 * g}, "large");
    EXPECT_FLOAT_EQ(p.submerged, 3.0f);
}

TEST(StressPath, SmallFillReachesZeroLoadBeforeTheWaterTable) {
    // h = 0.5: L1 = 0.8 g = 7.84532; the line to (-2, 0.8 g - 1.4 g) crosses load 0 at
    // S = -2 x 0.8 / 1.4 = -1.142857; from there on the load stays 0.
    auto st = dryTopSite(-10.0f);
    const StressPath p = buildStressPath(*st, 0.5);
    expectPath(p, {0, -2 * 0.8 / 1.4, -2.5, -3.5}, {0.8 * g, 0, 0, 0}, "small");
}

TEST(StressPath, FillClippedAtTheDeepestSettlement) {
    // h = 1 with the soil settling at most 1 m: L1 = 1.6 g = 15.69064 and, since the water table
    // (2 m down) is never reached, the path ends at S = -1 with the top soil's loss over 1 m:
    // L = 1.6 g - 0.7 g = 0.9 g = 8.825985 for points 2 to 4.
    auto st = dryTopSite(-1.0f);
    const StressPath p = buildStressPath(*st, 1.0);
    expectPath(p, {0, -1, -1, -1}, {1.6 * g, 0.9 * g, 0.9 * g, 0.9 * g}, "clipped");
}

TEST(StressPath, SubmergenceOffKeepsTheFullLoad) {
    auto st = dryTopSite(-10.0f);
    StressPath step = buildStressPath(*st, 3.0);
    switchOffSubmergence(step, PathKind::FillStep);
    // 4.8 g = 47.07192, then 0.005 kPa less per point; point 4 takes the load of point 2.
    expectPath(step, {0, -2, -5, -6}, {4.8 * g, 4.8 * g - 0.005, 4.8 * g - 0.01, 4.8 * g - 0.005},
               "fill step");
    StressPath calculated = buildStressPath(*st, 3.0);
    switchOffSubmergence(calculated, PathKind::CalculatedThickness);
    expectPath(calculated, {0, -2, -5, -6},
               {4.8 * g, 4.8 * g - 0.005, 4.8 * g - 0.005, 4.8 * g - 0.005}, "calculated");
}

TEST(StressPath, LoadIsReadOffThePathsOwnPoints) {
    auto st = dryTopSite(-10.0f);
    const StressPath large = buildStressPath(*st, 3.0);
    const StressPath small = buildStressPath(*st, 0.5);
    struct Case {
        const StressPath* path;
        double settlement;
        double load;
    };
    const Case cases[] = {
        {&large, 0.1, 4.8 * g},            // above the first point: the full fill load
        {&large, -1.0, 4.1 * g},           // halfway to the water table: 4.8 g - 0.7 g
        {&large, -3.5, 2.5 * g},           // halfway down the fill: 3.4 g - 1.5 x 0.6 g
        {&large, -9.0, 1.6 * g},           // below the last point: its load
        {&small, -2 * 0.4 / 1.4, 0.4 * g}, // halfway to where the load reaches 0
        {&small, -1.5, 0.0},               // past that point the small fill carries nothing
    };
    for (const auto& c : cases) {
        EXPECT_NEAR(loadAtSettlement(*c.path, c.settlement), c.load, kLoadTolerance)
            << c.settlement;
    }
}

TEST(StressPath, FloodedSiteLoadsWithTheSubmergedFill) {
    // Surface 0, water 0.5 above it, h = 2: L1 = (2 - 0.5) x 1.6 g + 0.5 x 1.0 g = 2.9 g;
    // S2 = -(2 - 0.5) = -1.5 where the fill surface reaches the water; there all the fill is
    // submerged: L2 = 1.0 x 2 g = 2 g. The deepest settlement -1 less one metre is -2 < S2, so
    // point 3 is at S10000(16) = -1 and point 4 at -2, both at L2; point 3 above point 2 takes
    // point 4.
    auto st = dryTopSite(-1.0f);
    st->SurfaceLevel = 0.0f;
    st->Watertable = 0.5f;
    const StressPath p = buildStressPath(*st, 2.0);
    expectPath(p, {0, -1.5, -2, -2}, {2.9 * g, 2 * g, 2 * g, 2 * g}, "flooded");
}

TEST(StressPath, FloodedFirstLoadStoresTheFillWeightBeforeTheWaterTableLoad) {
    // The flooded site above with a raised water table taking 0.3 g off the subsoil. The weight
    // of the fill is stored first, (2 - 0.5) x 1.6 g + 0.5 x 1.0 g = 28.439285 as a Single, and
    // the water-table load is added to that stored value: 28.439285 - 2.941995 = 25.497290,
    // which as a Single is 25.49728966. Adding both in one sum would give 25.49729156.
    auto st = dryTopSite(-1.0f);
    st->SurfaceLevel = 0.0f;
    st->Watertable = 0.5f;
    const float waterTableLoad = static_cast<float>(-0.3 * st->Gravity);
    st->WatertableLoad = Variant::single(waterTableLoad);
    const float fillWeight = static_cast<float>(1.5 * st->SoilmassFill * st->Gravity +
                                                0.5 * (st->SoilmassFillSat - 1.0) * st->Gravity);
    const float expected = static_cast<float>(static_cast<double>(fillWeight) + waterTableLoad);
    const StressPath p = buildStressPath(*st, 2.0);
    EXPECT_EQ(p.L[1], expected);
    EXPECT_NEAR(p.L[1], 25.49729, kLoadTolerance);
}

TEST(StressPath, FillDeepUnderRaisedWaterKeepsTheWaterTableLoad) {
    // Water raised from below the surface to 3 m above it, taking 0.35 g off the subsoil; a fill
    // of 0.5 m lies wholly under water from the start, so its load never changes as it settles:
    // L1 = 1.0 x 0.5 g - 0.35 g = 0.15 g = 1.4709975. S2 = 0 - 3 + 0.5 = -2.5 lies below the
    // deepest settlement less one metre (-0.8 - 1 = -1.8), so points 2 to 4 move up to -1.8,
    // still carrying the same submerged fill and the same water-table load: 0.15 g, not the
    // 0.5 g of the fill alone.
    auto st = dryTopSite(-0.8f);
    st->SurfaceLevel = 0.0f;
    st->Watertable = 3.0f;
    st->WatertableLoad = Variant::single(static_cast<float>(-0.35 * g));
    const StressPath p = buildStressPath(*st, 0.5);
    expectPath(p, {0, -1.8, -1.8, -1.8}, {0.15 * g, 0.15 * g, 0.15 * g, 0.15 * g},
               "fill under raised water");
}

} // namespace
} // namespace korvex
