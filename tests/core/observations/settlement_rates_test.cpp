#include "observations/settlement_rates.h"

#include <gtest/gtest.h>

namespace korvex {
namespace {

TEST(SettlementRates, ByHand) {
    // 0.01 m at 10 days and 0.02 m at 100 days: 0.01 m in one decade.
    const Rates decade = settlementPerDecade({10, 100}, {0.01f, 0.02f});
    ASSERT_EQ(decade.values.size(), 1u);
    EXPECT_NEAR(decade.values[0], 0.01, 1e-8);
    // 0.05 m more between 20 and 40 days: 0.05 / log10(2) = 0.166096 m per decade.
    EXPECT_NEAR(settlementPerDecade({20, 40}, {0.10f, 0.15f}).values[0], 0.166096, 1e-6);

    // Steps of 10 days from 0 at loading: 0.01 / 10 and (0.03 - 0.01) / 10.
    const Rates perDay = settlementPerDay({0.01f, 0.03f}, 10);
    EXPECT_NEAR(perDay.values[0], 0.001, 1e-9);
    EXPECT_NEAR(perDay.values[1], 0.002, 1e-9);

    // 0.02 m after 10 days and 0.05 m after 40: 0.002 and 0.00125 m a day.
    const Rates overTime = settlementOverTime({10, 40}, {0.02f, 0.05f});
    EXPECT_NEAR(overTime.values[0], 0.002, 1e-9);
    EXPECT_NEAR(overTime.values[1], 0.00125, 1e-9);
    EXPECT_TRUE(decade.missingRows.empty() && perDay.missingRows.empty() &&
                overTime.missingRows.empty());
}

TEST(SettlementRates, PointsWithoutARateHoldZeroAndAreListed) {
    // Times 0, 10, 10, 20: no decade from 0 to 10 or from 10 to 10; no s/t at time 0.
    const std::vector<Single> times = {0, 10, 10, 20};
    const std::vector<Single> settlements = {0.01f, 0.02f, 0.03f, 0.04f};
    const Rates decade = settlementPerDecade(times, settlements);
    EXPECT_EQ(decade.values, (std::vector<Single>{0, 0, decade.values[2]}));
    EXPECT_NEAR(decade.values[2], 0.01 / 0.30103, 1e-6);
    EXPECT_EQ(decade.missingRows, (std::vector<int>{1, 2}));
    const Rates overTime = settlementOverTime(times, settlements);
    EXPECT_EQ(overTime.values[0], 0.0f);
    EXPECT_EQ(overTime.missingRows, (std::vector<int>{1}));
    // A time step of 0 leaves every ds/dt unknown.
    const Rates perDay = settlementPerDay(settlements, 0);
    EXPECT_EQ(perDay.values, (std::vector<Single>{0, 0, 0, 0}));
    EXPECT_EQ(perDay.missingRows, (std::vector<int>{1, 2, 3, 4}));
    // A step of 1E-45 days: 0.01 / 1.4E-45 fits a double, not a Single.
    const Single tiny = 1e-45f;
    EXPECT_EQ(settlementPerDay({0.01f}, tiny).missingRows, std::vector<int>{1});
    EXPECT_EQ(settlementOverTime({tiny}, {0.01f}).missingRows, std::vector<int>{1});
}

TEST(SettlementRates, RowListJoinsRuns) {
    EXPECT_EQ(rowList({2, 5, 6, 7, 9}), "2, 5-7, 9");
    EXPECT_EQ(rowList({1}), "1");
}

} // namespace
} // namespace korvex
