// The observations beside a calculated site: what the consolidation hands them, what an
// observation file leaves of the calculation, and which drainage Cv and Ch come from.

#include "app/text_file.h"
#include "core/observations/observed_site.h"
#include "core/preload/preload_site.h"
#include "core/project/project_outputs.h"
#include "observations/form13_observations.h"
#include "observations/measurement_table.h"
#include "project/project_file_reader.h"
#include "report/observation_report.h"
#include "support/same_lines.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>

namespace korvex::test {
namespace {

// Readings of a plate settling towards 0.2 m (slope 0.5), typed and analysed.
Form13& asaoka(TestApp& t) {
    Form13& form = t.windows().load<Form13>();
    const char* settlements[] = {"0.1", "0.15", "0.175"};
    for (int i = 1; i <= 3; ++i) {
        form.Fg12.setTextMatrix(i, kTimeColumn, num::boxText(10 * i));
        form.Fg12.setTextMatrix(i, kSettlementColumn, settlements[i - 1]);
    }
    form.Command5_Click();
    return form;
}

TEST(ObservationsBesideTheCalculation, AnObservationFileLeavesTheProjectFileAsItWas) {
    PreloadSite site;
    ASSERT_TRUE(site.calculate());
    TestApp& t = site.t;
    const Module1& st = t.state();
    // What the consolidation handed over, to compare readings with.
    EXPECT_EQ(st.Predictions.FillSettlement, st.FillSettlement);
    EXPECT_EQ(st.Predictions.SHorVertGL(18), st.SHorVertGL(18));
    EXPECT_NE(st.Predictions.SHorVertGL(18), 0.0f);

    TempFolder dir;
    saveProject(t, dir.file("before.prj"));
    const std::string observations = dir.file("P1.obs");
    writeBytes(observations, observationData("observation_file.obs"));
    t.desktop.openAnswers = {observations};
    t.windows().load<Form13>().openmnu_Click();
    ASSERT_EQ(t.desktop.messageTexts().back(), "The opened File is:  " + observations);
    EXPECT_EQ(st.Predictions.SHorVertGL(18), -1.18f);
    saveProject(t, dir.file("after.prj"));

    EXPECT_TRUE(sameLines(textFileLines(fileBytes(dir.file("after.prj"))),
                          textFileLines(fileBytes(dir.file("before.prj")))));
}

// The fill thickness beside the predictions is the one they were made for: a later settlement
// calculation does not move it, and the observation file keeps it for the next program.
TEST(ObservationsBesideTheCalculation, ThePredictionsKeepTheFillThicknessTheyWereMadeFor) {
    PreloadSite site;
    TestApp& t = site.t;
    const Single handedOver = t.state().FillThickness;
    Form1& input = t.windows().load<Form1>();
    input.Text11 = "1.5";
    input.Command1_Click();
    ASSERT_NE(t.state().FillThickness, handedOver);
    TempFolder dir;
    const std::string path = dir.file("P1.obs");
    t.desktop.saveAnswers = {path};
    t.windows().load<Form13>().saveobmnu_Click();

    TestApp next;
    next.desktop.openAnswers = {path};
    next.windows().load<Form13>().openmnu_Click();
    const std::string line = "Calculated fillthickness [m] :" + num::signedText(handedOver);
    for (TestApp* program : {&t, &next}) {
        report::ReportWriter out(report::Output::ObservationFile, program->state());
        report::writeObservationReport(out, headerTexts(program->app), program->state());
        EXPECT_EQ(std::count(out.lines().begin(), out.lines().end(), line), 2);
    }
}

// Cv and Ch stand beside the drainage of a consolidation calculated for the inputs as they now
// stand; without one the fit and the final settlement are still found.
TEST(ObservationsBesideTheCalculation, AsaokaFindsCvAndChOnlyFromTheCurrentDrainage) {
    struct Case {
        const char* name;
        std::function<void(TestApp&, const std::string& project)> meanwhile;
        bool coefficients;
    };
    const Case cases[] = {
        {"nothing", [](TestApp&, const std::string&) {}, true},
        {"project opened",
         [](TestApp& t, const std::string& project) {
             t.desktop.openAnswers = {project};
             openProjectFile(t.app);
         },
         false},
        // Two-way drainage: the consolidation's path is half the layers, which the settlement
        // calculation writes whole.
        {"settlement calculated",
         [](TestApp& t, const std::string&) { t.windows().load<Form1>().Command1_Click(); }, false},
    };
    for (const Case& c : cases) {
        PreloadSite site;
        TestApp& t = site.t;
        TempFolder dir;
        saveProject(t, dir.file("site.prj"));
        asaoka(t).Command9_Click();
        c.meanwhile(t, dir.file("site.prj"));
        // The listing drops the Cv found before when the drainage changed, window or none.
        report::ReportWriter out(report::Output::Listing, t.state());
        report::writeObservationReport(out, headerTexts(t.app), t.state());
        const bool listed =
            std::find(out.lines().begin(), out.lines().end(),
                      "Coefficient of consolidation overall for vertical flow [m2/s] : 0") ==
            out.lines().end();
        EXPECT_EQ(listed, c.coefficients) << c.name;
        t.desktop.messages.clear();
        Form13& form = asaoka(t);
        EXPECT_EQ(form.Text7, "0.2") << c.name;
        EXPECT_EQ(form.MaskEdBox1.empty(), !c.coefficients) << c.name;
        EXPECT_EQ(form.MaskEdBox2.empty(), !c.coefficients) << c.name;
        EXPECT_EQ(t.state().CvOverall == 0.0f, !c.coefficients) << c.name;
        EXPECT_TRUE(t.desktop.messages.empty()) << c.name;
    }
}

} // namespace
} // namespace korvex::test
