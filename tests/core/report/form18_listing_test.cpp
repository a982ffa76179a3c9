#include "report/form18_listing.h"

#include "core/observations/observed_site.h"
#include "observations/form13_observations.h"
#include "program/frm_main.h"
#include "settlement/form3_settlement_results.h"
#include "support/temp_folder.h"
#include "support/test_app.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace korvex::test {
namespace {

constexpr const char* kSettlementFirstLine = "Program: KORVEX version 3.0 ";

std::string lineStarting(const std::vector<std::string>& lines, const std::string& start) {
    auto found = std::find_if(lines.begin(), lines.end(),
                              [&](const std::string& l) { return l.rfind(start, 0) == 0; });
    return found == lines.end() ? std::string("(none)") : *found;
}

TEST(Form18Listing, EveryListShowsTheReportOfItsWindowAndAnOpenListingFollowsTheState) {
    TestApp t;
    t.state().Method = 1;
    t.state().NLayers = 1;
    Form13& observations = t.windows().show<Form13>();
    ASSERT_EQ(t.state().ListMode, 1);
    observations.Command13_Click();
    Form18* listing = t.windows().find<Form18>();
    ASSERT_NE(listing, nullptr);
    // The observation report opens with an empty entry before its header.
    ASSERT_GE(listing->List1.size(), 2u);
    EXPECT_EQ(listing->List1[0], "");
    EXPECT_EQ(listing->List1[1], "Program: KORVEX version 3.0  SETTLEMENT OBSERVATIONDATA+++");

    // The same open window, now for the settlement results: the other report kind.
    t.windows().show<Form3>().Command9_Click();
    EXPECT_EQ(t.windows().find<Form18>(), listing);
    ASSERT_FALSE(listing->List1.empty());
    EXPECT_EQ(listing->List1[0], kSettlementFirstLine);
    EXPECT_EQ(t.host.shown.back(), "Form18");

    // A calculation that changes results changes the open listing with it.
    t.state().NLayers = 3;
    t.windows().announce(ResultsEvent::SettlementResultsChanged);
    EXPECT_EQ(lineStarting(listing->List1, "Number of Layers [m]:"), "Number of Layers [m]:   3");
}

TEST(Form18Listing, MainMenuListsByListModeAndAMethodChoiceClosesAListingOfNoMethod) {
    TestApp t;
    frmMain& main = t.windows().load<frmMain>();
    EXPECT_TRUE(main.isEnabled("mnulistfile"));
    EXPECT_TRUE(main.isEnabled("New"));
    // Any ListMode other than 1 is the settlement report.
    t.state().Method = 2;
    t.state().ListMode = 2;
    main.tbToolBar_ButtonClick("New");
    const Form18* listing = t.windows().find<Form18>();
    ASSERT_NE(listing, nullptr);
    ASSERT_FALSE(listing->List1.empty());
    EXPECT_EQ(listing->List1[0], kSettlementFirstLine);
    EXPECT_EQ(t.state().ListMode, 2);

    // A listing opened while no method is chosen (from a result window) goes when one is chosen.
    t.state().Method = 0;
    main.MnuBjerrum_Click();
    EXPECT_EQ(t.windows().find<Form18>(), nullptr);
}

TEST(Form18Listing, SaveUnderFilenameWritesEitherReportWithOneMessageAndTitle) {
    TempFolder folder;
    const std::string observationListing = observationData("observation_listing.txt");
    struct Case {
        Integer listMode;
        std::string fileStart, fileEnd;
    };
    const Case cases[] = {
        // The saved listing's own program line; the report ends in an empty line.
        {0, "Program: KORVEX version 3.0  +++\r\n", "\r\n\r\n"},
        // The hand-written listing without its first, empty, entry; no empty line at the end.
        {1, observationListing.substr(2), "0.1135\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.listMode);
        TestApp t;
        observedSite(t.state());
        t.state().Method = 1;
        t.state().ProjectName = "Dike A";
        t.state().BoreHole = "BH 7";
        t.state().PlateCode = "P1";
        t.state().ListMode = c.listMode;
        Form18& listing = t.windows().show<Form18>();
        const std::string path = folder.file("listing" + std::to_string(c.listMode) + ".txt");
        t.desktop.saveAnswers = {path};
        listing.Command3_Click();

        ASSERT_EQ(t.desktop.saveRequests.size(), 1u);
        EXPECT_EQ(t.desktop.saveRequests[0].title, "Save Observation file");
        EXPECT_EQ(t.desktop.saveRequests[0].filter,
                  "Text files(*.txt)|*.txt|Observation files(*.obs)|*.obs|All files(*.*)|*.*|");
        EXPECT_EQ(t.desktop.saveRequests[0].filterIndex, 3);
        const std::string bytes = fileBytes(path);
        EXPECT_EQ(bytes.substr(0, c.fileStart.size()), c.fileStart);
        ASSERT_GE(bytes.size(), c.fileEnd.size());
        EXPECT_EQ(bytes.substr(bytes.size() - c.fileEnd.size()), c.fileEnd);
        ASSERT_EQ(t.desktop.messages.size(), 1u);
        EXPECT_EQ(t.desktop.messages[0].text, "The saved observation File is:  " + path);
        EXPECT_EQ(t.desktop.messages[0].caption, "Korvex saving Observational file");

        // The next save starts with the name chosen; Cancel writes nothing and says nothing.
        t.desktop.saveAnswers = {std::nullopt};
        listing.Command3_Click();
        EXPECT_EQ(t.desktop.saveRequests[1].fileName, path);
        EXPECT_EQ(t.desktop.messages.size(), 1u);
    }
}

} // namespace
} // namespace korvex::test
