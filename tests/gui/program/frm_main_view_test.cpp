#include "app/gui_host.h"
#include "app/twips.h"
#include "program/frm_main_view.h"
#include "program/frm_splash.h"
#include "program/program_windows.h"
#include "program/register_views.h"
#include "state/module1.h"
#include "support/fake_desktop.h"
#include "support/screenshot.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>
#include <gtest/gtest.h>

namespace korvex::gui {
namespace {

struct GuiStart {
    test::FakeDesktop desktop;
    Application app{desktop, registerWindowModels};
    GuiHost host{app};
    GuiStart() { registerAllViews(host); }
    ~GuiStart() { app.windows().unloadAll(); }
};

QStringList captionsOf(const QList<QAction*>& actions) {
    QStringList captions;
    for (QAction* action : actions) {
        captions << (action->isSeparator() ? QString("-") : action->text());
    }
    return captions;
}

TEST(MainWindowView, StartAcceptOpensTheMainWindowWithMenusToolbarStatusBarScreenshot) {
    GuiStart s;
    ASSERT_TRUE(Main(s.app));
    WindowView* splash = s.host.viewOf("frmSplash");
    ASSERT_NE(splash, nullptr);
    EXPECT_TRUE(splash->isVisible());
    test::saveScreenshot(splash, "start-window");

    splash->findChild<QPushButton*>("Command1")->click();
    QApplication::processEvents();
    EXPECT_FALSE(s.app.windows().isLoaded("frmSplash"));
    auto* main = static_cast<FrmMainView*>(s.host.viewOf("frmMain"));
    ASSERT_NE(main, nullptr);
    EXPECT_TRUE(main->isVisible());
    EXPECT_EQ(main->windowTitle(), "Setllement and Consolidation");

    auto* bar = main->findChild<QMenuBar*>();
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(captionsOf(bar->actions()),
              (QStringList{
                  "&File   ", "&View         ", "Settlement (Undrained Soft Soil Creep model)   ",
                  "Consolidation  (Terzaghi/Barron model)", "Observations      ", "&Help"}));
    QMenu* file = bar->actions()[0]->menu();
    EXPECT_EQ(captionsOf(file->actions()), (QStringList{"&Open...", "-", "&Save", "-", "&List file",
                                                        "-", "&Print...", "-", "-", "E&xit"}));
    EXPECT_EQ(captionsOf(main->settlementMenu()->actions()),
              (QStringList{"Terzaghi-&Bjerrum (Anglo-American method)",
                           "Terzaghi-&Koppejan (Dutch method)"}));

    auto* toolbar = main->findChild<QToolBar*>("tbToolBar");
    ASSERT_NE(toolbar, nullptr);
    EXPECT_EQ(captionsOf(toolbar->actions()), (QStringList{"New", "Open", "Save", "Print"}));
    EXPECT_TRUE(main->findChild<QStatusBar*>("sbStatusBar")->isVisible());

    EXPECT_TRUE(main->action("mnulistfile")->isEnabled());
    EXPECT_TRUE(main->action("tb:Open")->isEnabled());
    EXPECT_TRUE(main->action("mnuFileOpen")->isEnabled());
    EXPECT_TRUE(main->action("tb:Save")->isEnabled());
    EXPECT_TRUE(main->action("tb:Print")->isEnabled());
    EXPECT_TRUE(main->action("MnuObservation")->isEnabled());
    EXPECT_TRUE(main->action("mnuHelpAbout")->isEnabled());
    test::saveScreenshot(main, "main-window");

    main->action("mnuViewToolbar")->trigger();
    EXPECT_FALSE(toolbar->isVisible());

    main->action("mnuHelpAbout")->trigger();
    ASSERT_NE(s.host.viewOf("frmAbout"), nullptr);
    EXPECT_EQ(s.host.viewOf("frmAbout")->windowTitle(), "About KORVEX");
    test::saveScreenshot(s.host.viewOf("frmAbout"), "about-window");
}

TEST(MainWindowView, ClosingTheMainWindowClosesEveryWindowAndStoresItsGeometry) {
    GuiStart s;
    ASSERT_TRUE(Main(s.app));
    s.app.windows().find<frmSplash>()->Command1_Click();
    auto* main = static_cast<FrmMainView*>(s.host.viewOf("frmMain"));
    ASSERT_NE(main, nullptr);
    main->action("mnuHelpAbout")->trigger();
    main->move(150, 120);
    QApplication::processEvents();
    main->close();
    QApplication::processEvents();
    EXPECT_TRUE(s.app.windows().loadedInOrder().empty());
    EXPECT_TRUE(s.desktop.settings.count("Settings/MainLeft"));
    EXPECT_TRUE(s.desktop.settings.count("Settings/MainHeight"));
}

TEST(MainWindowView, AnOffScreenGeometryIsMovedBackOntoAScreen) {
    GuiStart s;
    s.desktop.settings["Settings/MainLeft"] = "9000000";
    s.desktop.settings["Settings/MainTop"] = "-9000000";
    s.app.state().setDefaults();
    s.app.windows().show<frmMain>();
    WindowView* main = s.host.viewOf("frmMain");
    ASSERT_NE(main, nullptr);
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_TRUE(screen.intersects(main->frameGeometry()));
}

// The main window's place is stored in twips and read back at the next start. At 96 dpi a pixel
// is 15 twips: x = -5 px is stored as -75 twips, and -75 / 15 = -5 px again, not -4.
TEST(MainWindowView, AStoredPlaceComesBackOnEitherSideOfThePrimaryScreensOrigin) {
    for (const int pixels : {-1000, -5, -1, 0, 1, 5, 1000}) {
        EXPECT_EQ(twipsToPixels(pixelsToTwips(pixels, nullptr), nullptr), pixels) << pixels;
    }
}

} // namespace
} // namespace korvex::gui
