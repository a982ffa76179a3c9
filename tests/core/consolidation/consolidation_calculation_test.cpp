#include "app/number_text.h"
#include "consolidation/consolidation_inputs.h"
#include "consolidation/form4_consolidation_input.h"
#include "consolidation/form5_consolidation_results.h"
#include "consolidation/rest_settlement_times.h"
#include "support/test_app.h"

#include <gtest/gtest.h>

#include <cmath>

namespace korvex {
namespace {

// The default inputs with a site the settlement calculation could have given: 0.5 m after 10
// days, 0.8 m after 10 000 days, 10 m of soil (5 m drainage path for two-way flow).
Form4& defaultSite(test::TestApp& t) {
    Form4& form = t.windows().load<Form4>();
    form.Text5 = "0.5";
    form.Text6 = "0.8";
    form.Text10 = "10";
    return form;
}

TEST(ConsolidationCalculate, DefaultSiteGivesTheDrainDesign) {
    test::TestApp t;
    defaultSite(t).Command1_Click();
    const Module1& st = t.state();
    ASSERT_TRUE(t.desktop.messages.empty());
    // D = 2.0183 m (6 passes); D / 1.05 = 1.9222, D / 1.128 = 1.7893;
    // 1 / (0.8660254 * 1.9222^2) = 0.31252 per m2; * 10 000 = 3125.2 before rounding the count
    // of the unrounded spacing, shown as 3125.1; TconsHor = 2.0183^2 * 2 / (1e-7 * 86 400) = 943.0.
    EXPECT_FLOAT_EQ(st.DrainZone, 2.02f);
    EXPECT_FLOAT_EQ(st.SpacingTri, 1.92f);
    EXPECT_FLOAT_EQ(st.SpacingSq, 1.79f);
    EXPECT_FLOAT_EQ(st.DrainsPerM2, 0.313f);
    EXPECT_FLOAT_EQ(st.DrainsTotal, 3125.1f);
    EXPECT_FLOAT_EQ(st.TconsHor, 943.0f);
    // Two-way flow halves the 10 m: 5^2 * 2 / (5e-8 * 86 400) = 11 574.07 -> 11 574.1 days.
    EXPECT_FLOAT_EQ(st.TconsVert, 11574.1f);
    EXPECT_FLOAT_EQ(st.DrainPath, 5.0f);
    EXPECT_NEAR(st.Fn, 2.690, 0.001);
    // SPrimary = 0.5 - 0.3 / 3 = 0.4 m; at 10 000 days Uh = 1, so SPrimHorIL(16) = -0.4 m and the
    // discharge is 0.4 * 6.28318 * 1e-7 / Fn.
    EXPECT_FLOAT_EQ(st.SPrimary, 0.4f);
    EXPECT_NEAR(st.Discharge, 0.4 * 6.28318e-7 / st.Fn, 1e-13);
    EXPECT_NEAR(st.DischargeYear, st.Discharge * 31536000.0, 1e-6);
    EXPECT_EQ(st.ConsolidationCalculated, 1);
    EXPECT_EQ(t.desktop.beeps, 1);

    const Form5* results = t.windows().find<Form5>();
    ASSERT_NE(results, nullptr);
    EXPECT_EQ(results->Text1, "2.02");
    EXPECT_EQ(results->Text2, "1.92");
    EXPECT_EQ(results->Text3, "1.79");
    EXPECT_EQ(results->Text4, "0.313");
    EXPECT_EQ(results->Text5, "3125.1");
    EXPECT_EQ(results->Text6, "10000");
    EXPECT_EQ(results->Text7, "943");
    EXPECT_EQ(results->Text8, "11574.1");
    EXPECT_EQ(results->Text9, "2");
    EXPECT_EQ(results->Text12, "0.2");
    EXPECT_EQ(results->Text13, "0.2");
    EXPECT_EQ(results->Text16, "365");
    EXPECT_EQ(results->Text17, "365");
    EXPECT_EQ(results->Text18, num::boxText(st.Discharge));
    EXPECT_EQ(results->Text19, num::boxText(st.DischargeYear));
}

TEST(ConsolidationCalculate, SeriesPassThroughBothSettlementsWhenConsolidationIsOver) {
    test::TestApp t;
    defaultSite(t).Command1_Click();
    const Module1& st = t.state();
    // C = 0.3 / 3 = 0.1 m per log cycle. At 10 000 days Uh = 1: -(0.1 * 4 + 0.4) = -0.8 m.
    EXPECT_NEAR(st.SHorIL(16), -0.8, 1e-6);
    EXPECT_NEAR(st.SSecondary(1), -0.1, 1e-7);
    EXPECT_NEAR(st.SSecondary(16), -0.4, 1e-7);
    EXPECT_NEAR(st.RatioSecPrim(16), 0.4 / 0.4, 1e-6);
    for (int i = 1; i <= 20; ++i) {
        // Carrillo: 1 - U = (1 - Uv)(1 - Uh).
        EXPECT_NEAR(st.UHorVertIL(i), 1.0 - (1.0 - st.UVertIL(i)) * (1.0 - st.UHorIL(i)), 1e-6);
        EXPECT_NEAR(st.UHorVertGL(i), 1.0 - (1.0 - st.UVertGL(i)) * (1.0 - st.UHorGL(i)), 1e-6);
        EXPECT_NEAR(st.DiffDrainsIL(i), 1000.0 * (st.SHorIL(i) - st.SVertIL(i)), 1e-3);
    }
    // Rest-settlement steps in mm: 40, 80, ..., 400.
    for (int k = 1; k <= 10; ++k) {
        EXPECT_NEAR(st.RestSett(k), 40.0 * k, 1e-3);
        EXPECT_NEAR(st.RestSettGL(k), 40.0 * k, 1e-3);
    }
}

TEST(ConsolidationCalculate, InstantLoadSettlementsAtOneHundredDaysByHand) {
    test::TestApp t;
    defaultSite(t).Command1_Click();
    const Module1& st = t.state();
    // Row 6 is 100 days; C = 0.1 m per cycle, so the creep part is 0.1 * log10(100) = 0.2 m and
    // SPrimary = 0.4 m.
    // Without drains: Tv = 5e-8 * 8 640 000 / 5^2 = 0.01728. With M = 3.14159 / 2 * (2m + 1) the
    // terms 2 / M^2 exp(-M^2 Tv) are 0.776737, 0.061362, 0.011167, 0.002048, 0.000317 (the first
    // at or below 0.001, the last added): 1 - Uv = 0.851630, Uv = 0.148370.
    // SVertIL = -(0.2 + 0.4 * 0.148370) = -0.259348 m.
    EXPECT_NEAR(st.UVertIL(6), 0.148370, 1e-6);
    EXPECT_NEAR(st.SVertIL(6), -0.259348, 1e-6);
    // With drains: D = 2.018327 m (unrounded), Th = 1e-7 * 8 640 000 / 4.073644 = 0.212095,
    // Fn = 2.689663: 1 - Uh = exp(-8 * 0.212095 / 2.689663) = exp(-0.630845) = 0.532142.
    // SHorIL = -(0.2 + 0.4 * 0.467858) = -0.387143 m.
    EXPECT_NEAR(st.UHorIL(6), 0.467858, 1e-6);
    EXPECT_NEAR(st.SHorIL(6), -0.387143, 1e-6);
    // Both flows: 1 - U = 0.851630 * 0.532142 = 0.453189; -(0.2 + 0.4 * 0.546811) = -0.418725 m.
    EXPECT_NEAR(st.SHorVertIL(6), -0.418725, 1e-6);
    // At the period of 365 days the zone is designed for Uh = 0.9 exactly, so what still settles
    // until 10 000 days with drains is 0.8 - (0.4 * 0.9 + 0.1 * log10(365)) = 0.8 - 0.616229 =
    // 0.183771 -> 0.184 m. Without drains Tv = 0.063072 and the series gives Uv = 0.283389:
    // 0.8 - (0.113356 + 0.256229) = 0.430415 -> 0.43 m.
    EXPECT_FLOAT_EQ(st.DiffSHor, 0.184f);
    EXPECT_FLOAT_EQ(st.DiffSVert, 0.43f);
    const Form5* results = t.windows().find<Form5>();
    ASSERT_NE(results, nullptr);
    EXPECT_EQ(results->Text10, "0.184");
    EXPECT_EQ(results->Text11, "0.43");
}

TEST(ConsolidationCalculate, RestSettlementTimeOfAFinishedPrimarySettlement) {
    // Drains so close and a soil so permeable that primary consolidation is over within a day:
    // the curve is then -(C log t + P), and the rest below 10 000 days is C (4 - log t).
    // C = 0.1 m; for 0.25 m of rest: 4 - log t <= 2.5 from t = 10^1.5 = 31.6 days, so the last
    // whole day with more than 0.25 m to come is 31 (0.1 * (4 - 1.4914) = 0.2509 m).
    // Row 10 (0.5 m) is met within the first day: 0 days.
    test::TestApp t;
    Form4& form = defaultSite(t);
    form.Text1 = "0.999999";
    form.Text2 = "1";
    form.Text3 = "0.01";
    form.Text4 = "0.25";
    form.Text7 = "0";
    form.Text10 = "1";
    form.Text12 = "1E-03";
    form.Command1_Click();
    ASSERT_TRUE(t.desktop.messages.empty()) << t.desktop.messages[0].text;
    const Module1& st = t.state();
    EXPECT_EQ(st.TimeRestHor(5), 31.0f);
    EXPECT_EQ(st.TimeRestVert(5), 31.0f);
    EXPECT_EQ(st.TimeRestHorGL(5), 31.0f);
    EXPECT_EQ(st.TimeRestVertGL(5), 31.0f);
    EXPECT_EQ(st.TimeRestHor(10), 0.0f);
    // 0.05 m: 4 - log t <= 0.5 from t = 10^3.5 = 3162.3 days.
    EXPECT_EQ(st.TimeRestHor(1), 3162.0f);
    EXPECT_FLOAT_EQ(st.TimeRestHorStep(1), 0.1f);
    EXPECT_EQ(t.windows().find<Form5>()->Text14, "31");
}

TEST(ConsolidationCalculate, EquivalentCvReplacesTheAverage) {
    test::TestApp t;
    Form4& form = defaultSite(t);
    form.Text14 = "1E-07";
    form.Text12 = "nonsense";
    form.Command1_Click();
    ASSERT_TRUE(t.desktop.messages.empty());
    EXPECT_FLOAT_EQ(t.state().CvAvg, 1e-7f);
    // 5^2 * 2 / (1e-7 * 86 400) = 5787.04 days.
    EXPECT_FLOAT_EQ(t.state().TconsVert, 5787.0f);
}

TEST(ConsolidationCalculate, OneWayFlowKeepsTheWholeThickness) {
    test::TestApp t;
    Form4& form = defaultSite(t);
    form.Option1 = false;
    form.Option2 = true;
    form.Command1_Click();
    // 10^2 * 2 / (5e-8 * 86 400) = 46 296.3 days.
    EXPECT_FLOAT_EQ(t.state().TconsVert, 46296.3f);
    EXPECT_EQ(form.Text10, "10");
}

TEST(ConsolidationCalculate, SecondarySettlementFromTheConsolidationTimes) {
    test::TestApp t;
    Form4& form = defaultSite(t);
    form.Option3 = false;
    form.Option4 = true;
    form.Command1_Click();
    const Module1& st = t.state();
    // SPrimHor = 0.4 + 0.1 log10(942.95) = 0.69745 m; before 943 days the drained curve is the
    // primary part alone, from then on creep is added from 943 days.
    EXPECT_NEAR(st.SPrimHor, 0.4 + 0.1 * std::log10(942.95), 1e-4);
    EXPECT_NEAR(st.SHorIL(10), -st.SPrimHor * st.UHorIL(10), 1e-6); // 800 days
    EXPECT_NEAR(st.SHorIL(16), -(0.1 * std::log10(10000.0 / 942.95) + st.SPrimHor), 1e-4);
    // Without drains 11 574 days exceeds row 16: no creep in it.
    EXPECT_NEAR(st.SVertIL(16), -st.SPrimVert * st.UVertIL(16), 1e-6);
}

struct Refusal {
    const char* box;
    const char* text;
    const char* messageStart;
};

void setBox(Form4& form, const std::string& box, const std::string& text) {
    std::string* boxes[] = {&form.Text1,  &form.Text2,  &form.Text3,  &form.Text4, &form.Text5,
                            &form.Text6,  &form.Text7,  &form.Text8,  &form.Text9, &form.Text10,
                            &form.Text11, &form.Text12, &form.Text13, &form.Text14};
    *boxes[std::stoi(box.substr(4)) - 1] = text;
}

TEST(ConsolidationCalculate, RefusesInputsThatMakeAStepImpossible) {
    const Refusal cases[] = {
        {"Text1", "0", "The Degree of Consolidation [-]"},
        {"Text1", "1", "The Degree of Consolidation [-]"},
        {"Text1", "1.5", "The Degree of Consolidation [-]"},
        {"Text2", "0", "The Consolidation period [days]"},
        {"Text3", "0", "The Equivalent draindiameter [m]"},
        {"Text3", "-0.065", "The Equivalent draindiameter [m]"},
        {"Text4", "0", "The Rest Settlement [m]"},
        {"Text4", "-0.2", "The Rest Settlement [m]"},
        {"Text5", "1e999", "No number in \"Settlement after 10 days [m]:\""},
        {"Text7", "-1", "The Construction time [days]"},
        {"Text10", "-10", "The Total thickness of Soil layers [m]"},
        {"Text11", "0", "The Average Ch [m2/s]"},
        {"Text12", "-5E-08", "The Average Cv [m2/s]"},
        {"Text12", "", "The Average Cv [m2/s]"},
        {"Text14", "0", "The Equivalent Cv for total Layer thickness [m/s2]"},
        {"Text13", "0", "The Time factor for End of Primary [-]"},
        // 0.5 - (2 - 0.5) / 3 = 0: no primary settlement to divide the secondary by.
        {"Text6", "2", "The Settlement after 10 days [m] and the Settlement after 10 000 days"},
        // 0.1 - (0.8 - 0.1) / 3 = -0.133: a negative primary settlement, an upward discharge.
        {"Text5", "0.1", "The Settlement after 10 days [m] and the Settlement after 10 000 days"},
        // A fill that heaves on balance, whichever box shows it.
        {"Text6", "-0.4", "The Settlement after 10 000 days [m] is upward: a heave is not"},
        // The ground would rise again between 10 and 10 000 days.
        {"Text6", "0.4",
         "The Settlement after 10 000 days [m] must not be less than the Settlement after 10 "
         "days [m]."},
        // A negative area gives a negative number of drains.
        {"Text9", "0", "The Area [m2] must be a number greater than 0."},
        {"Text9", "-100", "The Area [m2] must be a number greater than 0."},
    };
    for (const auto& c : cases) {
        test::TestApp t;
        Form4& form = defaultSite(t);
        setBox(form, c.box, c.text);
        form.Command1_Click();
        ASSERT_EQ(t.desktop.messages.size(), 1u) << c.box << " = '" << c.text << "'";
        EXPECT_EQ(t.desktop.messages[0].text.rfind(c.messageStart, 0), 0u)
            << t.desktop.messages[0].text;
        EXPECT_EQ(t.desktop.messages[0].style, vbExclamation);
        // Nothing was stored, nothing shown.
        EXPECT_EQ(t.state().ConsolidationCalculated, 0);
        EXPECT_FLOAT_EQ(t.state().S10Cons, 0.0f);
        EXPECT_FLOAT_EQ(t.state().DegreeCons, 0.9f);
        EXPECT_FLOAT_EQ(t.state().DrainZone, 0.0f);
        EXPECT_EQ(t.windows().find<Form5>(), nullptr);
        EXPECT_EQ(t.desktop.beeps, 0);
    }
}

TEST(ConsolidationCalculate, ABoxThatHoldsNoOneNumberIsRefusedByItsCaption) {
    // Read as 0 or as the number before the comma, each of these once gave a completed
    // calculation: no area and so 0 drains, or a Ch of 1 m2/s and a drain spacing of kilometres.
    const Refusal cases[] = {
        {"Text9", "ten thousand", "No number in \"Area [m2]:\"; correct the input."},
        {"Text2", "inf", "No number in \"Consolidation period [days]:\"; correct the input."},
        {"Text3", "nan", "No number in \"Equivalent draindiameter [m]:\"; correct the input."},
        {"Text11", "1,5E-07",
         "Text after the number in \"Average Ch [m2/s]:\"; the decimal symbol is a point (.); "
         "correct the input."},
    };
    for (const auto& c : cases) {
        test::TestApp t;
        Form4& form = defaultSite(t);
        setBox(form, c.box, c.text);
        form.Command1_Click();
        ASSERT_EQ(t.desktop.messages.size(), 1u) << c.box << " = '" << c.text << "'";
        EXPECT_EQ(t.desktop.messages[0].text, c.messageStart);
        EXPECT_EQ(t.state().ConsolidationCalculated, 0);
        EXPECT_EQ(t.windows().find<Form5>(), nullptr);
    }
}

TEST(ConsolidationCalculate, ZeroThicknessKeepsItsOwnMessage) {
    test::TestApp t;
    Form4& form = defaultSite(t);
    form.Text10 = "0";
    form.Command1_Click();
    ASSERT_EQ(t.desktop.messages.size(), 1u);
    EXPECT_EQ(t.desktop.messages[0].text,
              "The total thickness of Soil layers is unknown because it is not set automatic by "
              "settlement Calculation; Please give a value.");
    EXPECT_EQ(t.desktop.messages[0].style, vbExclamation);
    EXPECT_EQ(t.desktop.messages[0].caption, "");
}

TEST(ConsolidationCalculate, ResultsBeyondASingleAreRefusedAndUndone) {
    struct Overflow {
        const char* rest;
        const char* s10;
        const char* s10000;
    };
    const Overflow cases[] = {
        // 10 x 1E+36 / 5 = 2E+36 m is 2E+39 mm in row 10, beyond the largest Single (3.4E+38).
        {"1E+36", "0.5", "0.8"},
        // 1E+38 m after 10 days is 1E+41 mm, beyond the largest Single.
        {"0.2", "1E+38", "3E+38"},
    };
    for (const auto& c : cases) {
        test::TestApp t;
        Form4& form = defaultSite(t);
        form.Command1_Click();
        ASSERT_TRUE(t.desktop.messages.empty());
        t.windows().unload<Form5>();
        form.Text4 = c.rest;
        form.Text5 = c.s10;
        form.Text6 = c.s10000;
        form.Command1_Click();
        ASSERT_EQ(t.desktop.messages.size(), 1u) << c.rest << " " << c.s10 << " " << c.s10000;
        EXPECT_EQ(
            t.desktop.messages[0].text.rfind("The results of these inputs are out of range", 0), 0u)
            << t.desktop.messages[0].text;
        EXPECT_EQ(t.desktop.messages[0].style, vbExclamation);
        // The first calculation's results stand: 0.2 m of rest is 200 mm in row 5, D 2.02 m.
        const Module1& st = t.state();
        EXPECT_FLOAT_EQ(st.RestSettlement, 0.2f);
        EXPECT_NEAR(st.RestSett(5), 200.0, 1e-3);
        EXPECT_FLOAT_EQ(st.S10Cons, 0.5f);
        EXPECT_FLOAT_EQ(st.DrainZone, 2.02f);
        for (int i = 1; i <= 20; ++i) {
            EXPECT_TRUE(std::isfinite(st.SHorIL(i)) && std::isfinite(st.DiffDrainsIL(i)));
        }
        EXPECT_EQ(t.windows().find<Form5>(), nullptr);
        EXPECT_EQ(t.desktop.beeps, 1);
    }
}

TEST(ConsolidationCalculate, RefusesPredictionTimesThatDoNotIncrease) {
    test::TestApp t;
    t.state().TPred(7) = 90.0f; // after 100 days in row 6
    defaultSite(t).Command1_Click();
    ASSERT_EQ(t.desktop.messages.size(), 1u);
    EXPECT_NE(t.desktop.messages[0].text.find("row 7"), std::string::npos);
    EXPECT_EQ(t.state().ConsolidationCalculated, 0);
}

TEST(ConsolidationCalculate, ResultsAreRemindedOnlyAfterACompletedCalculation) {
    test::TestApp t;
    Form4& form = defaultSite(t);
    form.Text10 = "0";
    form.Command1_Click();
    form.ShowResults();
    ASSERT_EQ(t.desktop.messages.size(), 2u);
    EXPECT_EQ(t.desktop.messages[1].text, " You forgot to push the Calculate button. ");
    EXPECT_EQ(t.windows().find<Form5>(), nullptr);

    form.Text10 = "10";
    form.Command1_Click();
    t.windows().unload<Form5>();
    form.ShowResults();
    EXPECT_EQ(t.desktop.messages.size(), 2u);
    EXPECT_NE(t.windows().find<Form5>(), nullptr);
}

TEST(ConsolidationCalculate, NarrowDrainZoneIsDesignedAndWarned) {
    // dw = 1 m and 30 days: the zone (just under 2 m) is hardly larger than the drain.
    test::TestApp t;
    Form4& form = defaultSite(t);
    form.Text2 = "30";
    form.Text3 = "1";
    form.Command1_Click();
    ASSERT_EQ(t.desktop.messages.size(), 1u);
    EXPECT_NE(t.desktop.messages[0].text.find("hardly larger"), std::string::npos);
    EXPECT_EQ(t.state().ConsolidationCalculated, 1);
    EXPECT_TRUE(std::isfinite(t.state().Fn));
    EXPECT_GT(t.state().DrainZone, 1.0f);
}

TEST(ConsolidationCalculate, NoConstructionTimeConsolidatesAsAnInstantLoad) {
    test::TestApp t;
    Form4& form = defaultSite(t);
    form.Text7 = "0";
    form.Command1_Click();
    ASSERT_TRUE(t.desktop.messages.empty());
    for (int i = 1; i <= 20; ++i) {
        EXPECT_EQ(t.state().UHorGL(i), t.state().UHorIL(i)) << "row " << i;
        EXPECT_EQ(t.state().UVertGL(i), t.state().UVertIL(i)) << "row " << i;
    }
}

TEST(ConsolidationCalculate, GradualLoadNeverAheadOfInstantLoadAtAnyRow) {
    for (const char* tc : {"0.1", "1", "10", "60", "365", "1000"}) {
        test::TestApp t;
        Form4& form = defaultSite(t);
        form.Text7 = tc;
        form.Command1_Click();
        for (int i = 1; i <= 20; ++i) {
            EXPECT_LE(t.state().UVertGL(i), t.state().UVertIL(i)) << "tc " << tc << " row " << i;
            EXPECT_LE(t.state().UHorGL(i), t.state().UHorIL(i)) << "tc " << tc << " row " << i;
        }
    }
}

TEST(RestTimeSearch, StepsDownThroughHundredTenAndOneDay) {
    // A straight settlement line of 1 mm per day with 10 m at the reference: the rest is
    // 10 - t / 1000 m, above 0.2 m until t = 9800; the last whole day before is 9799.
    auto line = [](double t) { return -t / 1000.0; };
    RestTimeSearch found = searchRestTime(line, -10.0f, 0.2f);
    EXPECT_EQ(found.days, 9799.0f);
    EXPECT_FLOAT_EQ(found.lastStep, 0.1f);
    // A target of at least the whole settlement is met at once.
    EXPECT_EQ(searchRestTime(line, -10.0f, 10.0f).days, 0.0f);
}

TEST(RestTimeSearch, ARestThatNeverFallsToTheTargetEndsAtTheLimit) {
    // A curve that heaves back: the rest only grows.
    auto heave = [](double t) { return 0.1 * std::log10(t); };
    RestTimeSearch found = searchRestTime(heave, -0.5f, 0.2f);
    EXPECT_FALSE(restTimeReached(found.days));
    EXPECT_EQ(restTimeText(found.days), "not reached");
    EXPECT_EQ(restTimeText(325.0f), "325");

    test::TestApp t;
    t.state().TimeRestHor(5) = found.days;
    t.state().TimeRestVert(5) = 2044.0f;
    Form5& results = t.windows().load<Form5>();
    EXPECT_EQ(results.Text14, "not reached");
    EXPECT_EQ(results.Text15, "2044");
}

} // namespace
} // namespace korvex
