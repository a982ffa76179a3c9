#include "app/application.h"
#include "program/frm_main.h"
#include "program/frm_splash.h"
#include "program/program_windows.h"
#include "state/module1.h"
#include "support/fake_desktop.h"

#include <gtest/gtest.h>

namespace korvex {
namespace {

struct StartUp {
    test::FakeDesktop desktop;
    test::FakeViewHost host;
    Application app{desktop, registerWindowModels};
    StartUp() { app.windows().setViewHost(&host); }
    ~StartUp() { app.windows().setViewHost(nullptr); }
};

TEST(StartUp, APointDesktopShowsTheStartWindowAndSetsTheDefaults) {
    StartUp s;
    ASSERT_TRUE(Main(s.app));
    EXPECT_TRUE(s.desktop.messages.empty());
    EXPECT_EQ(s.host.shown, std::vector<std::string>{"frmSplash"});
    EXPECT_EQ(s.app.state().TPred(20), 80000.0f);
    EXPECT_FALSE(s.desktop.ended);
}

TEST(StartUp, ACommaDesktopIsRefusedBeforeAnyDefaultIsSet) {
    StartUp s;
    s.desktop.regionalOneTenth = "0,1";
    EXPECT_FALSE(Main(s.app));
    ASSERT_EQ(s.desktop.messages.size(), 1u);
    EXPECT_EQ(s.desktop.messages[0].text,
              "Your system symbol is a comma (,). KORVEX uses a point (.) as decimal symbol and "
              "Anglo/American settings. Please change your decimal symbol in your System Regional "
              "settings !!!");
    EXPECT_EQ(s.desktop.messages[0].style, vbExclamation);
    EXPECT_TRUE(s.desktop.ended);
    EXPECT_TRUE(s.host.shown.empty());
    EXPECT_EQ(s.app.state().Gravity, 0.0f);
    EXPECT_EQ(s.app.state().StressStep(16), 0.0f);
}

TEST(StartUp, TheCheckReadsTheSecondCharacterAfterLeadingBlanks) {
    // ".1" has the digit 1 as its second character and passes whatever the separator is.
    for (const char* text : {".1", " 0.1", ",1"}) {
        StartUp s;
        s.desktop.regionalOneTenth = text;
        EXPECT_TRUE(Main(s.app)) << text;
    }
    StartUp s;
    s.desktop.regionalOneTenth = "  0,1";
    EXPECT_FALSE(Main(s.app));
}

TEST(StartUp, StartAcceptOpensTheMainWindowAndClosesTheStartWindow) {
    StartUp s;
    ASSERT_TRUE(Main(s.app));
    s.app.windows().find<frmSplash>()->Command1_Click();
    EXPECT_FALSE(s.app.windows().isLoaded("frmSplash"));
    ASSERT_NE(s.app.windows().find<frmMain>(), nullptr);
    EXPECT_EQ(s.host.shown.back(), "frmMain");
    EXPECT_EQ(s.app.windows().find<frmMain>()->Caption, "Setllement and Consolidation");
}

TEST(StartUp, ExitClosesTheStartWindowWithoutAMainWindow) {
    StartUp s;
    ASSERT_TRUE(Main(s.app));
    s.app.windows().find<frmSplash>()->Command2_Click();
    EXPECT_TRUE(s.app.windows().loadedInOrder().empty());
    EXPECT_EQ(s.host.closed, std::vector<std::string>{"frmSplash"});
}

} // namespace
} // namespace korvex
