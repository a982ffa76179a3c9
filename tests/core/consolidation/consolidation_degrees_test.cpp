#include "consolidation/consolidation_degrees.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

namespace korvex {
namespace {

constexpr double kPi = 3.14159;

// Terzaghi's degree from its series to full double precision (200 terms), independent of the
// program's stopping rule.
double terzaghiDegreeExact(double tv) {
    double sum = 0.0;
    for (int m = 0; m < 200; ++m) {
        double big = M_PI / 2.0 * (2 * m + 1);
        sum += 2.0 / (big * big) * std::exp(-big * big * tv);
    }
    return 1.0 - sum;
}

// A load rising linearly until tc is a superposition of instantaneous loads dq = q dt / tc placed
// at every t' < min(t, tc): U(t) = 1/tc * integral over s from max(0, t - tc) to t of U_inst(s).
// Simpson's rule in w = sqrt(s) keeps the sqrt behaviour of U_inst near 0 smooth.
double rampBySuperposition(const std::function<double(double)>& instant, double t, double tc) {
    double a = std::sqrt(std::max(0.0, t - tc));
    double b = std::sqrt(t);
    const int n = 4000;
    double h = (b - a) / n;
    double sum = 0.0;
    for (int i = 0; i <= n; ++i) {
        double w = a + i * h;
        double weight = (i == 0 || i == n) ? 1.0 : (i % 2 == 1 ? 4.0 : 2.0);
        sum += weight * instant(w * w) * 2.0 * w;
    }
    return sum * h / 3.0 / tc;
}

TEST(TerzaghiDegree, MatchesTheTextbookTimeFactors) {
    struct Case {
        double tv;
        double degree;
    };
    // Textbook: Tv = pi/4 U^2 below 60 % (U = 20 % at 0.0314); 50 % at 0.197; 90 % at 0.848.
    const Case cases[] = {{0.0314, 0.20}, {0.197, 0.50}, {0.848, 0.90}};
    for (const auto& c : cases) {
        EXPECT_NEAR(1.0 - terzaghiRemainder(c.tv, kPi), c.degree, 0.002) << "Tv = " << c.tv;
    }
}

TEST(BarronDegree, FollowsTheExponentialOfTheRadialTimeFactor) {
    ConsolidationDegrees d;
    d.ch = 1e-7;
    d.drainZone = 2.0;
    d.fn = 2.0;
    // Th(100 d) = 1e-7 * 8 640 000 / 4 = 0.216; 1 - Uh = exp(-8 * 0.216 / 2) = exp(-0.864).
    EXPECT_NEAR(d.radialRemainderInstant(100.0), 0.4214728, 1e-6);
    // exp(-8 * 1e-7 * 8.64e10 / 8) is far below 1e-30: the remainder stops at 1e-30.
    EXPECT_FLOAT_EQ(d.radialRemainderInstant(1e6), 1e-30f);
}

TEST(OlsonDegree, VerticalRampEqualsSuperposedInstantLoads) {
    struct Case {
        double tv, tcv;
    };
    const Case cases[] = {{0.05, 0.2}, {0.2, 0.2}, {0.5, 0.2}, {1.0, 0.1}, {0.3, 1.0}, {2.0, 1.5}};
    for (const auto& c : cases) {
        double expected = rampBySuperposition(terzaghiDegreeExact, c.tv, c.tcv);
        EXPECT_NEAR(olsonVerticalDegree(c.tv, c.tcv, M_PI), expected, 5e-5)
            << "Tv = " << c.tv << ", Tcv = " << c.tcv;
    }
}

TEST(OlsonDegree, RadialRampEqualsSuperposedInstantLoads) {
    const double fn = 2.5;
    auto instant = [&](double th) { return 1.0 - std::exp(-8.0 * th / fn); };
    struct Case {
        double th, tch;
    };
    const Case cases[] = {{0.05, 0.2}, {0.2, 0.2}, {0.5, 0.2}, {1.0, 0.8}, {0.01, 0.5}};
    for (const auto& c : cases) {
        EXPECT_NEAR(olsonRadialDegree(c.th, c.tch, fn), rampBySuperposition(instant, c.th, c.tch),
                    1e-7)
            << "Th = " << c.th << ", Tch = " << c.tch;
    }
}

TEST(OlsonDegree, LongConstructionTimeDoesNotOverflow) {
    // a = 8 / Fn = 4, a Tch = 4000: exp(a Tch) overflows a double. Exactly:
    // U = 1 - e^(-a (Th - Tch)) (1 - e^(-a Tch)) / (a Tch) = 1 - e^-2 / 4000 = 0.99996617.
    EXPECT_NEAR(olsonRadialDegree(1000.5, 1000.0, 2.0), 0.99996617, 1e-8);
    EXPECT_DOUBLE_EQ(olsonRadialDegree(5000.0, 1000.0, 2.0), 1.0);
}

TEST(OlsonDegree, NoConstructionTimeIsTheInstantaneousLoad) {
    ConsolidationDegrees d;
    d.ch = 1e-7;
    d.cv = 5e-8;
    d.drainZone = 2.0183;
    d.fn = 2.69;
    d.drainPath = 5.0;
    d.constructionDays = 0.0;
    for (double days : {10.0, 100.0, 1000.0}) {
        EXPECT_EQ(d.radialDegreeGradual(days), 1.0f - d.radialRemainderInstant(days));
        EXPECT_EQ(d.verticalDegreeGradual(days), 1.0f - d.verticalRemainderInstant(days));
    }
}

TEST(OlsonDegree, GradualLoadNeverConsolidatesFasterThanInstantLoad) {
    const double times[] = {10,   20,   40,   60,   80,   100,   200,   400,   600,   800,
                            1000, 2000, 4000, 6000, 8000, 10000, 20000, 40000, 60000, 80000};
    for (double path : {1.0, 5.0, 20.0}) {
        for (double tc : {0.1, 0.3, 1.0, 3.0, 10.0, 60.0, 100.0, 300.0, 1000.0}) {
            ConsolidationDegrees d;
            d.ch = 1e-7;
            d.cv = 5e-8;
            d.drainZone = 2.0183;
            d.fn = 2.69;
            d.drainPath = path;
            d.constructionDays = tc;
            for (double t : times) {
                EXPECT_LE(d.verticalDegreeGradual(t), 1.0f - d.verticalRemainderInstant(t))
                    << "H = " << path << ", tc = " << tc << ", t = " << t;
                EXPECT_LE(d.radialDegreeGradual(t), 1.0f - d.radialRemainderInstant(t))
                    << "tc = " << tc << ", t = " << t;
            }
        }
    }
}

} // namespace
} // namespace korvex
