#include "app/qt_desktop.h"

#include "support/dialog_script.h"

#include <QApplication>
#include <QEvent>
#include <QFile>
#include <QFileDialog>
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
    script.yes().no().chooseFile(existing).cancel().chooseFile(dir.filePath("old")).no();

    EXPECT_TRUE(desktop.askYesNo("Replace?", "Save"));
    EXPECT_FALSE(desktop.askYesNo("Replace?", "Save"));
    // Told not to confirm, the dialog returns an existing file without asking about it.
    FileDialogRequest request{"Save", "Text files(*.txt)|*.txt", 1, ""};
    request.confirmReplace = false;
    EXPECT_EQ(desktop.showSave(request), ss(existing));
    EXPECT_EQ(desktop.showSave(request), std::nullopt);
    // Told to confirm, it asks about the file it names, the filter's extension included.
    request.confirmReplace = true;
    EXPECT_EQ(desktop.showSave(request), std::nullopt);
    const QString question =
        "message: The file " + existing + " already exists.\nDo you want to replace it?";
    EXPECT_EQ(script.seen(), (QStringList{"message: Replace?", "message: Replace?", "save: Save",
                                          "save: Save", "save: Save", question}));
}

// The filters of the last file dialog shown while it lives.
class ShownFilters : public QObject {
public:
    QStringList filters;
    ShownFilters() { QApplication::instance()->installEventFilter(this); }
    ~ShownFilters() override { QApplication::instance()->removeEventFilter(this); }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (auto* dialog = qobject_cast<QFileDialog*>(watched);
            dialog != nullptr && event->type() == QEvent::Show) {
            filters = dialog->nameFilters();
        }
        return false;
    }
};

TEST(QtDesktop, AFilterShowsItsDescriptionOnceAndGivesANameTypedWithoutExtensionItsOwn) {
    const std::string observationFilters =
        "Text files(*.txt)|*.txt|Observation files(*.obs)|*.obs|All files(*.*)|*.*|";
    const QStringList observationShown{"Text files(*.txt)", "Observation files(*.obs)",
                                       "All files(*.*)"};
    struct Case {
        std::string filter;
        int filterIndex;
        const char *typed, *saved;
        QStringList shown;
    };
    const Case cases[] = {
        {observationFilters, 2, "readings", "readings.obs", observationShown},
        {observationFilters, 3, "readings", "readings", observationShown},
        // Qt filters by the pattern in parentheses, which this description lacks.
        {"All Files (*.*)|*.*|Observation Files_*.obs|*.obs|",
         2,
         "readings",
         "readings.obs",
         {"All Files (*.*)", "Observation Files_*.obs (*.obs)"}},
    };
    QTemporaryDir dir;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed + std::string(" under ") + c.filter);
        QtDesktop desktop;
        ShownFilters shown;
        test::DialogScript script;
        script.chooseFile(dir.filePath(c.typed));
        FileDialogRequest request{"Save", c.filter, c.filterIndex, ""};
        request.confirmReplace = false;
        EXPECT_EQ(desktop.showSave(request), ss(dir.filePath(c.saved)));
        EXPECT_EQ(shown.filters, c.shown);
    }
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
