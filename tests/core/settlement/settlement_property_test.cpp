#include "settlement/fill_iteration.h"
#include "settlement/settlement_calculation.h"
#include "settlement/settlement_steps.h"
#include "settlement/stress_paths.h"

#include "app/number_text.h"
#include "settlement_site.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <random>
#include <string>

namespace korvex::test {
namespace {

std::string text(std::mt19937& rng, double low, double high) {
    return num::boxText(static_cast<Single>(std::uniform_real_distribution<>(low, high)(rng)));
}

// A plausible soft-soil site: 1 to 20 layers, either method, submergence on or off, the water
// table in, below or above the surface and sometimes changing.
SiteInput randomSite(std::mt19937& rng) {
    auto chance = [&](double p) { return std::bernoulli_distribution(p)(rng); };
    auto uniform = [&](double low, double high) {
        return static_cast<Single>(std::uniform_real_distribution<>(low, high)(rng));
    };
    SiteInput site;
    site.method = chance(0.5) ? 1 : 2;
    site.submergence = chance(0.5);
    const Single surface = uniform(-2, 3);
    site.surface = num::boxText(surface);
    const Single watertable = chance(0.15) ? surface + uniform(0.1, 1.0) : surface - uniform(0, 3);
    site.watertable = num::boxText(watertable);
    site.newWatertable =
        chance(0.6) ? site.watertable : num::boxText(watertable + uniform(-1.5, 0.5));
    const Single fill = uniform(1.4, 2.0);
    site.fill = num::boxText(fill);
    site.fillSat = num::boxText(fill + uniform(0.05, 0.5));
    const Single avg = uniform(1.2, 1.8);
    site.avg = num::boxText(avg);
    site.avgSat = num::boxText(avg + uniform(0.05, 0.5));
    site.required = num::boxText(surface + uniform(0.2, 4));
    const char* times[] = {"30", "100", "1000", "3000", "10000"};
    site.time = times[std::uniform_int_distribution<>(0, 4)(rng)];
    site.increment = text(rng, 0.3, 1.5);
    site.fillLayers = std::to_string(std::uniform_int_distribution<>(5, 21)(rng));
    const int layers = std::uniform_int_distribution<>(1, 20)(rng);
    // Now and then a peat so compressible that the fixed point overshoots or a layer would
    // settle by more than its thickness.
    const double softness = chance(0.2) ? 4.0 : 1.0;
    Single level = surface;
    for (int i = 0; i < layers; ++i) {
        level = level - uniform(0.3, 3);
        std::array<std::string, 8> row;
        row[0] = num::boxText(level);
        row[1] = text(rng, 1.1, 2.0);
        if (site.method == 1) {
            row[2] = text(rng, 0.005, 0.05);                    // Cr
            row[3] = text(rng, 0.5, 3);                         // e0
            row[4] = text(rng, 0.1 * softness, 1.5 * softness); // Cc
            row[5] = text(rng, 0.5, 3);                         // ec
            row[6] = text(rng, 0, 40);                          // Sigmac
            row[7] = text(rng, 0, 0.03);                        // Calpha
        } else {
            row[2] = text(rng, 0.002, 0.02);   // 1/Cp
            row[3] = text(rng, 0.0002, 0.005); // 1/Cs
            row[4] = text(rng, 0.01, 0.1);     // 1/Cp'
            row[5] = text(rng, 0.001, 0.01);   // 1/Cs'
            row[6] = text(rng, 0, 40);         // Sigmac
        }
        site.rows.push_back(row);
    }
    return site;
}

template <typename Array> bool finite(const Array& values) {
    for (Single v : values) {
        if (!std::isfinite(v)) {
            return false;
        }
    }
    return true;
}

// The settled surface of a fill of the calculated thickness at the settlement time, found on a
// copy of the state with the same path and settlement curve the fill steps use.
double settledSurfaceOfCalculatedFill(const Module1& st, bool submergence) {
    auto copy = std::make_unique<Module1>(st);
    StressPath paths[2] = {{}, buildStressPath(*copy, copy->FillThickness)};
    if (!submergence) {
        switchOffSubmergence(paths[1], PathKind::FillStep);
    }
    const LayerSettlementArrays layers{&copy->SigmaTrial, copy->LogVirginFill, copy->LogRecompFill,
                                       copy->SVirginFill, copy->SRecompFill,   copy->SLayerFill,
                                       copy->SSecFill,    copy->SSumFill};
    const IterationArrays arrays{copy->TrialLoadFill, copy->LoadPrevFill,
                                 copy->FillHeightSettlement, copy->FillHeightStress};
    const double log10Time = log10Days(copy->SettlementTime);
    intersectPaths(paths, 1, arrays, [&](int k, double load) {
        return settleLayersAt(*copy, layers, k, load, log10Time, false);
    });
    return copy->SurfaceLevel + static_cast<double>(copy->FillThickness) +
           copy->FillHeightSettlement(1);
}

// The found thickness lies on the straight line between the two fill steps that bracket the
// required level, and that line meets the required level (the arithmetic of the interpolation);
// the settled surface of a fill of that thickness, found afresh, lies between the two steps'
// settled surfaces (the interpolation brackets the truth; its miss inside the bracket is that of
// a straight line through a curve).
void expectThicknessMeetsTheRequiredLevel(const Module1& st, bool submergence,
                                          const std::string& where) {
    int bracket = 0;
    double below = st.SurfaceLevel;
    for (int k = 1; k <= 15; ++k) {
        const double previous = k == 1 ? st.SurfaceLevel : st.SurfaceHeight(k - 1);
        if (st.SurfaceHeight(k) > st.SurfaceLevelRequired && previous <= st.SurfaceLevelRequired) {
            bracket = k;
            below = previous;
        }
    }
    ASSERT_GT(bracket, 0) << where;
    const double above = st.SurfaceHeight(bracket);
    const double lowerHeight = st.FillHeight(bracket) - static_cast<double>(st.FillIncrement);
    const double fraction = (st.FillThickness - lowerHeight) / st.FillIncrement;
    EXPECT_GE(fraction, -1e-6) << where;
    EXPECT_LE(fraction, 1 + 1e-6) << where;
    // Levels of a few metres stored as Singles: 1e-4 m covers their rounding.
    EXPECT_NEAR(below + fraction * (above - below), st.SurfaceLevelRequired, 1e-4) << where;
    // The iterations stop within 0.01 kPa, a millimetre at most on these soils.
    const double settled = settledSurfaceOfCalculatedFill(st, submergence);
    EXPECT_GE(settled, below - 1e-3) << where;
    EXPECT_LE(settled, above + 1e-3) << where;
}

TEST(SettlementProperty, PlausibleSitesGiveFiniteConsistentResults) {
    std::mt19937 rng(20261209);
    int completed = 0;
    for (int n = 0; n < 300; ++n) {
        TestApp t;
        const SiteInput site = randomSite(rng);
        Form1& form = loadSite(t, site);
        const bool done = calculateSettlements(t.app, form);
        const Module1& st = t.state();
        const std::string where = "case " + std::to_string(n);
        if (!done) {
            // The only refusals a plausible site may meet are the physical ones.
            ASSERT_EQ(t.desktop.messages.size(), 1u) << where;
            const std::string& m = t.desktop.messages[0].text;
            EXPECT_TRUE(m.rfind("Settlement greater than soillayer", 0) == 0 ||
                        m.rfind("Effective stress of layer", 0) == 0)
                << where << ": " << m;
            continue;
        }
        ++completed;
        EXPECT_TRUE(finite(st.S1) && finite(st.S10) && finite(st.S100) && finite(st.S1000) &&
                    finite(st.S10000))
            << where;
        EXPECT_TRUE(finite(st.SigmaEff) && finite(st.SigmaTot) && finite(st.SigmaWat)) << where;
        EXPECT_TRUE(finite(st.FillHeightSettlement) && finite(st.FillHeightStress) &&
                    finite(st.SurfaceHeight) && finite(st.EffHeight))
            << where;
        EXPECT_TRUE(finite(st.PathSlope1) && finite(st.PathSlope2) && finite(st.PathIntercept1) &&
                    finite(st.PathIntercept2) && finite(st.CalcFillPathS) &&
                    finite(st.CalcFillPathLoad))
            << where;
        EXPECT_TRUE(finite(st.SSumPre10) && finite(st.SSumPre10000) && finite(st.LoadPre10) &&
                    finite(st.LoadPre10000))
            << where;
        EXPECT_TRUE(std::isfinite(st.FillThickness) && std::isfinite(st.FillSettlement) &&
                    std::isfinite(st.S10Cons) && std::isfinite(st.S10000Cons) &&
                    std::isfinite(st.WatertableLoad.value))
            << where;
        for (int k = 1; k <= 15; ++k) {
            EXPECT_LT(std::fabs(st.FillHeightStress(k) - st.LoadPrevFill(k)), kLoadTolerance)
                << where << " step " << k;
        }
        if (st.FillThickness > 0.0f) {
            expectThicknessMeetsTheRequiredLevel(st, site.submergence, where);
        }
    }
    // Most plausible sites complete; the very soft ones may halt.
    EXPECT_GT(completed, 200);
}

} // namespace
} // namespace korvex::test
