#include "app/application.h"
#include "app/frm_main.h"
#include "app/frm_main_view.h"
#include "app/gui_host.h"
#include "app/module1.h"
#include "app/qt_desktop.h"
#include "settlement/form2_soil_stresses.h"
#include "support/dialog_script.h"
#include "ui/graph_window_view.h"

#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

namespace korvex::test {
namespace {

struct NoPrinterDesktop : gui::QtDesktop {
    bool printerAvailable() override { return false; }
};

TEST(PrintWithoutPrinter, PrintInAGraphWindowWritesAPdfThroughTheSaveDialog) {
    QTemporaryDir dir;
    NoPrinterDesktop desktop;
    Application app{desktop};
    gui::GuiHost host{app};
    app.state().setDefaults();
    gui::registerSettlementViews(host);
    auto* view = dynamic_cast<gui::GraphWindowView*>(host.viewOf(app.windows().show<Form2>()));
    ASSERT_NE(view, nullptr);
    const QString pdf = dir.filePath("soil stresses.pdf");

    DialogScript script;
    script.cancel().chooseFile(pdf);
    QTest::mouseClick(view->printButton(), Qt::LeftButton);
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
    QTest::mouseClick(view->printButton(), Qt::LeftButton);

    const QString title = "save: No printer is installed: save the printout as PDF";
    EXPECT_EQ(script.seen(), (QStringList{title, title}));
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    EXPECT_GT(bytes.size(), 1000);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"soil stresses.pdf"});
    app.windows().unloadAll();
}

TEST(PrintWithoutPrinter, FilePrintWritesTheReportAsPdfAndCancelInPageSetupPrintsNothing) {
    QTemporaryDir dir;
    NoPrinterDesktop desktop;
    Application app{desktop};
    gui::GuiHost host{app};
    app.state().setDefaults();
    gui::registerAllViews(host);
    auto* main = dynamic_cast<gui::FrmMainView*>(host.viewOf(app.windows().show<frmMain>()));
    ASSERT_NE(main, nullptr);
    app.state().Method = 1;
    const QString pdf = dir.filePath("report.pdf");

    DialogScript script;
    script.cancel().print().chooseFile(pdf);
    main->action("mnuFilePrint")->trigger();
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
    main->action("mnuFilePrint")->trigger();

    EXPECT_EQ(script.seen(),
              (QStringList{"printer: Page Setup", "printer: Page Setup",
                           "save: No printer is installed: save the printout as PDF"}));
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    EXPECT_GT(bytes.size(), 1000);
    app.windows().unloadAll();
}

} // namespace
} // namespace korvex::test
