#include "app/number_text.h"
#include "core/preload/preload_site.h"
#include "core/project/input_window_texts.h"
#include "core/project/project_outputs.h"
#include "preload/form11_extra_fill_results.h"
#include "project/project_file_reader.h"
#include "support/same_state.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace korvex::test {
namespace {

// File, Open of the main window, the user choosing `path`.
void open(TestApp& t, const std::string& path) {
    t.desktop.openAnswers = {path};
    openProjectFile(t.app);
}

// The site typed and calculated as a user does: the settlement input and its Calculate, then the
// Cv of each layer in the consolidation input and its Calculate. No message may come.
void calculateSite(TestApp& t, const SiteInput& site, const std::vector<std::string>& cv) {
    loadSite(t, site).Command1_Click();
    Form4& consolidation = t.windows().load<Form4>();
    for (std::size_t i = 0; i < cv.size(); ++i) {
        consolidation.Fg4.setTextMatrix(static_cast<int>(i) + 1, 1, cv[i]);
    }
    consolidation.Command1_Click();
    EXPECT_EQ(t.desktop.messageTexts(), std::vector<std::string>{});
}

// Each value the file restores as an input, in shortest exact text, so that two runs compare in
// one line that shows the value that differs. Watertable itself is left out: the calculation
// replaces it by the new level, and the file keeps the entered one, WatertableInput.
std::string restoredInputs(const Module1& st) {
    const Single Module1::*values[] = {
        &Module1::SurfaceLevel,
        &Module1::SurfaceLevelRequired,
        &Module1::WatertableInput,
        &Module1::NewWatertable,
        &Module1::SettlementTime,
        &Module1::SoilmassFill,
        &Module1::SoilmassFillSat,
        &Module1::SoilmassAvg,
        &Module1::SoilmassAvgSat,
        &Module1::FillIncrement,
        &Module1::NFillLayers,
        &Module1::DegreeCons,
        &Module1::ConsolidationPeriod,
        &Module1::DrainDiameter,
        &Module1::RestSettlement,
        &Module1::ConstructionTime,
        &Module1::DrainArea,
        &Module1::SoilThickness,
        &Module1::CvAvg,
        &Module1::ChAvg,
        &Module1::TimeFactor,
    };
    std::string text = num::boxText(st.Method) + " " + num::boxText(st.NLayers) + ":";
    for (const auto value : values) {
        text += " " + num::exactText(st.*value);
    }
    const auto appendColumn = [&](const auto& column) {
        text += " |";
        for (int i = 1; i <= st.NLayers; ++i) {
            text += " " + num::exactText(column(i));
        }
    };
    for (const auto& column : {st.LDepth, st.Soilwet, st.Cr, st.e0, st.Cc, st.ec, st.Sigmac,
                               st.Calpha, st.InvCp, st.InvCs, st.InvCp2, st.InvCs2, st.CKoppejan}) {
        appendColumn(column);
    }
    for (const auto& column : {st.Cv, st.ChExtraFill, st.CvExtraFill}) {
        appendColumn(column);
    }
    return text;
}

// `layers` layers 0.75 m thick of the preload tests' soft clay (Terzaghi-Bjerrum) or the soft
// layer of the settlement tests (Terzaghi-Koppejan), each with a third column and a Cv of seven
// significant digits, which the file's patterns would round.
SiteInput layeredSite(Integer method, int layers, std::vector<std::string>& cv) {
    const SiteInput base = method == 1 ? twoLayerPreloadSite() : softKoppejanSite();
    SiteInput site = base;
    site.layers = std::to_string(layers);
    site.rows.clear();
    cv.clear();
    for (int i = 1; i <= layers; ++i) {
        std::array<std::string, 8> row = base.rows[static_cast<std::size_t>(i) % base.rows.size()];
        row[0] = num::boxText(-0.75 * i);
        row[2] = num::boxText(num::toSingle(0.01 + 1.234567e-4 * i));
        site.rows.push_back(row);
        cv.push_back(num::boxText(num::toSingle(1.234567e-8 * i)));
    }
    return site;
}

// The file that File, Open reads is the file File, Save writes again once the project is
// calculated again: nothing is lost, rounded or moved by the reading, whatever the method and from
// no layer to the most.
TEST(ProjectRoundTrip, SaveOpenCalculateSaveGivesTheSameBytes) {
    for (const Integer method : {Integer{1}, Integer{2}}) {
        for (const int layers : {0, 3, 20}) {
            SCOPED_TRACE("method " + std::to_string(method) + ", layers " + std::to_string(layers));
            TestApp t;
            std::vector<std::string> cv;
            const SiteInput site = layeredSite(method, layers, cv);
            if (layers == 0) {
                loadSite(t, site); // nothing to calculate
            } else {
                calculateSite(t, site, cv);
            }
            TempFolder folder;
            saveProject(t, folder.file("first.prj"));
            open(t, folder.file("first.prj"));
            if (layers > 0) {
                t.windows().load<Form1>().Command1_Click();
                t.windows().load<Form4>().Command1_Click();
            }
            saveProject(t, folder.file("second.prj"));

            const std::string first = fileBytes(folder.file("first.prj"));
            ASSERT_GT(first.size(), 1000u);
            EXPECT_EQ(fileBytes(folder.file("second.prj")), first);
            EXPECT_EQ(t.state().NLayers, layers);
        }
    }
}

// Into a program just started, a project gives back what was typed, and calculates again to the
// same results; from the project file (File, Save) and from a saved listing (the listing's "Save
// under Filename"), with the input windows not yet loaded or still on the start-up values.
TEST(ProjectRoundTrip, AFreshProgramGetsTheInputsBackAndTheSameResults) {
    // Values that need more decimals than their pattern ("#0.0000", "##0.00", three digits of
    // "scientific"), a name with a comma and a leading blank, a water-table change and 12 fill
    // layers where a fresh program's box says 15. The submergence switch is not in the file: the
    // site is calculated with the switch a fresh program starts with.
    SiteInput exact = twoLayerPreloadSite();
    exact.submergence = false;
    exact.watertable = "-0.5";
    exact.newWatertable = "-1.5";
    exact.fillLayers = "12";
    exact.rows[0][0] = "-2.125";
    exact.rows[0][2] = "0.012345";
    exact.rows[1][6] = "123.456";
    // Only values the listing's patterns hold, and no water-table change: the listing shows the
    // level calculated with, which is then the entered one.
    SiteInput patterned = twoLayerPreloadSite();
    patterned.submergence = false;
    patterned.watertable = "-0.75";
    patterned.newWatertable = "-0.75";
    patterned.rows[0][2] = "0.0125";
    patterned.rows[1][6] = "12.5";

    struct Case {
        const char* name;
        const SiteInput& site;
        std::vector<std::string> cv;
        bool listing;
        bool windowsLoadedBeforeOpening;
    };
    const Case cases[] = {
        {"project file", exact, {"1.234567E-08", "2.5E-08"}, false, false},
        {"project file into open windows", exact, {"1.234567E-08", "2.5E-08"}, false, true},
        {"saved listing", patterned, {"1.25E-08", "2.5E-08"}, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder folder;
        const std::string path = folder.file("site.prj");
        TestApp saved;
        calculateSite(saved, c.site, c.cv);
        Form1& form = saved.windows().load<Form1>();
        form.Text1 = " Dike, km 4";
        form.Text2 = "B-7";
        form.Text3 = "Site A";
        if (c.listing) {
            Form18& listing = saved.windows().load<Form18>();
            saved.desktop.saveAnswers = {path};
            listing.Command3_Click();
        } else {
            saveProject(saved, path);
        }

        TestApp fresh;
        if (c.windowsLoadedBeforeOpening) {
            fresh.windows().load<Form1>();
            fresh.windows().load<Form4>();
        }
        open(fresh, path);
        ASSERT_EQ(fresh.desktop.messageTexts(),
                  std::vector<std::string>{"The opened File is:  " + path});
        EXPECT_EQ(restoredInputs(fresh.state()), restoredInputs(saved.state()));
        EXPECT_EQ(fresh.state().ProjectName, " Dike, km 4");
        EXPECT_EQ(fresh.state().ExtraCode, "Site A");
        // The level the user entered, not the new level the calculation replaced it by.
        EXPECT_EQ(num::boxText(fresh.state().WatertableInput), c.site.watertable);
        EXPECT_EQ(fresh.windows().find<Form1>()->Text5, c.site.watertable);
        // The reader heads two columns "SigmaC(i)" and "Calpha(i)", as files have always been read.
        Form1& reopened = fresh.windows().load<Form1>();
        for (int column = 0; column <= 8; ++column) {
            form.Fg1.setTextMatrix(0, column, reopened.Fg1.TextMatrix(0, column));
        }
        EXPECT_EQ(windowTexts(fresh), windowTexts(saved));

        fresh.desktop.messages.clear();
        fresh.windows().load<Form1>().Command1_Click();
        fresh.windows().load<Form4>().Command1_Click();
        EXPECT_EQ(fresh.desktop.messageTexts(), std::vector<std::string>{});
        EXPECT_EQ(fresh.state().FillThickness, saved.state().FillThickness);
        EXPECT_EQ(fresh.state().S10000Cons, saved.state().S10000Cons);
        // Every settlement and consolidation result, each layer's included, to the bit.
        EXPECT_TRUE(sameState(fresh.state(), saved.state()));
    }
}

// What a user gets of the project after File, Open: the outputs and the two input windows. A
// listing open since before the input windows rebuilds itself on the opening.
struct OpenedProject {
    ProjectOutputs outputs;
    std::string windows;
};

OpenedProject outputsAfterOpening(TestApp& t, const std::string& path, const std::string& saved) {
    open(t, path);
    OpenedProject out;
    out.outputs = projectOutputs(t, saved);
    out.windows = windowTexts(t);
    return out;
}

// Opening a project discards everything calculated before it: a program that calculated another
// project (another method, more layers, a preload with a rest layer and every result window open)
// shows, prints and saves the opened project as a program just started does.
TEST(ProjectRoundTrip, AnOpenedProjectGivesTheSameOutputsWhateverWasCalculatedBefore) {
    TempFolder folder;
    const std::string projectB = folder.file("b.prj");
    {
        PreloadSite b;
        ASSERT_TRUE(b.calculate());
        saveProject(b.t, projectB);
    }

    TestApp fresh;
    const OpenedProject expected = outputsAfterOpening(fresh, projectB, folder.file("fresh.prj"));
    ASSERT_EQ(fresh.desktop.messageTexts().at(0), "The opened File is:  " + projectB);

    TestApp used;
    used.windows().show<Form18>();
    std::vector<std::string> cv;
    calculateSite(used, layeredSite(2, 3, cv), cv);
    Form10& preload = used.windows().show<Form10>();
    preload.Fg8.setTextMatrix(3, 2, "0");
    preload.Text2 = "0.1";
    preload.Text3 = "3";
    preload.Command2_Click();
    preload.Command4_Click();
    used.windows().find<Form11>()->Command14_Click();
    ASSERT_EQ(used.state().Drained(3), 0);
    used.desktop.messages.clear();

    const OpenedProject opened = outputsAfterOpening(used, projectB, folder.file("used.prj"));
    EXPECT_EQ(opened.outputs.listing, expected.outputs.listing);
    EXPECT_EQ(opened.outputs.printout, expected.outputs.printout);
    EXPECT_EQ(opened.outputs.file, expected.outputs.file);
    EXPECT_EQ(opened.windows, expected.windows);
}

// The observations are the plate's, not the project's; the coefficients of the fitting windows and
// the listing's choice of report are the user's: opening a project keeps them.
TEST(ProjectRoundTrip, OpeningAProjectKeepsWhatBelongsToNoProject) {
    TempFolder folder;
    const std::string path = folder.file("site.prj");
    {
        TestApp writer;
        loadSite(writer, twoLayerPreloadSite());
        saveProject(writer, path);
    }
    TestApp t;
    Module1& st = t.state();
    st.PlateCode = "P7";
    st.NObs = 2;
    st.TObs(2) = 30;
    st.SObs(2) = -0.4f;
    st.SFinal = -0.9f;
    st.ListMode = 1;
    st.CcA = 0.9f;
    st.bC = 2.5f;
    open(t, path);
    EXPECT_EQ(st.Method, 1);
    EXPECT_EQ(st.PlateCode, "P7");
    EXPECT_EQ((std::vector<Single>{st.NObs, st.TObs(2), st.SObs(2), st.SFinal, st.CcA, st.bC}),
              (std::vector<Single>{2, 30, -0.4f, -0.9f, 0.9f, 2.5f}));
    EXPECT_EQ(st.ListMode, 1);
}

} // namespace
} // namespace korvex::test
