#include "settlement/fill_iteration.h"
#include "settlement/settlement_calculation.h"
#include "settlement/settlement_steps.h"
#include "settlement/stress_paths.h"

#include "app/all_finite.h"
#include "app/number_text.h"
#include "random_site.h"
#include "support/same_state.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <random>
#include <string>

namespace korvex::test {
namespace {

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

// No layer rises under a load, and no settlement shrinks as the load grows, at any time.
void expectSettlementsFollowTheLoad(const Module1& st, const std::string& where) {
    const SingleArray2<20, 20>* layers[] = {&st.SLayer1, &st.SLayer10, &st.SLayer100,
                                            &st.SLayer1000, &st.SLayer10000};
    const SingleArray<20>* totals[] = {&st.S1, &st.S10, &st.S100, &st.S1000, &st.S10000};
    for (int time = 0; time < 5; ++time) {
        for (int j = 1; j <= 16; ++j) {
            for (int i = 1; i <= st.NLayers; ++i) {
                EXPECT_LE((*layers[time])(i, j), 0.0f) << where << " layer " << i << " step " << j;
            }
            if (j > 1) {
                EXPECT_LE((*totals[time])(j), (*totals[time])(j - 1)) << where << " step " << j;
            }
        }
    }
    for (int k = 1; k <= 15; ++k) {
        EXPECT_LE(st.FillHeightSettlement(k), 0.0f) << where << " fill step " << k;
    }
    // Signed, before the consolidation window takes their size.
    EXPECT_LE(st.SSumPre10(1), 0.0f) << where;
    EXPECT_LE(st.SSumPre10000(1), 0.0f) << where;
    EXPECT_GE(st.FillSettlement, 0.0f) << where;
}

// One layer constant that would lift the ground, or a settlement time before the first day,
// is refused and changes nothing.
void expectSpoiledSiteRefusedUnchanged(TestApp& t, Form1& form, std::mt19937& rng,
                                       const std::string& where) {
    const auto before = std::make_unique<Module1>(t.state());
    const int layer = std::uniform_int_distribution<>(1, t.state().NLayers)(rng);
    // Cr, Cc, Calpha or 1/Cp, 1/Cs, 1/Cp', 1/Cs'.
    const int columns[2][4] = {{3, 5, 8, 5}, {3, 4, 5, 6}};
    const int pick = std::uniform_int_distribution<>(0, 4)(rng);
    if (pick == 4) {
        form.Text12 = randomText(rng, 0.0, 0.99);
    } else {
        form.Fg1.setTextMatrix(layer, columns[t.state().Method - 1][pick],
                               randomText(rng, -1.0, -1e-6));
    }
    t.desktop.messages.clear();
    EXPECT_FALSE(calculateSettlements(t.app, form)) << where;
    EXPECT_EQ(t.desktop.messages.size(), 1u) << where;
    EXPECT_TRUE(sameState(*before, t.state())) << where;
}

TEST(SettlementProperty, PlausibleSitesGiveFiniteConsistentResults) {
    std::mt19937 rng(20261209);
    int completed = 0;
    for (int n = 0; n < 300; ++n) {
        TestApp t;
        const SiteInput site = randomSite(rng);
        Form1& form = loadSite(t, site);
        const auto before = std::make_unique<Module1>(t.state());
        const bool done = calculateSettlements(t.app, form);
        const Module1& st = t.state();
        const std::string where = "case " + std::to_string(n);
        if (!done) {
            EXPECT_TRUE(sameState(*before, st)) << where;
            // The only refusals a plausible site may meet are the physical ones.
            ASSERT_EQ(t.desktop.messages.size(), 1u) << where;
            const std::string& m = t.desktop.messages[0].text;
            EXPECT_TRUE(m.rfind("Settlement greater than soillayer", 0) == 0 ||
                        m.rfind("Effective stress of layer", 0) == 0)
                << where << ": " << m;
            continue;
        }
        ++completed;
        EXPECT_TRUE(allFinite(st.S1) && allFinite(st.S10) && allFinite(st.S100) &&
                    allFinite(st.S1000) && allFinite(st.S10000))
            << where;
        EXPECT_TRUE(allFinite(st.SigmaEff) && allFinite(st.SigmaTot) && allFinite(st.SigmaWat))
            << where;
        EXPECT_TRUE(allFinite(st.FillHeightSettlement) && allFinite(st.FillHeightStress) &&
                    allFinite(st.SurfaceHeight) && allFinite(st.EffHeight))
            << where;
        EXPECT_TRUE(allFinite(st.PathSlope1) && allFinite(st.PathSlope2) &&
                    allFinite(st.PathIntercept1) && allFinite(st.PathIntercept2) &&
                    allFinite(st.CalcFillPathS) && allFinite(st.CalcFillPathLoad))
            << where;
        EXPECT_TRUE(allFinite(st.SSumPre10) && allFinite(st.SSumPre10000) &&
                    allFinite(st.LoadPre10) && allFinite(st.LoadPre10000))
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
        expectSettlementsFollowTheLoad(st, where);
        if (n % 5 == 0) {
            expectSpoiledSiteRefusedUnchanged(t, form, rng, where);
        }
    }
    // Most plausible sites complete; the very soft ones may halt.
    EXPECT_GT(completed, 200);
}

} // namespace
} // namespace korvex::test
