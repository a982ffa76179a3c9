#include "app/all_finite.h"
#include "consolidation/form4_consolidation_input.h"
#include "consolidation/rest_settlement_times.h"
#include "preload/form10_preload_input.h"

#include "../settlement/random_site.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

namespace korvex::test {
namespace {

TEST(PreloadProperties, PlausibleSitesGiveSoundCurvesAndRemovalTimes) {
    std::mt19937 rng(20261209);
    auto chance = [&](double p) { return std::bernoulli_distribution(p)(rng); };
    int preloads = 0;
    for (int n = 0; n < 150; ++n) {
        TestApp t;
        const SiteInput site = randomSite(rng);
        loadSite(t, site).Command1_Click();
        if (t.state().SettlementCalculated == 0) {
            continue;
        }
        Form4& consolidation = t.windows().load<Form4>();
        consolidation.Option1 = chance(0.5);
        consolidation.Option2 = !consolidation.Option1;
        consolidation.Option4 = chance(0.5);
        consolidation.Option3 = !consolidation.Option4;
        consolidation.Command1_Click();
        if (t.state().ConsolidationCalculated == 0) {
            continue;
        }
        Form10& form = t.windows().load<Form10>();
        form.Text1 = randomText(rng, 0, 2);
        form.Text2 = randomText(rng, 0, 0.5);
        form.Option1 = chance(0.5);
        form.Option2 = !form.Option1;
        for (int i = 1; i <= t.state().NLayers; ++i) {
            form.Fg8.setTextMatrix(i, 1, randomText(rng, 1e-8, 1e-6));
            form.Fg8.setTextMatrix(i, 2, chance(0.7) ? "1" : "0");
        }
        const std::size_t messages = t.desktop.messages.size();
        form.Command2_Click();
        const Module1& st = t.state();
        const std::string where = "site " + std::to_string(n);
        if (t.desktop.messages.size() != messages) {
            continue;
        }
        ++preloads;
        ASSERT_TRUE(allFinite(st.SettlementPre10) && allFinite(st.SettlementPre10000) &&
                    allFinite(st.LoadPre10) && allFinite(st.LoadPre10000) &&
                    allFinite(st.TRemove) && std::isfinite(st.Fn) && std::isfinite(st.SRemoveLevel))
            << where;
        for (int k = 1; k <= 15; ++k) {
            for (int p = 1; p <= 4; ++p) {
                ASSERT_TRUE(std::isfinite(st.StressPathS(k, p)) &&
                            std::isfinite(st.StressPathLoad(k, p)))
                    << where;
            }
        }
        for (int i = 1; i <= st.NLayers; ++i) {
            for (int tp = 1; tp <= 16; ++tp) {
                const Single u = st.UPreload(i, tp);
                ASSERT_TRUE(u >= 0.0f && u <= 1.0f) << where;
                ASSERT_GE(u, st.UPreload(i, tp - 1)) << where;
            }
        }
        for (int c = 1; c <= 6; ++c) {
            for (int tp = 1; tp <= 16; ++tp) {
                ASSERT_TRUE(std::isfinite(st.SPreloadTotal(tp, c))) << where;
                // Settlement only grows with time: every part of the curve settles further.
                ASSERT_LE(st.SPreloadTotal(tp, c), st.SPreloadTotal(tp - 1, c)) << where;
            }
            const Single removal = st.TRemove(c);
            ASSERT_TRUE(removal == kRestTimeLimitDays || (removal > 0.0f && removal <= 10000.0f))
                << where << " case " << c << ": " << removal;
        }
    }
    // Most plausible sites are calculated; a draw that refuses them all tests nothing.
    EXPECT_GT(preloads, 50);
}

} // namespace
} // namespace korvex::test
