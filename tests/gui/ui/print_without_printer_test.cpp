#include "app/application.h"
#include "app/gui_host.h"
#include "app/qt_desktop.h"
#include "program/frm_main.h"
#include "program/frm_main_view.h"
#include "program/program_windows.h"
#include "program/register_views.h"
#include "settlement/form2_soil_stresses.h"
#include "state/module1.h"
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

// The program on a machine without a printer, every window's view registered.
struct NoPrinterProgram {
    QTemporaryDir dir;
    NoPrinterDesktop desktop;
    Application app{desktop, registerWindowModels};
    gui::GuiHost host{app};

    NoPrinterProgram() {
        app.state().setDefaults();
        gui::registerAllViews(host);
    }
    ~NoPrinterProgram() { app.windows().unloadAll(); }

    template <class View, class Model> View* show() {
        return dynamic_cast<View*>(host.viewOf(app.windows().show<Model>()));
    }
};

TEST(PrintWithoutPrinter, PrintInAGraphWindowWritesAPdfThroughTheSaveDialog) {
    NoPrinterProgram p;
    auto* view = p.show<gui::GraphWindowView, Form2>();
    ASSERT_NE(view, nullptr);
    const QString pdf = p.dir.filePath("soil stresses.pdf");

    DialogScript script;
    script.cancel().chooseFile(pdf);
    QTest::mouseClick(view->printButton(), Qt::LeftButton);
    EXPECT_TRUE(QDir(p.dir.path()).isEmpty());
    QTest::mouseClick(view->printButton(), Qt::LeftButton);

    const QString title = "save: No printer is installed: save the printout as PDF";
    EXPECT_EQ(script.seen(), (QStringList{title, title}));
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    EXPECT_GT(bytes.size(), 1000);
    EXPECT_EQ(QDir(p.dir.path()).entryList(QDir::Files), QStringList{"soil stresses.pdf"});
}

TEST(PrintWithoutPrinter, FilePrintAsksOnceForThePdfAndWritesTheFileNamedThere) {
    NoPrinterProgram p;
    auto* main = p.show<gui::FrmMainView, frmMain>();
    ASSERT_NE(main, nullptr);
    p.app.state().Method = 1;
    const QString pdf = p.dir.filePath("report.pdf");

    DialogScript script;
    script.cancel().chooseFile(pdf);
    main->action("mnuFilePrint")->trigger();
    EXPECT_TRUE(QDir(p.dir.path()).isEmpty());
    main->action("mnuFilePrint")->trigger();

    const QString title = "save: No printer is installed: save the printout as PDF";
    EXPECT_EQ(script.seen(), (QStringList{title, title}));
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().startsWith("%PDF"));
    EXPECT_EQ(QDir(p.dir.path()).entryList(QDir::Files), QStringList{"report.pdf"});
}

} // namespace
} // namespace korvex::test
