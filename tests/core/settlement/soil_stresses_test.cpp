#include "settlement/soil_stresses.h"

#include "state/module1.h"

#include <gtest/gtest.h>

#include <memory>

namespace korvex {
namespace {

constexpr double g = 9.80665;
// Stresses are stored as Singles of some tens of kPa: 1e-4 kPa is below their last digit.
constexpr double kStressTolerance = 1e-4;

std::unique_ptr<Module1> site(float surface, float watertable) {
    auto st = std::make_unique<Module1>();
    st->setDefaults();
    st->SurfaceLevel = surface;
    st->Watertable = watertable;
    st->NewWatertable = watertable;
    return st;
}

TEST(SoilStresses, TwoLayersWithTheWaterTableInsideTheFirst) {
    // Surface 1, water table -0.5; layer 1 down to -1 (2 m, 1.8 t/m3), layer 2 down to -4
    // (3 m, 1.5 t/m3).
    auto st = site(1.0f, -0.5f);
    st->NLayers = 2;
    st->LDepth(1) = -1.0f;
    st->LDepth(2) = -4.0f;
    st->Soilwet(1) = 1.8f;
    st->Soilwet(2) = 1.5f;
    computeSoilStresses(*st);

    // Layer 1: middle at level 0, above the water table: no pore pressure;
    // total = 1 m x 1.8 x g = 17.65197.
    EXPECT_FLOAT_EQ(st->LThickness(1), 2.0f);
    EXPECT_FLOAT_EQ(st->Depth(1), 0.0f);
    EXPECT_NEAR(st->SigmaWat(1), 0.0, kStressTolerance);
    EXPECT_NEAR(st->SigmaTot(1), 1.8 * g, kStressTolerance);
    EXPECT_NEAR(st->SigmaEff(1), 1.8 * g, kStressTolerance);
    // Layer 2: middle at -2.5, 2 m under the water table: u = 2 g = 19.6133;
    // total = (2 x 1.8 + 1.5 x 1.5) g = 5.85 g = 57.36890; effective = 3.85 g = 37.75560.
    EXPECT_FLOAT_EQ(st->LThickness(2), 3.0f);
    EXPECT_FLOAT_EQ(st->Depth(2), -2.5f);
    EXPECT_NEAR(st->SigmaWat(2), 2.0 * g, kStressTolerance);
    EXPECT_NEAR(st->SigmaTot(2), 5.85 * g, kStressTolerance);
    EXPECT_NEAR(st->SigmaEff(2), 3.85 * g, kStressTolerance);
    EXPECT_FLOAT_EQ(st->CumDepth(3), 5.0f);
    EXPECT_FLOAT_EQ(st->SoilThickness, 5.0f);
    EXPECT_FLOAT_EQ(st->DrainPath, 5.0f);
}

TEST(SoilStresses, FloodedSiteCarriesTheStandingWater) {
    // Surface 0, water 0.5 m above it; one layer down to -2 of 1.6 t/m3. Middle 1 m deep:
    // u = (1 + 0.5) g = 14.709975; total = 0.5 g + 1.6 g = 20.593965; effective = 0.6 g.
    auto st = site(0.0f, 0.5f);
    st->NLayers = 1;
    st->LDepth(1) = -2.0f;
    st->Soilwet(1) = 1.6f;
    computeSoilStresses(*st);
    EXPECT_NEAR(st->SigmaWat(1), 1.5 * g, kStressTolerance);
    EXPECT_NEAR(st->SigmaTot(1), 2.1 * g, kStressTolerance);
    EXPECT_NEAR(st->SigmaEff(1), 0.6 * g, kStressTolerance);
}

struct WatertableCase {
    const char* name;
    float oldLevel;
    float newLevel;
    bool isSingle;
    double expectedLoad;
};

TEST(WatertableChange, LoadFollowsTheDirectionOfTheChange) {
    // Surface 1; F = 1.5 - (1.8 - 1.0) = 0.7, so one metre of change is 0.7 g = 6.864655 kPa.
    const WatertableCase cases[] = {
        {"lowered 1 m below 2 m", -1.0f, -2.0f, true, 0.7 * g},
        {"raised 1 m", -2.0f, -1.0f, true, -0.7 * g},
        // Rising above the surface counts only the 2 m up to the surface: -1.4 g.
        {"flooded from 2 m below", -1.0f, 1.5f, true, -1.4 * g},
        {"both above the surface", 1.2f, 1.5f, false, 0.0},
        {"unchanged", -1.0f, -1.0f, false, 0.0},
    };
    for (const auto& c : cases) {
        auto st = site(1.0f, c.oldLevel);
        st->NewWatertable = c.newLevel;
        st->SoilmassAvg = 1.5f;
        st->SoilmassAvgSat = 1.8f;
        st->WatertableOrig = 42.0f;
        applyWatertableChange(*st);
        EXPECT_EQ(st->WatertableLoad.kind,
                  c.isSingle ? Variant::Kind::Single : Variant::Kind::Integer)
            << c.name;
        EXPECT_NEAR(st->WatertableLoad.asDouble(), c.expectedLoad, 1e-5) << c.name;
        EXPECT_EQ(st->Watertable, c.newLevel) << c.name;
        EXPECT_EQ(st->WatertableOrig, c.oldLevel == c.newLevel ? 42.0f : c.oldLevel) << c.name;
    }
}

} // namespace
} // namespace korvex
