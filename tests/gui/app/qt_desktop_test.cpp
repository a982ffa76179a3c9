#include "app/qt_desktop.h"

#include "support/dialog_script.h"

#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace korvex::gui {
namespace {

TEST(QtDesktop, SettingsRoundTripBySectionAndKey) {
    QtDesktop desktop;
    desktop.saveSetting("Settings", "MainLeft", "1234");
    EXPECT_EQ(desktop.getSetting("Settings", "MainLeft"), std::optional<std::string>("1234"));
    EXPECT_EQ(desktop.getSetting("Settings", "NoSuchKey"), std::nullopt);
}

TEST(QtDesktop, AnswersItsDialogsFromAScript) {
    QTemporaryDir dir;
    const QString existing = dir.filePath("old.txt");
    QFile(existing).open(QIODevice::WriteOnly);
    QtDesktop desktop;
    test::DialogScript script;
    script.yes().no().chooseFile(existing).cancel();

    EXPECT_TRUE(desktop.askYesNo("Replace?", "Save"));
    EXPECT_FALSE(desktop.askYesNo("Replace?", "Save"));
    // Told not to confirm, the dialog returns an existing file without asking about it.
    FileDialogRequest request{"Save", "Text files(*.txt)|*.txt", 1, ""};
    request.confirmReplace = false;
    EXPECT_EQ(desktop.showSave(request), ss(existing));
    EXPECT_EQ(desktop.showSave(request), std::nullopt);
    EXPECT_EQ(script.seen(),
              (QStringList{"message: Replace?", "message: Replace?", "save: Save", "save: Save"}));
}

TEST(QtDesktop, PageSetupShowsThePrinterDialog) {
    QtDesktop desktop;
    test::DialogScript script;
    script.print();
    EXPECT_TRUE(desktop.showPrinter("Page Setup"));
    EXPECT_EQ(script.seen(), QStringList{"printer: Page Setup"});
}

} // namespace
} // namespace korvex::gui
