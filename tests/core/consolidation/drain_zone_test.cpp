#include "consolidation/drain_zone.h"

#include <gtest/gtest.h>

#include <cmath>

namespace korvex {
namespace {

struct FCase {
    double n;
    // n^2/(n^2-1) ln n - (3 n^2 - 1)/(4 n^2), evaluated by hand to 7 digits.
    double expected;
};

TEST(BarronF, BothArrangementsGiveTheTextbookValue) {
    const FCase cases[] = {
        {5.0, 0.9364978},  // 25/24 * 1.6094379 - 74/100
        {10.0, 1.5783435}, // 100/99 * 2.3025851 - 299/400
        {20.0, 2.2538654}, // 400/399 * 2.9957323 - 1199/1600
        {50.0, 3.1636884}, // 2500/2499 * 3.9120230 - 7499/10000
    };
    for (const auto& c : cases) {
        EXPECT_NEAR(barronFSubstitution(c.n), c.expected, 1e-6) << "n = " << c.n;
        EXPECT_NEAR(barronFn(c.n), c.expected, 1e-6) << "n = " << c.n;
    }
}

TEST(DrainZone, DefaultSiteSettlesInSixPasses) {
    // t = 365 d = 31 536 000 s; 8 t Ch / ln(1/(1-0.9)) = 25.2288 / 2.302585 = 10.95670 m2.
    // From D = 1: 2.343, 1.965, 2.028, 2.017, 2.0187, 2.0183 m; the last change is 0.4 mm.
    DrainZoneSolution zone = solveDrainZone(31536000.0f, 1e-7f, 0.9f, 0.065f);
    EXPECT_EQ(zone.passes, 6);
    EXPECT_FALSE(zone.bisected);
    EXPECT_NEAR(zone.drainZone, 2.0183, 0.0002);
    // Fn is taken at the diameter that entered the last pass: 2.0187 / 0.065 = 31.06.
    EXPECT_NEAR(zone.lastRatio, 31.06, 0.01);
    EXPECT_NEAR(barronFn(zone.lastRatio), 2.690, 0.001);
}

TEST(DrainZone, DrainAsWideAsTheStartDiameterIsSolvedByBisection) {
    // With dw = 1 m the first pass has n = 1, where F is 0/0: the substitution cannot start. The
    // zone must still satisfy D^2 F(D/dw) = 8 t Ch / ln(1/(1-U)); for 30 days:
    // 8 * 2 592 000 * 1e-7 / 2.302585 = 0.900552 m2, which lies between D = 1.5 (0.2045) and
    // D = 2 (0.947), so the root is just below 2 m.
    const double target = 8.0 * 2592000.0 * 1e-7 / std::log(10.0);
    DrainZoneSolution zone = solveDrainZone(2592000.0f, 1e-7f, 0.9f, 1.0f);
    EXPECT_TRUE(zone.bisected);
    double d = zone.drainZone;
    EXPECT_GT(d, 1.5);
    EXPECT_LT(d, 2.0);
    EXPECT_NEAR(d * d * barronFn(d / 1.0), target, 1e-5 * target);
}

TEST(DrainZone, DrainWiderThanTheStartDiameterIsSolvedByBisection) {
    // n = 1 / 1.2 < 1 in the first pass: ln n < 0 and F < 0, no real square root.
    DrainZoneSolution zone = solveDrainZone(31536000.0f, 1e-7f, 0.9f, 1.2f);
    EXPECT_TRUE(zone.bisected);
    double d = zone.drainZone;
    EXPECT_GT(d, 1.2);
    EXPECT_NEAR(d * d * barronFn(d / 1.2), 10.95670, 1e-4);
}

} // namespace
} // namespace korvex
