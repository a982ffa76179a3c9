#include "consolidation/form4_consolidation_input.h"
#include "program/frm_about.h"
#include "program/frm_main.h"
#include "settlement/form1_settlement_input.h"
#include "support/test_app.h"

#include <gtest/gtest.h>

namespace korvex {
namespace {

using test::TestApp;

TEST(MainWindowGeometry, DefaultsWhenNothingIsStored) {
    TestApp t;
    frmMain& main = t.windows().load<frmMain>();
    EXPECT_EQ(main.Left, 1000.0f);
    EXPECT_EQ(main.Top, 1000.0f);
    EXPECT_EQ(main.Width, 6500.0f);
    EXPECT_EQ(main.Height, 6500.0f);
}

TEST(MainWindowGeometry, RoundTripsThroughTheSettings) {
    TestApp t;
    frmMain& main = t.windows().load<frmMain>();
    main.Left = 1500;
    main.Top = 2250.5f;
    main.Width = 9000;
    main.Height = 7000;
    t.windows().unload(main);
    EXPECT_EQ(t.desktop.settings["Settings/MainLeft"], "1500");
    EXPECT_EQ(t.desktop.settings["Settings/MainTop"], "2250.5");
    frmMain& again = t.windows().load<frmMain>();
    EXPECT_EQ(again.Left, 1500.0f);
    EXPECT_EQ(again.Top, 2250.5f);
    EXPECT_EQ(again.Width, 9000.0f);
    EXPECT_EQ(again.Height, 7000.0f);
}

TEST(MainWindowGeometry, MinimisedCloseLeavesTheStoredGeometryAlone) {
    TestApp t;
    t.desktop.settings["Settings/MainLeft"] = "200";
    frmMain& main = t.windows().load<frmMain>();
    main.Left = 5;
    main.State = frmMain::WindowState::Minimized;
    t.windows().unload(main);
    EXPECT_EQ(t.desktop.settings["Settings/MainLeft"], "200");
    EXPECT_EQ(t.desktop.settings.count("Settings/MainWidth"), 0u);
}

TEST(MainWindowGeometry, UnreadableSettingsFallBackToTheDefaults) {
    TestApp t;
    t.desktop.settings["Settings/MainLeft"] = "left";
    t.desktop.settings["Settings/MainWidth"] = "1e300";
    frmMain& main = t.windows().load<frmMain>();
    EXPECT_EQ(main.Left, 1000.0f);
    EXPECT_EQ(main.Width, 6500.0f);
}

TEST(MainWindowMenus, MethodAndListModeAfterEachItem) {
    TestApp t;
    frmMain& main = t.windows().load<frmMain>();
    t.state().ListMode = 1;
    main.mnuInputSett_Click();
    EXPECT_EQ(t.state().Method, 0);
    main.MnuBjerrum_Click();
    EXPECT_EQ(t.state().Method, 1);
    EXPECT_EQ(t.state().ListMode, 0);
    ASSERT_NE(t.windows().find<Form1>(), nullptr);
    EXPECT_EQ(t.windows().find<Form1>()->Text3, "Terzaghi-Bjerrum");

    // Opening the Settlement menu again and choosing the other method reopens the input window
    // with the other method's columns.
    t.state().ListMode = 1;
    main.mnuInputSett_Click();
    main.MnuKoppejan_Click();
    EXPECT_EQ(t.state().Method, 2);
    EXPECT_EQ(t.state().ListMode, 0);
    EXPECT_EQ(t.windows().find<Form1>()->Text3, "Terzaghi-Koppejan");
    EXPECT_EQ(t.windows().find<Form1>()->Fg1.TextMatrix(0, 3), "1/Cp(i)");

    main.MnuInputConsol_Click();
    EXPECT_NE(t.windows().find<Form4>(), nullptr);
    EXPECT_EQ(t.state().Method, 2);
}

TEST(MainWindowMenus, ChoosingWithoutOpeningTheMenuKeepsTheOpenInputWindow) {
    TestApp t;
    frmMain& main = t.windows().load<frmMain>();
    main.mnuInputSett_Click();
    main.MnuBjerrum_Click();
    Form1* first = t.windows().find<Form1>();
    first->Text4 = "typed";
    // Method is 1 now: a second choice without the menu's own click only brings it forward.
    main.MnuBjerrum_Click();
    EXPECT_EQ(t.windows().find<Form1>(), first);
    EXPECT_EQ(first->Text4, "typed");
}

TEST(MainWindowMenus, ReChoosingTheOpenInputWindowsMethodKeepsWhatWasTyped) {
    TestApp t;
    frmMain& main = t.windows().load<frmMain>();
    main.mnuInputSett_Click();
    main.MnuBjerrum_Click();
    Form1* typed = t.windows().find<Form1>();
    for (const InputBox<Form1>& box : Form1::boxes()) {
        typed->*box.text = std::string("typed ") + box.name;
    }
    for (int r = 1; r <= 3; ++r) {
        for (int c = 1; c <= 8; ++c) {
            typed->Fg1.setTextMatrix(r, c, std::to_string(r * 10 + c));
        }
    }
    typed->Check1 = 1;

    // The menu opened and left with Esc, then the same method.
    main.mnuInputSett_Click();
    main.MnuBjerrum_Click();
    EXPECT_EQ(t.state().Method, 1);
    ASSERT_EQ(t.windows().find<Form1>(), typed);
    for (const InputBox<Form1>& box : Form1::boxes()) {
        EXPECT_EQ(typed->*box.text, std::string("typed ") + box.name);
    }
    for (int r = 1; r <= 3; ++r) {
        for (int c = 1; c <= 8; ++c) {
            EXPECT_EQ(typed->Fg1.TextMatrix(r, c), std::to_string(r * 10 + c));
        }
    }
    EXPECT_EQ(typed->Check1, 1);

    // The other method reopens the window from the shared state, which holds no layers yet.
    main.mnuInputSett_Click();
    main.MnuKoppejan_Click();
    const Form1* reopened = t.windows().find<Form1>();
    ASSERT_NE(reopened, nullptr);
    EXPECT_EQ(reopened->Text3, "Terzaghi-Koppejan");
    EXPECT_EQ(reopened->Fg1.TextMatrix(0, 3), "1/Cp(i)");
    EXPECT_EQ(reopened->Text12, "1000");
    EXPECT_EQ(reopened->Text4, "");
    EXPECT_EQ(reopened->Fg1.TextMatrix(1, 1), "");
    EXPECT_EQ(reopened->Check1, 0);
}

TEST(MainWindowMenus, ListingRefusesWhileNoMethodIsChosen) {
    TestApp t;
    frmMain& main = t.windows().load<frmMain>();
    main.mnulistfile_Click();
    main.tbToolBar_ButtonClick("New");
    ASSERT_EQ(t.desktop.messages.size(), 2u);
    EXPECT_EQ(t.desktop.messages[0].text, "No file or calculations available");
    EXPECT_EQ(t.desktop.messages[0].caption, "KORVEX message");
    EXPECT_EQ(t.desktop.messages[0].style, vbOKOnly);
}

TEST(MainWindowMenus, ItemsWithoutTheirWindowAreDisabled) {
    TestApp t;
    t.host.withoutView = {"Form4"};
    frmMain& main = t.windows().load<frmMain>();
    EXPECT_TRUE(main.isEnabled("MnuBjerrum"));
    EXPECT_FALSE(main.isEnabled("MnuInputConsol"));
    EXPECT_TRUE(main.isEnabled("mnulistfile"));
    EXPECT_TRUE(main.isEnabled("mnuFilePrint"));
    EXPECT_TRUE(main.isEnabled("New"));
    EXPECT_TRUE(main.isEnabled("MnuObservation"));
    // The program installs File, Open and Save; an item whose command is unset is disabled.
    EXPECT_TRUE(main.isEnabled("mnuFileOpen"));
    EXPECT_TRUE(main.isEnabled("Open"));
    EXPECT_TRUE(main.isEnabled("mnuFileSave"));
    EXPECT_TRUE(main.isEnabled("Save"));
    main.FileSaveCommand = nullptr;
    EXPECT_FALSE(main.isEnabled("Save"));
    EXPECT_TRUE(main.isEnabled("mnuHelpAbout"));
}

TEST(MainWindowMenus, ViewTogglesFlipTheBars) {
    TestApp t;
    frmMain& main = t.windows().load<frmMain>();
    main.mnuViewToolbar_Click();
    EXPECT_FALSE(main.mnuViewToolbarChecked);
    EXPECT_FALSE(main.tbToolBarVisible);
    main.mnuViewToolbar_Click();
    EXPECT_TRUE(main.tbToolBarVisible);
    main.mnuViewStatusBar_Click();
    EXPECT_FALSE(main.sbStatusBarVisible);
}

TEST(MainWindowMenus, HelpWithoutAHelpFileSaysSo) {
    TestApp t;
    frmMain& main = t.windows().load<frmMain>();
    main.mnuHelpContents_Click();
    main.mnuHelpSearchForHelpOn_Click();
    ASSERT_EQ(t.desktop.messages.size(), 2u);
    EXPECT_EQ(t.desktop.messages[0].text, "Unable to display Help Contents. There is not Help "
                                          "associated with KORVEX-3.0 yet.");
    EXPECT_EQ(t.desktop.messages[0].style, vbInformation);
    EXPECT_EQ(t.desktop.messages[0].caption, "Setllement and Consolidation");
}

TEST(MainWindowClose, ClosesEveryOtherWindowLastOpenedFirst) {
    TestApp t;
    frmMain& main = t.windows().load<frmMain>();
    main.MnuInputConsol_Click();
    main.mnuHelpAbout_Click();
    main.mnuFileExit_Click();
    EXPECT_TRUE(t.windows().loadedInOrder().empty());
    EXPECT_EQ(t.host.closed, (std::vector<std::string>{"frmAbout", "Form4", "frmMain"}));
}

TEST(AboutWindow, StartsTheSystemInformationProgramOrSaysItIsUnavailable) {
    TestApp t;
    frmAbout& about = t.windows().load<frmAbout>();
    EXPECT_EQ(about.Caption, "About KORVEX");
    EXPECT_EQ(about.lblTitle, "KORVEX");
    EXPECT_EQ(about.lblVersion, "Version: 3.0.1");

    about.cmdSysInfo_Click();
    ASSERT_EQ(t.desktop.messages.size(), 1u);
    EXPECT_EQ(t.desktop.messages[0].text, "System Information Is Unavailable At This Time");
    EXPECT_EQ(t.desktop.messages[0].caption, "KORVEX");

    t.desktop.systemInfoProgram = "/usr/bin/sysinfo";
    about.cmdSysInfo_Click();
    EXPECT_EQ(t.desktop.startedPrograms, std::vector<std::string>{"/usr/bin/sysinfo"});
    EXPECT_EQ(t.desktop.messages.size(), 1u);

    // A program that is found but does not start ends in the same message.
    t.desktop.startProgramSucceeds = false;
    about.cmdSysInfo_Click();
    EXPECT_EQ(t.desktop.messages.size(), 2u);
}

} // namespace
} // namespace korvex
