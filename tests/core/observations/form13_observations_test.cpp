#include "observations/form13_observations.h"

#include "app/number_text.h"
#include "core/observations/observed_site.h"
#include "observations/measurement_table.h"
#include "report/form18_listing.h"
#include "state/observation_state.h"
#include "support/test_app.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace korvex {
namespace {

struct Reading {
    const char* time;
    const char* settlement;
};

// Types readings into rows 1, 2, ... of the measurement table.
void type(Form13& form, const std::vector<Reading>& readings) {
    int row = 1;
    for (const Reading& r : readings) {
        form.Fg12.setTextMatrix(row, kTimeColumn, r.time);
        form.Fg12.setTextMatrix(row, kSettlementColumn, r.settlement);
        ++row;
    }
}

std::vector<int> writtenPoints(const GraphModel& graph, int set) {
    std::vector<int> points;
    const auto& all = graph.sets().at(static_cast<std::size_t>(set - 1)).points;
    for (std::size_t i = 0; i < all.size(); ++i) {
        if (all[i].written) {
            points.push_back(static_cast<int>(i) + 1);
        }
    }
    return points;
}

TEST(Form13Load, AFreshRun) {
    test::TestApp t;
    Form13& form = t.windows().load<Form13>();
    EXPECT_EQ(form.Caption, "Observations");
    EXPECT_EQ(t.state().ListMode, 1);
    EXPECT_EQ(form.Text1, "BH1plate");
    EXPECT_EQ(t.state().PlateCode, "BH1plate");
    EXPECT_EQ(form.Text2, "0");
    EXPECT_EQ(form.Text3, "10");
    EXPECT_EQ(form.Text4 + form.Text5 + form.Text6 + form.Text7 + form.MaskEdBox1 + form.MaskEdBox2,
              "");
    const std::vector<std::string> headings = {"Number (-)", "Time(days)", "Settlement(m)"};
    const int widths[] = {900, 1000, 1100};
    for (int c = 0; c < 3; ++c) {
        EXPECT_EQ(form.Fg12.TextMatrix(0, c), headings[static_cast<std::size_t>(c)]);
        EXPECT_EQ(form.Fg12.ColWidth(c), widths[c]);
    }
    ASSERT_EQ(form.Fg12.Rows(), 101);
    EXPECT_EQ(form.Fg12.TextMatrix(100, 0), "100");
    EXPECT_EQ(form.Fg12.TextMatrix(1, 1) + form.Fg12.TextMatrix(100, 2), "");
    EXPECT_EQ(t.state().NObs, 0.0f);
    // Until a prediction arrives the plate's prediction times are those of start-up, so that a
    // file saved now reads back.
    for (int i = 1; i <= kObservedPredictionRows; ++i) {
        EXPECT_EQ(t.state().Predictions.TPred(i), t.state().TPred(i)) << i;
    }
}

TEST(Form13Load, ReopeningShowsTheReadingsAndKeepsThePlate) {
    test::TestApp t;
    Form13& first = t.windows().load<Form13>();
    type(first, {{"10", "0.05"}, {"20", "0"}, {"30", "0.12"}});
    first.Command8_Click();
    first.Command9_Click();
    EXPECT_FALSE(t.windows().isLoaded("Form13"));

    // The plate of an observation file read meanwhile; the shift of the last press is not kept.
    t.state().PlateCode = "P7";
    t.state().TShift = 100.0f;
    Form13& again = t.windows().load<Form13>();
    EXPECT_EQ(again.Text1, "P7");
    EXPECT_EQ(again.Text2, "0");
    EXPECT_EQ(t.state().TShift, 0.0f);
    EXPECT_EQ(again.Fg12.TextMatrix(1, 2), "0.05");
    EXPECT_EQ(again.Fg12.TextMatrix(2, 2), "");
    EXPECT_EQ(again.Fg12.TextMatrix(3, 1), "30");
    EXPECT_EQ(t.state().NObs, 3.0f);
}

// Readings typed and not yet read by a button are there when the window opens again; a table
// with a cell that is no number keeps the readings before, and says so.
TEST(Form13Load, ClosingKeepsTheTypedReadingsOrSaysWhyNot) {
    struct Case {
        const char* name;
        std::vector<Reading> typed;
        const char* message;
        float count;
        const char* settlement2;
    };
    const Case cases[] = {
        {"numbers", {{"10", "0.05"}, {"20", "0.08"}, {"30", "0.12"}}, "", 3, "0.08"},
        {"a comma",
         {{"10", "0.05"}, {"20", "0,08"}},
         "The readings typed are not kept: row 2, column \"Settlement(m)\" holds no number. The "
         "window opens again with the readings it had before.",
         1,
         ""},
    };
    for (const Case& c : cases) {
        test::TestApp t;
        Form13& first = t.windows().load<Form13>();
        type(first, {{"10", "0.05"}});
        first.Command8_Click();
        t.desktop.messages.clear();
        type(first, c.typed);
        first.Command9_Click();
        EXPECT_EQ(t.desktop.messageTexts(),
                  *c.message ? std::vector<std::string>{c.message} : std::vector<std::string>{})
            << c.name;
        Form13& again = t.windows().load<Form13>();
        EXPECT_EQ(t.state().NObs, c.count) << c.name;
        EXPECT_EQ(again.Fg12.TextMatrix(2, kSettlementColumn), c.settlement2) << c.name;
    }
}

TEST(Form13Table, TheCountIsTheLastRowWithASettlement) {
    struct Case {
        const char* name;
        std::vector<std::pair<int, int>> runs;
        float countBefore;
        float count;
    };
    const Case cases[] = {
        {"rows 1-5 and 7-9", {{1, 5}, {7, 9}}, 0, 9},
        // The count of an earlier reading must not survive: an analysis would run on zeros.
        {"empty column", {}, 7, 0},
        {"all 100 rows", {{1, 100}}, 42, 100},
    };
    for (const Case& c : cases) {
        test::TestApp t;
        Form13& form = t.windows().load<Form13>();
        t.state().NObs = c.countBefore;
        for (auto [first, last] : c.runs) {
            for (int row = first; row <= last; ++row) {
                form.Fg12.setTextMatrix(row, kTimeColumn, num::boxText(10 * row));
                form.Fg12.setTextMatrix(row, kSettlementColumn, "0.1");
            }
        }
        form.Command8_Click();
        EXPECT_EQ(t.state().NObs, c.count) << c.name;
    }
}

TEST(Form13Table, ACellThatIsNotOneNumberIsRefusedByRowAndColumn) {
    struct Case {
        int row, col;
        const char* text;
        const char* message;
    };
    const Case cases[] = {
        {2, 2, "1,5",
         "Text after the number in row 2, column \"Settlement(m)\"; the decimal symbol is a point "
         "(.); correct the input."},
        {3, 1, "abc", "No number in row 3, column \"Time(days)\"; correct the input."},
        {1, 2, "1.5.3", "Text after the number in row 1, column \"Settlement(m)\""},
        {4, 1, "1e39", "No number in row 4, column \"Time(days)\""},
    };
    for (const Case& c : cases) {
        test::TestApp t;
        Form13& form = t.windows().load<Form13>();
        type(form, {{"10", "0.1"}, {"20", "0.15"}, {"30", "0.175"}, {"40", "0.19"}});
        form.Fg12.setTextMatrix(c.row, c.col, c.text);
        form.Command5_Click();
        ASSERT_EQ(t.desktop.messages.size(), 1u) << c.text;
        EXPECT_EQ(t.desktop.messages[0].text.rfind(c.message, 0), 0u) << t.desktop.messages[0].text;
        // Refused before anything is stored.
        EXPECT_EQ(t.state().NObs, 0.0f) << c.text;
        EXPECT_EQ(t.state().TObs(1), 0.0f) << c.text;
        EXPECT_EQ(form.Text5, "") << c.text;
    }
}

TEST(Form13Asaoka, ThreeReadingsFillTheBoxesAndThePlot) {
    test::TestApp t;
    Form13& form = t.windows().load<Form13>();
    type(form, {{"10", "0.1"}, {" 20 ", "0.15"}, {"30", "0.175"}});
    form.Command5_Click();
    EXPECT_TRUE(t.desktop.messages.empty());
    EXPECT_EQ(form.Text4, "0.1");
    EXPECT_EQ(form.Text5, "0.5");
    EXPECT_EQ(form.Text7, "0.2");
    EXPECT_NEAR(num::leadingNumber(form.Text6), 1.0, 1e-5);
    EXPECT_EQ(t.state().SFinal, 0.2f);
    EXPECT_EQ(t.state().DtAsaoka, 10.0f);
    // No consolidation calculated yet: no drainage to find Cv and Ch from.
    EXPECT_EQ(form.MaskEdBox1 + form.MaskEdBox2, "");
    EXPECT_EQ(t.state().CvOverall, 0.0f);

    const GraphModel& graph = form.Graph1;
    EXPECT_EQ(graph.GraphTitle(), "Asoaka Graph");
    EXPECT_EQ(graph.BottomTitle(), "S(i-1) (m)");
    EXPECT_EQ(graph.LeftTitle(), "S(i) (m)");
    ASSERT_EQ(graph.NumSets(), 3);
    ASSERT_EQ(graph.NumPoints(), 3);
    const auto& line = graph.sets()[0].points;
    const auto& measured = graph.sets()[1].points;
    const auto& fitted = graph.sets()[2].points;
    EXPECT_EQ(graph.sets()[1].line, SetLine::MarkersOnly);
    EXPECT_EQ(graph.sets()[2].line, SetLine::Joined);
    // The second pair: (S1, S1) on the line, (S1, S2) measured, (S1, 0.1 + 0.5 S1) fitted.
    EXPECT_EQ(line[1].x, 0.1f);
    EXPECT_EQ(line[1].y, 0.1f);
    EXPECT_EQ(measured[1].y, 0.15f);
    EXPECT_NEAR(fitted[1].y, 0.15, 1e-6);
    EXPECT_EQ(measured[0].x, 0.0f);
}

// Final settlement 0.2 m as in the test above; 0.1, 0.15, 0.2 at 10-day steps fits
// S(i) = 0.1 + 0.5 S(i-1), whose fixed point is also 0.2 m.
TEST(Form13Asaoka, AnOpenListingFollowsAnAnalysisAndNewReadingsDropItsResults) {
    test::TestApp t;
    Form13& form = t.windows().show<Form13>();
    type(form, {{"10", "0.1"}, {"20", "0.15"}, {"30", "0.175"}});
    form.Command13_Click();
    const Form18& listing = *t.windows().find<Form18>();
    const auto finalLine = [&] {
        for (const std::string& line : listing.List1) {
            if (line.rfind("Final settlement [m] :", 0) == 0) {
                return line;
            }
        }
        return std::string("(none)");
    };
    EXPECT_EQ(finalLine(), "Final settlement [m] : 0");
    form.Command5_Click();
    EXPECT_EQ(finalLine(), "Final settlement [m] : .2");
    // Other readings stored by a graph button: the fit of the readings before is no longer theirs.
    type(form, {{"10", "0.1"}, {"20", "0.15"}, {"30", "0.2"}});
    form.Command3_Click();
    EXPECT_EQ(t.state().SFinal, 0.0f);
    EXPECT_EQ(finalLine(), "Final settlement [m] : 0");
}

TEST(Form13Asaoka, TheTimeStepIsTakenFromTheTableAsItIsNow) {
    test::TestApp t;
    Form13& form = t.windows().load<Form13>();
    test::drained(t.state());
    type(form, {{"10", "0.1"}, {"20", "0.15"}, {"30", "0.175"}});
    form.Command5_Click();
    const Single cvTenDays = t.state().CvOverall;
    // Every time doubled: the first press after the edit already uses the 20-day step, so Cv
    // halves (Cv is proportional to -ln(Beta1) / dt).
    type(form, {{"20", "0.1"}, {"40", "0.15"}, {"60", "0.175"}});
    form.Command5_Click();
    EXPECT_EQ(t.state().DtAsaoka, 20.0f);
    EXPECT_NEAR(t.state().CvOverall / cvTenDays, 0.5, 1e-6);
}

TEST(Form13Asaoka, AResultThatCannotBeFoundIsZeroWithAnEmptyBox) {
    test::TestApp t;
    Form13& form = t.windows().load<Form13>();
    test::drained(t.state());
    type(form, {{"10", "0.1"}, {"20", "0.15"}, {"30", "0.175"}});
    form.Command5_Click();
    ASSERT_EQ(form.Text7, "0.2");
    ASSERT_NE(form.MaskEdBox1, "");
    // Steady growth: Beta1 = 1 leaves no final settlement, Cv or Ch; the earlier ones must go.
    type(form, {{"10", "0.1"}, {"20", "0.2"}, {"30", "0.3"}});
    form.Command5_Click();
    ASSERT_EQ(t.desktop.messages.size(), 1u);
    EXPECT_NE(t.desktop.messages[0].text.find("Beta1 = 1 "), std::string::npos);
    EXPECT_EQ(form.Text5, "1");
    EXPECT_EQ(form.Text7 + form.MaskEdBox1 + form.MaskEdBox2, "");
    EXPECT_EQ(t.state().SFinal, 0.0f);
    EXPECT_EQ(t.state().CvOverall, 0.0f);
    EXPECT_EQ(t.state().ChOverall, 0.0f);
}

TEST(Form13Asaoka, OneReadingDrawsNoLineAndSaysWhy) {
    test::TestApp t;
    Form13& form = t.windows().load<Form13>();
    type(form, {{"10", "0.1"}});
    form.Command5_Click();
    ASSERT_EQ(t.desktop.messages.size(), 1u);
    EXPECT_NE(t.desktop.messages[0].text.find("two pairs"), std::string::npos);
    EXPECT_EQ(form.Text4 + form.Text5 + form.Text6 + form.Text7, "");
    EXPECT_EQ(t.state().Beta1, 0.0f);
    for (int set = 1; set <= form.Graph1.NumSets(); ++set) {
        EXPECT_TRUE(writtenPoints(form.Graph1, set).empty());
    }
}

TEST(Form13Asaoka, LaterReadingsAndUnequalStepsWarnOnce) {
    test::TestApp t;
    Form13& form = t.windows().load<Form13>();
    // Readings from day 30 every 10 days: fitted without the loading pair, final 0.32.
    type(form, {{"30", "0.28"}, {"40", "0.30"}, {"50", "0.31"}, {"60", "0.315"}});
    form.Command5_Click();
    EXPECT_TRUE(t.desktop.messages.empty());
    EXPECT_EQ(form.Text7, "0.32");
    EXPECT_EQ(form.Graph1.NumPoints(), 3);
    EXPECT_EQ(t.state().SAsaokaFit(1), 0.0f);

    type(form, {{"10", "0.1"}, {"20", "0.15"}, {"35", "0.175"}, {"40", "0.19"}, {"55", "0.2"}});
    form.Command5_Click();
    ASSERT_EQ(t.desktop.messages.size(), 1u);
    EXPECT_NE(t.desktop.messages[0].text.find("not equally spaced"), std::string::npos);
}

TEST(Form13Checks, NoDataAndColumnsOfDifferentLength) {
    test::TestApp t;
    Form13& form = t.windows().load<Form13>();
    form.Command6_Click();
    ASSERT_EQ(t.desktop.messages.size(), 1u);
    EXPECT_EQ(t.desktop.messages[0].text, "No Data available.");
    EXPECT_EQ(t.desktop.messages[0].style, vbOKOnly);
    EXPECT_EQ(t.desktop.messages[0].caption, "KORVEX");

    // Times end at row 2 and again at row 5, settlements run to row 6: two ends, one warning.
    t.desktop.messages.clear();
    type(
        form,
        {{"10", "0.1"}, {"20", "0.15"}, {"", "0.17"}, {"40", "0.18"}, {"50", "0.19"}, {"", "0.2"}});
    form.Command8_Click();
    EXPECT_EQ(t.desktop.messageTexts(),
              (std::vector<std::string>{" Rows Time and Settlements not the same lenght. ",
                                        "No s/t for rows 3, 6: the time is not above 0."}));
    // Still drawn, without the points that have no time.
    EXPECT_EQ(writtenPoints(form.Graph1, 1), (std::vector<int>{1, 2, 4, 5}));
    EXPECT_EQ(t.state().TSRatio(3), 0.0f);
    EXPECT_NEAR(t.state().TSRatio(4), 0.18 / 40, 1e-9);
}

TEST(Form13Rates, EachPlotHasItsTitlesAndPoints) {
    struct Case {
        void (Form13::*button)();
        const char* title;
        const char* left;
        int points;
        SingleArray<100> ObservationState::*stored;
        double first;
    };
    // 0.01 m more every 10 days: 0.01 / 10 a day; 0.01 / log10(20 / 10) = 0.0332193 from day 10
    // to 20; 0.01 / 10 over the first 10 days.
    const Case cases[] = {
        {&Form13::Command6_Click, "dSettlement/dtime ", "ds/dt (m/day)", 10,
         &ObservationState::DsDt, 0.001},
        {&Form13::Command7_Click, "dSettlement/log(ti/ti-1) ", "ds/log(ti/ti-1) (m)", 9,
         &ObservationState::DsDlogt, 0.0332193},
        {&Form13::Command8_Click, "Settlement/Time ", "s/t (m/day)", 10, &ObservationState::TSRatio,
         0.001},
    };
    for (const Case& c : cases) {
        test::TestApp t;
        Form13& form = t.windows().load<Form13>();
        for (int i = 1; i <= 10; ++i) {
            form.Fg12.setTextMatrix(i, kTimeColumn, num::boxText(10 * i));
            form.Fg12.setTextMatrix(i, kSettlementColumn, num::boxText(0.01 * i));
        }
        (form.*c.button)();
        EXPECT_TRUE(t.desktop.messages.empty()) << c.title;
        EXPECT_EQ(form.Graph1.GraphTitle(), c.title);
        EXPECT_EQ(form.Graph1.BottomTitle(), "Time (days)");
        EXPECT_EQ(form.Graph1.LeftTitle(), c.left);
        EXPECT_EQ(writtenPoints(form.Graph1, 1).size(), static_cast<std::size_t>(c.points));
        EXPECT_NEAR((t.state().*c.stored)(1), c.first, 1e-7) << c.title;
    }
}

TEST(Form13Rates, NeedTwoObservations) {
    for (auto button :
         {&Form13::Command6_Click, &Form13::Command7_Click, &Form13::Command8_Click}) {
        test::TestApp t;
        Form13& form = t.windows().load<Form13>();
        type(form, {{"10", "0.1"}});
        (form.*button)();
        EXPECT_EQ(t.desktop.messageTexts(),
                  (std::vector<std::string>{"The rate plots need at least two observations."}));
    }
}

TEST(Form13Rates, AZeroTimeStepGivesNoRateAndOneWarning) {
    test::TestApp t;
    Form13& form = t.windows().load<Form13>();
    type(form, {{"10", "0.1"}, {"10", "0.15"}, {"30", "0.175"}});
    form.Command6_Click();
    EXPECT_EQ(t.desktop.messageTexts(),
              (std::vector<std::string>{
                  "No ds/dt for rows 1-3: the time increment TObs(2) - TObs(1) is not above 0."}));
    EXPECT_TRUE(writtenPoints(form.Graph1, 1).empty());
    EXPECT_EQ(t.state().DsDt(2), 0.0f);
}

TEST(Form13Rates, DsDtWarnsWhenTheReadingsAreNotOneStepApart) {
    test::TestApp t;
    Form13& form = t.windows().load<Form13>();
    // ds/dt divides every step by TObs(2) - TObs(1) = 10 days; the third step is 20 days.
    type(form, {{"10", "0.1"}, {"20", "0.15"}, {"40", "0.175"}});
    form.Command6_Click();
    ASSERT_EQ(t.desktop.messages.size(), 1u);
    EXPECT_NE(t.desktop.messages[0].text.find("not equally spaced"), std::string::npos);
    EXPECT_NEAR(t.state().DsDt(3), 0.0025, 1e-9);
}

// Readings at 0, 10 and 20 days are equally spaced; what each plot cannot use is the reading at
// the load itself.
TEST(Form13Rates, AReadingAtTheLoadIsNamedAsSuch) {
    const std::pair<void (Form13::*)(), const char*> cases[] = {
        {&Form13::Command6_Click,
         "The first observation is not one time step after the load (within 1 %): TObs(1) = 0 "
         "days, while ds/dt takes it as TObs(2) - TObs(1) = 10 days after the load."},
        {&Form13::Command7_Click,
         "No ds/log(ti/ti-1) for row 1: a row and the next need two different times above 0."},
        {&Form13::Command8_Click, "No s/t for row 1: the time is not above 0."},
    };
    for (const auto& [button, message] : cases) {
        test::TestApp t;
        Form13& form = t.windows().load<Form13>();
        type(form, {{"0", "0.1"}, {"10", "0.15"}, {"20", "0.175"}});
        (form.*button)();
        EXPECT_EQ(t.desktop.messageTexts(), std::vector<std::string>{message});
    }
}

TEST(Form13TimeIncrement, RewritesEveryTime) {
    struct Case {
        const char* increment;
        const char* row1;
        const char* row100;
    };
    const Case cases[] = {
        {"10", "10", "1000"}, {"", "0", "0"}, {"2.5", "2.5", "250"}, {"3e36", "3E+36", "3E+38"}};
    for (const Case& c : cases) {
        test::TestApp t;
        Form13& form = t.windows().load<Form13>();
        type(form, {{"3", "0.1"}});
        form.Text3 = c.increment;
        form.Command12_Click();
        EXPECT_EQ(form.Fg12.TextMatrix(1, 1), c.row1);
        EXPECT_EQ(form.Fg12.TextMatrix(100, 1), c.row100);
        EXPECT_EQ(form.Fg12.TextMatrix(1, 2), "0.1");
        EXPECT_EQ(t.state().TObs(100), num::toSingle(num::leadingNumber(c.row100)));
    }
}

TEST(Form13TimeIncrement, RefusesAnIncrementThatIsNoNumberOrOverflows) {
    const std::pair<const char*, const char*> cases[] = {
        {"2,5", "Text after the number in \"Time increment [days]:\""},
        // Row 100 would be at 3E+40 days, beyond a Single.
        {"3e38", "The Time increment [days] is too large"},
    };
    for (const auto& [increment, message] : cases) {
        test::TestApp t;
        Form13& form = t.windows().load<Form13>();
        form.Text3 = increment;
        form.Command12_Click();
        EXPECT_EQ(t.desktop.messageTexts().at(0).rfind(message, 0), 0u)
            << t.desktop.messageTexts().at(0);
        EXPECT_EQ(form.Fg12.TextMatrix(1, 1), "") << increment;
        EXPECT_EQ(t.state().TObs(1) + t.state().DtObs, 0.0f) << increment;
    }
}

TEST(Form13Graph, PrintsLandscapeAndCopies) {
    test::TestApp t;
    Form13& form = t.windows().load<Form13>();
    type(form, {{"10", "0.1"}, {"20", "0.15"}, {"30", "0.175"}});
    form.Command5_Click();
    form.Command10_Click();
    form.Command11_Click();
    ASSERT_EQ(t.desktop.printedGraphs.size(), 1u);
    EXPECT_EQ(t.desktop.printedGraphs[0].widthTwips, 15000);
    EXPECT_EQ(t.desktop.printedGraphs[0].heightTwips, 8500);
    EXPECT_EQ(t.desktop.printedGraphs[0].orientation, PageOrientation::Landscape);
    EXPECT_EQ(t.desktop.printedGraphs[0].title, "Asoaka Graph");
    ASSERT_EQ(t.desktop.clipboardImages.size(), 1u);
    EXPECT_EQ(t.desktop.clipboardImages[0].numSets, 3);
}

} // namespace
} // namespace korvex
