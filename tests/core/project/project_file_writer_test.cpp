#include "project/project_file_writer.h"

#include "app/text_file.h"
#include "core/settlement/settlement_site.h"
#include "settlement/settlement_calculation.h"
#include "state/module1.h"
#include "support/temp_folder.h"
#include "support/test_app.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace korvex::test {
namespace {

// The two-layer Terzaghi-Bjerrum project of tests/data/project/two_layer_bjerrum_head.prj, set by
// hand (not calculated) so that the file is tested and nothing else.
void twoLayerBjerrumProject(TestApp& t) {
    Module1& st = t.state();
    st.Method = 1;
    st.SurfaceLevel = 0.5f;
    st.SurfaceLevelRequired = 2;
    st.WatertableInput = -0.25f; // entered; the calculation lowered Watertable to the new level
    st.Watertable = -1.5f;
    st.NewWatertable = -1.5f;
    st.SettlementTime = 10000;
    st.SoilmassFill = 1.8f;
    st.SoilmassFillSat = 2.1f;
    st.SoilmassAvg = 1.5f;
    st.SoilmassAvgSat = 1.65f;
    st.FillIncrement = 0.25f;
    st.NFillLayers = 15;
    st.NLayers = 2;
    const Single layers[2][8] = {{-2, 1.7f, 0.02f, 2.5f, 0.35f, 1.2345f, 12, 0.016f},
                                 {-6.5f, 1.45f, 0.015f, 1.8f, 0.6f, 0.9f, 30, 0.024f}};
    for (int i = 1; i <= 2; ++i) {
        const Single* l = layers[i - 1];
        st.LDepth(i) = l[0];
        st.Soilwet(i) = l[1];
        st.Cr(i) = l[2];
        st.e0(i) = l[3];
        st.Cc(i) = l[4];
        st.ec(i) = l[5];
        st.Sigmac(i) = l[6];
        st.Calpha(i) = l[7];
    }
    st.Cv(1) = 2.5e-8f;
    st.ChExtraFill(1) = 3e-7f;
    st.CvExtraFill(1) = 5e-8f;
    st.Drained(1) = 1;
    st.Cv(2) = 1.234e-8f;
    st.ChExtraFill(2) = 6e-7f; // left from before layer 2 was undrained
    st.CvExtraFill(2) = 7.5e-8f;
    st.Drained(2) = 0;
    st.DegreeCons = 0.9f;
    st.ConsolidationPeriod = 365;
    st.DrainDiameter = 0.065f;
    st.RestSettlement = 0.1f;
    st.ConstructionTime = 60;
    st.DrainArea = 10000;
    st.DrainPath = 7;
    st.SoilThickness = 7;
    st.CvAvg = 5e-8f;
    st.ChAvg = 1e-7f;
    st.TimeFactor = 2;
    // The header comes from the boxes as they stand, not from ProjectName or the method.
    Form1& form = t.windows().load<Form1>();
    form.Text1 = "Dike A, km 3";
    form.Text2 = "B-12";
    form.Text3 = "Site A";
}

// Written by hand: the entered water table -.25, not the -1.5 the calculation works with; 1.2345,
// which "#0.000" would round, and Cv 1.234E-08, which "scientific" would, in full; the undrained
// layer's Ch as 0.
TEST(ProjectFileWriter, HeaderAndInputSectionsAsTheHandWrittenFile) {
    TestApp t;
    twoLayerBjerrumProject(t);
    TempFolder folder;
    const std::string path = folder.file("site.prj");
    t.desktop.saveAnswers = {path};
    saveProjectFile(t.app);

    const std::string golden = fileBytes(KORVEX_TEST_DATA "/project/two_layer_bjerrum_head.prj");
    ASSERT_FALSE(golden.empty());
    const std::string written = fileBytes(path);
    EXPECT_EQ(written.substr(0, golden.size()), golden);
    EXPECT_EQ(written.substr(golden.size(), 36), "3.   RESULT LAYERTHICKNESS OF FILL\r\n");
    EXPECT_EQ(t.state().ChExtraFill(2), 0.0f);
}

TEST(ProjectFileWriter, WritesOnlyAfterAChoiceAndNamesTheProjectOnlyAfterAWrite) {
    struct Case {
        const char* name;
        Integer method;
        bool earlierSave; // a file was saved before in this run
        bool chooses;     // the dialog returns the file, else Cancel
        bool writeFails;
        std::vector<const char*> captions;
    };
    const Case cases[] = {
        {"no method", 0, false, true, false, {"KORVEX message"}},
        {"Cancel", 1, false, false, false, {}},
        {"Cancel after an earlier save", 1, true, false, false, {}},
        {"write fails", 2, false, true, true, {"Korvex Open file", "Save"}},
        {"saved", 1, true, true, false, {"Korvex Open file", "Korvex saving file"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TestApp t;
        t.state().Method = c.method;
        t.state().FileName = "before.prj";
        TempFolder folder;
        const std::string earlier = folder.file("earlier.prj");
        if (c.earlierSave) {
            t.desktop.saveAnswers = {earlier};
            saveProjectFile(t.app);
            t.desktop.messages.clear();
            t.desktop.saveRequests.clear();
        }
        const std::string fileNameBefore = t.state().FileName;
        const std::string path = folder.file("site.prj");
        writeBytes(path, "old project\r\n");
        t.desktop.yesNoAnswers = {true};
        if (c.chooses) {
            t.desktop.saveAnswers = {path};
        }
        if (c.writeFails) {
            const ScopedWriteFault fault = ScopedWriteFault::afterBytes(10);
            saveProjectFile(t.app);
        } else {
            saveProjectFile(t.app);
        }

        std::vector<std::string> captions;
        for (const auto& m : t.desktop.messages) {
            captions.push_back(m.caption);
        }
        EXPECT_EQ(captions, std::vector<std::string>(c.captions.begin(), c.captions.end()));
        EXPECT_EQ(t.desktop.saveRequests.size(), c.method == 0 ? 0u : 1u);
        const bool saved = c.captions.size() == 2 && !c.writeFails;
        EXPECT_EQ(t.state().FileName, saved ? path : fileNameBefore);
        if (saved) {
            EXPECT_EQ(t.desktop.messages[0].text, "The opened File is:  " + path);
            EXPECT_EQ(t.desktop.messages[1].text, "The saved File is:  " + path);
            EXPECT_EQ(fileBytes(path).substr(0, 34), "Program: KORVEX version 3.0  +++\r\n");
        } else {
            EXPECT_EQ(fileBytes(path), "old project\r\n");
        }
        for (const FileDialogRequest& request : t.desktop.saveRequests) {
            EXPECT_EQ(request.title, "Save");
            EXPECT_EQ(request.filter, "All Files (*.*)|*.*");
            EXPECT_EQ(request.fileName, "");
        }
    }
}

// The calculation lowers Watertable to the new level; the file and the reloaded input window keep
// the level the user entered, so that a reopened project still has its water-table load.
TEST(ProjectFileWriter, KeepsTheEnteredWaterTableAfterAWaterTableChange) {
    TestApp t;
    SiteInput site = softBjerrumSite();
    site.watertable = "-1";
    site.newWatertable = "-1.5";
    Form1& form = loadSite(t, site);
    ASSERT_TRUE(calculateSettlements(t.app, form));
    ASSERT_EQ(t.state().Watertable, -1.5f);
    TempFolder folder;
    t.desktop.saveAnswers = {folder.file("site.prj")};
    saveProjectFile(t.app);
    const std::string written = fileBytes(folder.file("site.prj"));
    EXPECT_NE(written.find("\r\nWatertable vs reference level [m]:  -1\r\n"), std::string::npos);
    EXPECT_NE(written.find("\r\nNew watertable vs reference level [m]:  -1.5\r\n"),
              std::string::npos);

    t.windows().unload<Form1>();
    EXPECT_EQ(t.windows().load<Form1>().Text5, "-1");
}

} // namespace
} // namespace korvex::test
