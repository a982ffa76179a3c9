#include "preload/extra_fill_curves.h"

#include "consolidation/rest_settlement_times.h"
#include "preload/preload_inputs.h"
#include "support/test_app.h"

#include <gtest/gtest.h>

#include <vector>

namespace korvex {
namespace {

// Layers with their settlements after 10 and 10 000 days per case given by hand, as the
// intersections would leave them; drain spacing 2 m and drain diameter 0.1 m, so that the zone is
// 2.1 m and n = 21.
struct CurveSite {
    test::TestApp t;
    PreloadInputs in;

    struct Layer {
        Integer drained;
        Single ch;
        Single thickness;
        std::vector<std::pair<Single, Single>> cases; // (10 days, 10 000 days) of cases 1, 2, ...
    };

    explicit CurveSite(const std::vector<Layer>& layers, Single restSettlement = 0.2f) {
        Module1& st = t.state();
        st.NLayers = static_cast<Integer>(layers.size());
        st.DrainDiameter = 0.1f;
        in.spacing = 2.0f;
        in.restSettlement = restSettlement;
        for (int i = 1; i <= st.NLayers; ++i) {
            const Layer& layer = layers[static_cast<std::size_t>(i - 1)];
            in.drained(i) = layer.drained;
            st.ChExtraFill(i) = layer.ch;
            st.Cv(i) = layer.ch;
            st.LThickness(i) = layer.thickness;
            for (std::size_t c = 0; c < layer.cases.size(); ++c) {
                st.SLayerPre10(i, static_cast<int>(c) + 1) = layer.cases[c].first;
                st.SLayerPre10000(i, static_cast<int>(c) + 1) = layer.cases[c].second;
            }
        }
    }
    void restPackage(Single cv, Single drainagePath) { in.rest = {true, cv, drainagePath}; }
    const Module1& run(bool endOfPrimaryAtTp = false) {
        computeExtraFillCurves(t.state(), in, endOfPrimaryAtTp);
        return t.state();
    }
};

TEST(ExtraFillCurves, DrainZoneIsTheWindowSpacingTimesOnePointZeroFive) {
    CurveSite site({{1, 1e-7f, 1, {{-0.5f, -0.8f}}}});
    const Module1& st = site.run();
    // D = 1.05 * 2 = 2.1 m; n = 2.1 / 0.1 = 21:
    // F = 441/440 * (ln 21 - 3/4 + 1/441 * (1 - 1/1764)) = 1.0022727 * 2.2967867 = 2.3020087.
    EXPECT_FLOAT_EQ(st.DrainZonePre, 2.1f);
    EXPECT_NEAR(st.FnPre, 2.3020087, 1e-5);
    EXPECT_FLOAT_EQ(st.SpacingTriPre, 2.0f);
    EXPECT_FLOAT_EQ(st.RestSettlementPre, 0.2f);
}

// With Ch and Cv so large that U is 1 from the first time point, each curve is the creep line
// itself: through the 10-day settlement at 10 days and the 10 000-day one at 10 000 days, with the
// primary settlement at 1 day or, moved along the creep line, at the end of primary
// consolidation (tp of the drained layer 4.41 * 2 / (1e-3 * 86 400) = 0.102 days, of the rest
// package 2 * 2^2 / (1e-3 * 86 400) = 0.0926 days).
TEST(ExtraFillCurves, WithFullConsolidationEveryCurvePassesThroughBothSettlements) {
    for (bool endOfPrimaryAtTp : {false, true}) {
        CurveSite site({{1, 1e-3f, 1, {{-0.5f, -0.8f}, {-0.7f, -1.0f}}},
                        {0, 1e-3f, 2, {{-0.2f, -0.5f}, {-0.3f, -0.6f}}}});
        site.t.state().TimeFactor = 2.0f;
        site.restPackage(1e-3f, 2.0f);
        const Module1& st = site.run(endOfPrimaryAtTp);
        for (int c = 1; c <= 2; ++c) {
            const double drained[2][2] = {{-0.5, -0.8}, {-0.7, -1.0}};
            const double rest[2][2] = {{-0.2, -0.5}, {-0.3, -0.6}};
            const auto& d = drained[c - 1];
            const auto& r = rest[c - 1];
            SCOPED_TRACE(::testing::Message() << "tp " << endOfPrimaryAtTp << " case " << c);
            EXPECT_NEAR(st.SPreloadHor(1, c), d[0], 1e-5);
            EXPECT_NEAR(st.SPreloadHor(16, c), d[1], 1e-5);
            EXPECT_NEAR(st.SPreloadVertRest(1, c), r[0], 1e-5);
            EXPECT_NEAR(st.SPreloadVertRest(16, c), r[1], 1e-5);
            EXPECT_NEAR(st.SPreloadTotal(1, c), d[0] + r[0], 1e-5);
            EXPECT_NEAR(st.SPreloadTotal(16, c), d[1] + r[1], 1e-5);
        }
    }
}

TEST(ExtraFillCurves, RemovalTimesInterpolateBetweenTimePointsFromZeroOnward) {
    // U = 1: case 1 runs -0.4 - 0.1 log10 t, case 2 -0.6 - 0.1 log10 t, case 3 never settles
    // more than 0.3 m. Removal level = 0.25 - 0.8 = -0.55 m.
    CurveSite site({{1, 1e-3f, 1, {{-0.5f, -0.8f}, {-0.7f, -1.0f}, {-0.2f, -0.3f}}}}, 0.25f);
    const Module1& st = site.run();
    EXPECT_NEAR(st.SRemoveLevel, -0.55, 1e-6);
    // Case 1 passes between 20 days (-0.530103) and 40 days (-0.560206): d1 = 0.010206,
    // d0 = 0.019897, t = 40 - 20 * 0.010206 / 0.030103 = 33.219 days.
    EXPECT_NEAR(st.TRemove(1), 33.219, 1e-3);
    // Case 2 is already at -0.7 m after 10 days: from (0 days, 0 m), d1 = 0.15, d0 = 0.55,
    // t = 10 - 10 * 0.15 / 0.7 = 7.857 days.
    EXPECT_NEAR(st.TRemove(2), 7.857, 1e-3);
    EXPECT_EQ(st.TRemove(3), kRestTimeLimitDays);
}

TEST(ExtraFillCurves, ACaseThatNoLongerPassesTheLevelLosesItsEarlierTime) {
    CurveSite site({{1, 1e-3f, 1, {{-0.5f, -0.8f}, {-0.7f, -1.0f}}}}, 0.25f);
    site.run();
    ASSERT_NEAR(site.t.state().TRemove(2), 7.857, 1e-3);
    // A larger extra-fill settlement would not move the level; a smaller one of case 2 now stays
    // above it (case 2 ends at -0.5 m, the level is -0.55 m).
    site.t.state().SLayerPre10(1, 2) = -0.2f;
    site.t.state().SLayerPre10000(1, 2) = -0.5f;
    EXPECT_EQ(site.run().TRemove(2), kRestTimeLimitDays);
}

TEST(ExtraFillCurves, RadialFlowHalvesWhatRemainsEveryHundredDays) {
    // 1 - U = exp(-8 Ch t / (D^2 F)) halves in 100 days when
    // Ch = ln 2 * 2.1^2 * 2.3020087 / (8 * 86 400 * 100) = 1.0180457e-7 m2/s.
    // No creep (10 and 10 000 days alike), primary settlement 1 m.
    CurveSite site({{1, 1.0180457e-7f, 1, {{-1.0f, -1.0f}}}});
    const Module1& st = site.run();
    EXPECT_NEAR(st.SPreloadHor(6, 1), -0.5, 1e-5);  // 100 days: U = 1/2
    EXPECT_NEAR(st.SPreloadHor(7, 1), -0.75, 1e-5); // 200 days: U = 3/4
    // Level 0.2 - 1.0 = -0.8 m, passed between 200 days (-0.75) and 400 days (-0.9375):
    // t = 400 - 200 * 0.1375 / 0.1875 = 253.333 days.
    EXPECT_NEAR(st.TRemove(1), 253.333, 1e-2);
}

TEST(ExtraFillCurves, ARestPackageWithTwoWayFlowGetsThereInAQuarterOfTheTime) {
    auto restCurve = [](Single drainagePath) {
        CurveSite site({{0, 1e-8f, 4, {{-1.0f, -1.0f}}}});
        site.restPackage(1e-8f, drainagePath);
        site.run();
        return site.t.state().SPreloadVertRest;
    };
    const auto oneWay = restCurve(4.0f);
    const auto twoWay = restCurve(2.0f);
    // Time points 10/40, 20/80, 100/400, 200/800, 1000/4000 and 2000/8000 days.
    const int pairs[][2] = {{1, 3}, {2, 5}, {6, 8}, {7, 10}, {11, 13}, {12, 15}};
    for (const auto& p : pairs) {
        EXPECT_FLOAT_EQ(twoWay(p[0], 1), oneWay(p[1], 1)) << "time point " << p[0];
    }
    EXPECT_LT(oneWay(16, 1), 0.0f);
    EXPECT_GT(oneWay(16, 1), -1.0f);
}

} // namespace
} // namespace korvex
