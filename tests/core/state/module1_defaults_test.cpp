#include "state/module1.h"

#include <gtest/gtest.h>

#include <memory>

namespace korvex {
namespace {

TEST(Module1Defaults, StartUpValuesAreTheNearestSingles) {
    auto st = std::make_unique<Module1>();
    st->setDefaults();
    EXPECT_EQ(st->NLayers, 0);
    EXPECT_EQ(st->Method, 0);
    EXPECT_EQ(st->StressStep(1), 5.0f);
    EXPECT_EQ(st->StressStep(16), 280.0f);
    EXPECT_EQ(st->StressStep(17), 0.0f);
    EXPECT_EQ(st->TPred(1), 10.0f);
    EXPECT_EQ(st->TPred(11), 1000.0f);
    EXPECT_EQ(st->TPred(20), 80000.0f);
    // 9.80665 is not a Single; the state holds the nearest one, not 9.81 and not the double.
    EXPECT_EQ(st->Gravity, static_cast<float>(9.80665));
    EXPECT_NE(static_cast<double>(st->Gravity), 9.80665);
    EXPECT_EQ(st->Pi, 3.14159f);
    EXPECT_EQ(st->CvAvg, 5e-8f);
    EXPECT_EQ(st->ChAvg, 1e-7f);
    EXPECT_EQ(st->DrainDiameter, 0.065f);
    EXPECT_EQ(st->NFillLayers, 15.0f);
    EXPECT_EQ(st->ProjectName, "Settlement/Consolidation and Vertical drains");
    EXPECT_EQ(st->BoreHole, "Bore hole 1");
    EXPECT_EQ(st->ExtraCode, "");
    EXPECT_EQ(st->bC, 1.6f);
    EXPECT_EQ(st->CcB, 0.357f);
}

TEST(Module1Arrays, BoundsAreInclusiveAndGuarded) {
    auto st = std::make_unique<Module1>();
    // 0..21 is 22 elements; 0..15 is 16.
    EXPECT_EQ(st->LDepth.size(), 22u);
    EXPECT_EQ(st->FillPlusPreload.size(), 16u);
    EXPECT_EQ(st->TPred.size(), 102u);
    EXPECT_EQ(st->SHorVertIL.size(), 22u);
    EXPECT_NO_THROW(st->LDepth(21) = 1.0f);
    EXPECT_THROW(st->LDepth(22), std::out_of_range);
    EXPECT_THROW(st->LDepth(-1), std::out_of_range);
    EXPECT_THROW(st->SLayer1(21, 0), std::out_of_range);
    EXPECT_NO_THROW(st->SLayer1(20, 20) = -0.5f);
}

} // namespace
} // namespace korvex
