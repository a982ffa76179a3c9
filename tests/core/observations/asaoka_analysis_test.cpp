#include "observations/asaoka_analysis.h"

#include "app/number_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>

namespace korvex {
namespace {

AsaokaInput series(std::vector<Single> times, std::vector<Single> settlements, Single dt) {
    AsaokaInput input;
    input.times = std::move(times);
    input.settlements = std::move(settlements);
    input.dt = dt;
    input.pi = 3.14159f;
    return input;
}

Single shown(const std::optional<Single>& value) {
    return num::toSingle(num::roundDecimals(value.value(), 4));
}

TEST(AsaokaAnalysis, ThreeReadingsOnOneLine) {
    // Pairs (0, 0.1), (0.1, 0.15), (0.15, 0.175): S(i) = 0.1 + 0.5 S(i-1), which meets
    // S(i) = S(i-1) at 0.1 / (1 - 0.5) = 0.2.
    const AsaokaResult r = asaokaAnalysis(series({10, 20, 30}, {0.1f, 0.15f, 0.175f}, 10));
    EXPECT_TRUE(r.fromLoading);
    EXPECT_FALSE(r.unequalSteps);
    EXPECT_EQ(r.pairs, 3);
    EXPECT_EQ(shown(r.beta1), 0.5f);
    EXPECT_EQ(shown(r.beta0), 0.1f);
    EXPECT_EQ(shown(r.sFinal), 0.2f);
    EXPECT_NEAR(r.correlation.value(), 1.0, 1e-5);
    EXPECT_TRUE(r.missing.empty());
}

TEST(AsaokaAnalysis, FourPointFitWithItsSums) {
    // x = 0, 0.10, 0.16, 0.20 and y = 0.10, 0.16, 0.20, 0.22:
    //   sum x = 0.46, sum x2 = 0.0756, sum xy = 0.092, sum y = 0.68, sum y2 = 0.124
    //   Sxy = 0.092 - 0.68 * 0.46 / 4 = 0.0138, Sxx = 0.0756 - 0.46^2 / 4 = 0.0227,
    //   Syy = 0.124 - 0.68^2 / 4 = 0.0084
    //   Beta1 = 0.0138 / 0.0227 = 0.607930, Beta0 = 0.17 - 0.607930 * 0.115 = 0.100088
    //   r2 = 0.0138^2 / (0.0227 * 0.0084) = 0.998741, SFinal = 0.100088 / 0.392070 = 0.255281
    const AsaokaResult r = asaokaAnalysis(series({5, 10, 15, 20}, {0.10f, 0.16f, 0.20f, 0.22f}, 5));
    EXPECT_NEAR(r.sumX, 0.46, 1e-6);
    EXPECT_NEAR(r.sumX2, 0.0756, 1e-7);
    EXPECT_NEAR(r.sumXY, 0.092, 1e-7);
    EXPECT_NEAR(r.sumY, 0.68, 1e-6);
    EXPECT_NEAR(r.sumY2, 0.124, 1e-7);
    EXPECT_NEAR(r.beta1.value(), 0.607930, 5e-5);
    EXPECT_NEAR(r.beta0.value(), 0.100088, 1e-5);
    EXPECT_NEAR(r.correlation.value(), 0.998741, 5e-5);
    EXPECT_EQ(shown(r.beta1), 0.6079f);
    EXPECT_EQ(shown(r.beta0), 0.1001f);
    EXPECT_EQ(shown(r.sFinal), 0.2553f);
    // The fitted line at each pair: Beta1 S(i-1) + Beta0.
    ASSERT_EQ(r.fit.size(), 4u);
    EXPECT_NEAR(r.fit[0], 0.100088, 1e-5);
    EXPECT_NEAR(r.fit[3], 0.607930 * 0.20 + 0.100088, 1e-5);
}

TEST(AsaokaAnalysis, AnExponentialSettlementGivesItsSlopeFinalSettlementCvAndCh) {
    // One term of each consolidation solution, read every 30 days (2 592 000 s):
    //   vertical, H = 2 m, Cv = 1.5e-7: ln beta = -pi^2 Cv dt / (4 H^2) = -0.2398314
    //   radial, D = 1.8 m, Ch = 1e-7 with the same slope: F(n) = 8 Ch dt / (0.2398314 D^2)
    //   = 2.668541
    // beta = 0.7867605; s(i) = 0.5 (1 - beta^i) lies on S(i) = 0.5 (1 - beta) + beta S(i-1).
    AsaokaInput input =
        series({30, 60, 90, 120, 150, 180},
               {0.1066197f, 0.190504f, 0.2565007f, 0.3084244f, 0.3492759f, 0.3814162f}, 30);
    input.drainage = AsaokaDrainage{2.0f, 1.8f, 2.668541f};
    const AsaokaResult r = asaokaAnalysis(input);
    EXPECT_EQ(shown(r.beta1), 0.7868f);
    EXPECT_EQ(shown(r.beta0), 0.1066f);
    EXPECT_EQ(shown(r.sFinal), 0.5f);
    EXPECT_NEAR(r.cvOverall.value() / 1.5e-7, 1.0, 1e-4);
    EXPECT_NEAR(r.chOverall.value() / 1e-7, 1.0, 1e-4);
}

TEST(AsaokaAnalysis, ReadingsThatStartLaterAreFittedWithoutTheLoadingPair) {
    // s = 0.32 (1 - 0.5^k) read at 30, 40, 50, 60 days, steps of 10: the pairs (0.28, 0.30),
    // (0.30, 0.31), (0.31, 0.315) lie on S(i) = 0.16 + 0.5 S(i-1), final 0.32. With (0, 0.28)
    // among them the line would end at 0.3098, below the last reading.
    const AsaokaResult r =
        asaokaAnalysis(series({30, 40, 50, 60}, {0.28f, 0.30f, 0.31f, 0.315f}, 10));
    EXPECT_FALSE(r.fromLoading);
    EXPECT_EQ(r.pairs, 3);
    EXPECT_EQ(shown(r.beta1), 0.5f);
    EXPECT_EQ(shown(r.sFinal), 0.32f);
    EXPECT_EQ(r.fit[0], 0.0f);
    EXPECT_NEAR(r.fit[1], 0.30, 1e-6);
}

TEST(AsaokaAnalysis, StepsWithinOnePercentCountAsEqual) {
    struct Case {
        std::vector<Single> times;
        bool fromLoading, unequal;
    };
    const Case cases[] = {
        {{10, 20.05f, 30.05f, 40.1f}, true, false},
        {{10, 20, 30.2f, 40}, true, true},
        {{10, 20, 35, 40}, true, true},
        {{10.2f, 20.2f, 30.2f}, false, false},
    };
    for (const Case& c : cases) {
        AsaokaInput input = series(c.times, {0.1f, 0.15f, 0.175f, 0.19f}, c.times[1] - c.times[0]);
        input.settlements.resize(c.times.size());
        const AsaokaResult r = asaokaAnalysis(input);
        EXPECT_EQ(r.fromLoading, c.fromLoading) << c.times[2];
        EXPECT_EQ(r.unequalSteps, c.unequal) << c.times[2];
    }
}

TEST(AsaokaAnalysis, WhatCannotBeFoundIsMissingWithItsReason) {
    constexpr Single kTiny = std::numeric_limits<Single>::denorm_min();
    struct Case {
        const char* name;
        std::vector<Single> times, settlements;
        bool line, correlation, final, coefficients;
        const char* reason; // nullptr: nothing to say
        bool drained = true;
    };
    const Case cases[] = {
        {"one reading", {10}, {0.1f}, false, false, false, false, "at least two pairs"},
        // Later readings, all equal: no spread of S(i-1).
        {"equal, late", {50, 60, 70}, {0.2f, 0.2f, 0.2f}, false, false, false, false, "S(i-1)"},
        // From loading, all equal: S(i) has no spread, the line is flat (Beta1 = 0).
        {"equal", {10, 20, 30}, {0.2f, 0.2f, 0.2f}, true, false, false, false, "S(i) of"},
        // Steady growth: Beta1 = 1, the line never meets S(i) = S(i-1).
        {"steady", {10, 20, 30}, {0.1f, 0.2f, 0.3f}, true, true, false, false, "Beta1 = 1 "},
        // Settlements that shrink: Beta1 < 0 has no logarithm.
        {"shrinking", {10, 20, 30}, {0.3f, 0.1f, 0.2f}, true, true, false, false, "between 0"},
        // All at one time: dt = 0.
        {"no time", {0, 0, 0}, {0.1f, 0.15f, 0.175f}, true, true, true, false, "not positive"},
        // Steps of 1.4E-45 days: Cv and Ch are finite in double precision, not as Singles.
        {"tiny step",
         {kTiny, 2 * kTiny, 3 * kTiny},
         {0.1f, 0.15f, 0.175f},
         true,
         true,
         true,
         false,
         "out of range"},
        // No consolidation beside the readings: no Cv or Ch, and nothing wrong with the readings.
        {"no drainage",
         {10, 20, 30},
         {0.1f, 0.15f, 0.175f},
         true,
         true,
         true,
         false,
         nullptr,
         false},
    };
    for (const Case& c : cases) {
        AsaokaInput input = series(c.times, c.settlements,
                                   c.times.size() > 1 ? c.times[1] - c.times[0] : -c.times[0]);
        if (c.drained) {
            input.drainage = AsaokaDrainage{2.0f, 1.8f, 2.5f};
        }
        const AsaokaResult r = asaokaAnalysis(input);
        EXPECT_EQ(r.beta1.has_value(), c.line) << c.name;
        EXPECT_EQ(r.correlation.has_value(), c.correlation) << c.name;
        EXPECT_EQ(r.sFinal.has_value(), c.final) << c.name;
        EXPECT_EQ(r.cvOverall.has_value(), c.coefficients) << c.name;
        EXPECT_EQ(r.chOverall.has_value(), c.coefficients) << c.name;
        const bool said = std::any_of(r.missing.begin(), r.missing.end(), [&](const auto& why) {
            return c.reason != nullptr && why.find(c.reason) != std::string::npos;
        });
        EXPECT_EQ(said, c.reason != nullptr) << c.name;
        EXPECT_EQ(r.missing.empty(), c.reason == nullptr) << c.name;
        for (Single fit : r.fit) {
            EXPECT_TRUE(std::isfinite(fit)) << c.name;
        }
    }
}

} // namespace
} // namespace korvex
