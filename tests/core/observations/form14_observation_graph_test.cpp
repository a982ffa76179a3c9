#include "observations/form14_observation_graph.h"

#include "app/number_text.h"
#include "core/observations/observed_site.h"
#include "observations/form13_observations.h"
#include "observations/measurement_table.h"
#include "support/test_app.h"

#include <gtest/gtest.h>

namespace korvex {
namespace {

// Distinct predicted series, so a button drawing the wrong one shows: series k at row i holds
// -(k + i / 100).
void predict(Module1& st) {
    PlatePredictions& p = st.Predictions;
    SingleArray<kObservedPredictionRows>* series[] = {&p.SVertIL, &p.SHorIL, &p.SVertGL, &p.SHorGL};
    for (int k = 0; k < 4; ++k) {
        for (int i = 1; i <= kObservedPredictionRows; ++i) {
            (*series[k])(i) = num::toSingle(-(k + 1 + i / 100.0));
        }
    }
}

void typeReadings(Form13& form, int count) {
    for (int i = 1; i <= count; ++i) {
        form.Fg12.setTextMatrix(i, kTimeColumn, num::boxText(5 * i));
        form.Fg12.setTextMatrix(i, kSettlementColumn, num::boxText(0.01 * i));
    }
}

TEST(Form14, EachButtonDrawsEighteenPredictedPointsAndTheReadings) {
    struct Case {
        void (Form13::*button)();
        int series;
        bool shifted;
    };
    const Case cases[] = {
        {&Form13::Command1_Click, 1, true},
        {&Form13::Command2_Click, 2, true},
        {&Form13::Command3_Click, 3, false},
        {&Form13::Command4_Click, 4, false},
    };
    for (int readings : {8, 25}) {
        for (const Case& c : cases) {
            test::TestApp t;
            predict(t.state());
            Form13& form = t.windows().load<Form13>();
            typeReadings(form, readings);
            form.Text2 = "100";
            (form.*c.button)();
            ASSERT_TRUE(t.desktop.messages.empty());
            Form14* graphs = t.windows().find<Form14>();
            ASSERT_NE(graphs, nullptr);
            EXPECT_EQ(graphs->Caption, "Graphs");
            const GraphModel& graph = graphs->Graph1;
            EXPECT_EQ(graph.GraphTitle(), "Observations vs Predictions");
            EXPECT_EQ(graph.BottomTitle(), "Time (days)");
            EXPECT_EQ(graph.LeftTitle(), "Settlement (m)");
            ASSERT_EQ(graph.NumSets(), 2);
            const auto& predicted = graph.sets()[0].points;
            const auto& measured = graph.sets()[1].points;
            // The 18 predicted rows an observation file keeps, whatever the number of readings,
            // and all of them shifted: 10 + 100 and 40 000 + 100 days for the instantaneous
            // loads.
            const Single shift = c.shifted ? 100.0f : 0.0f;
            int written = 0;
            for (const GraphPoint& p : predicted) {
                written += p.written ? 1 : 0;
            }
            EXPECT_EQ(written, 18);
            EXPECT_EQ(predicted[0].x, 10 + shift);
            EXPECT_EQ(predicted[14].x, 8000 + shift);
            EXPECT_EQ(predicted[17].x, 40000 + shift);
            EXPECT_EQ(predicted[17].y, num::toSingle(-(c.series + 0.18)));
            EXPECT_EQ(predicted[0].label, "Predicted settlements");
            // The readings downward, the label on the last.
            const auto last = static_cast<std::size_t>(readings - 1);
            EXPECT_TRUE(measured[last].written);
            EXPECT_EQ(measured[last].x, 5.0f * readings);
            EXPECT_EQ(measured[last].y, num::toSingle(-0.01 * readings));
            EXPECT_EQ(measured[last].label, "Measured settlements");
            EXPECT_TRUE(last + 1 == measured.size() || !measured[last + 1].written);
            EXPECT_EQ(t.state().TShift, c.shifted ? 100.0f : 0.0f);
        }
    }
}

TEST(Form14, NothingIsShownWithoutReadings) {
    test::TestApp t;
    Form13& form = t.windows().load<Form13>();
    form.Command2_Click();
    EXPECT_EQ(t.desktop.messageTexts(), (std::vector<std::string>{"No Data available."}));
    EXPECT_FALSE(t.windows().isLoaded("Form14"));
}

TEST(Form14, AShiftThatIsNotOneNumberIsRefused) {
    test::TestApp t;
    Form13& form = t.windows().load<Form13>();
    typeReadings(form, 3);
    form.Text2 = "1,5";
    form.Command1_Click();
    ASSERT_EQ(t.desktop.messages.size(), 1u);
    EXPECT_NE(t.desktop.messages[0].text.find("Shift in days"), std::string::npos);
    EXPECT_FALSE(t.windows().isLoaded("Form14"));
    // Refused before the table is stored.
    EXPECT_EQ(t.state().NObs, 0.0f);
    // The gradual-load buttons never read the shift.
    t.desktop.messages.clear();
    form.Command3_Click();
    EXPECT_TRUE(t.desktop.messages.empty());
}

// Form14 closes when the prediction or the readings it drew change; the observation window keeps
// its table, boxes and fit, and empties Cv and Ch when the drainage they came from may change.
TEST(Form14, ClosesWhenWhatItDrewChangesWhileTheReadingsStay) {
    struct Case {
        ResultsEvent event;
        bool graphStays;
        bool coefficientsStay;
    };
    const Case cases[] = {
        {ResultsEvent::SettlementResultsChanged, true, false},
        {ResultsEvent::ConsolidationResultsChanged, false, false},
        {ResultsEvent::PreloadResultsChanged, true, true},
        {ResultsEvent::ObservationsChanged, false, true},
        {ResultsEvent::ProjectReplaced, true, false},
    };
    for (const Case& c : cases) {
        test::TestApp t;
        test::drained(t.state());
        Form13& form = t.windows().load<Form13>();
        // Slope 0.5: a final settlement, Cv and Ch.
        const char* settlements[] = {"0.1", "0.15", "0.175"};
        for (int i = 1; i <= 3; ++i) {
            form.Fg12.setTextMatrix(i, kTimeColumn, num::boxText(10 * i));
            form.Fg12.setTextMatrix(i, kSettlementColumn, settlements[i - 1]);
        }
        form.Text2 = "7";
        form.Command5_Click();
        form.Command1_Click();
        const std::string fit = form.Text4 + form.Text5 + form.Text6 + form.Text7;
        ASSERT_NE(form.MaskEdBox1 + form.MaskEdBox2, "");
        t.windows().announce(c.event);
        EXPECT_EQ(t.windows().isLoaded("Form14"), c.graphStays) << static_cast<int>(c.event);
        // The table is the user's data, the boxes what the user typed.
        ASSERT_TRUE(t.windows().isLoaded("Form13"));
        EXPECT_EQ(form.Fg12.TextMatrix(3, kSettlementColumn), "0.175");
        EXPECT_EQ(form.Text2, "7");
        EXPECT_EQ(form.Text4 + form.Text5 + form.Text6 + form.Text7, fit);
        EXPECT_EQ(form.MaskEdBox1.empty(), !c.coefficientsStay) << static_cast<int>(c.event);
        EXPECT_EQ(form.MaskEdBox2.empty(), !c.coefficientsStay) << static_cast<int>(c.event);
        EXPECT_EQ(t.state().ChOverall == 0.0f, !c.coefficientsStay) << static_cast<int>(c.event);
    }
}

TEST(Form14, APrintIsLandscapeAndExitCloses) {
    test::TestApp t;
    Form13& form = t.windows().load<Form13>();
    typeReadings(form, 3);
    form.Command4_Click();
    Form14& graphs = *t.windows().find<Form14>();
    graphs.Command2_Click();
    ASSERT_EQ(t.desktop.printedGraphs.size(), 1u);
    EXPECT_EQ(t.desktop.printedGraphs[0].widthTwips, 15000);
    EXPECT_EQ(t.desktop.printedGraphs[0].heightTwips, 8500);
    EXPECT_EQ(t.desktop.printedGraphs[0].orientation, PageOrientation::Landscape);
    graphs.Command1_Click();
    EXPECT_FALSE(t.windows().isLoaded("Form14"));
}

} // namespace
} // namespace korvex
