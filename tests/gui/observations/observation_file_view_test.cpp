#include "app/gui_host.h"
#include "app/qt_desktop.h"
#include "observations/form13_observations_view.h"
#include "program/frm_main.h"
#include "program/program_windows.h"
#include "program/register_views.h"
#include "state/module1.h"
#include "support/dialog_script.h"
#include "support/typing.h"
#include "ui/grid_view.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace korvex::gui {
namespace {

struct NoPrinterDesktop : QtDesktop {
    bool printerAvailable() override { return false; }
};

// Empties a cell as a user does: open the cell's box, delete its text, Enter.
void clearCell(GridView& table, int row, int col) {
    table.setFocus();
    table.setCurrentCell(row - 1, col);
    QTest::keyClick(&table, '0');
    QLineEdit* box = table.cellEditor();
    box->selectAll();
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClick(box, Qt::Key_Return);
    QApplication::processEvents();
}

TEST(ObservationFileView, ReadingsSavedAreFoundAgainAndPrintWithoutPrinterWritesAPdf) {
    QTemporaryDir dir;
    NoPrinterDesktop desktop;
    Application app{desktop, registerWindowModels};
    GuiHost host{app};
    registerAllViews(host);
    app.state().setDefaults();
    app.windows().load<frmMain>().MnuObservation_Click();
    QApplication::processEvents();
    auto& view = *static_cast<Form13View*>(host.viewOf("Form13"));
    ASSERT_EQ(view.fileItems().size(), 3u);
    for (QAction* item : view.fileItems()) {
        EXPECT_TRUE(item->isEnabled());
    }
    QAction* open = view.fileItems()[0];
    QAction* save = view.fileItems()[1];
    QAction* print = view.fileItems()[2];

    const char* readings[4][2] = {{"5", "0.1"}, {"10", "0.16"}, {"15", "0.2"}, {"20", "0.22"}};
    for (int r = 0; r < 4; ++r) {
        test::typeCell(view.measurements(), r + 1, 1, readings[r][0]);
        test::typeCell(view.measurements(), r + 1, 2, readings[r][1]);
    }
    const QString file = dir.filePath("plate 1.obs");
    {
        test::DialogScript script;
        script.chooseFile(file).ok();
        save->trigger();
        EXPECT_EQ(script.seen(), (QStringList{"save: Save Observation file",
                                              "message: The saved observation File is:  " + file}));
    }
    for (int r = 1; r <= 4; ++r) {
        clearCell(view.measurements(), r, 1);
        clearCell(view.measurements(), r, 2);
    }
    ASSERT_EQ(view.measurements().item(0, 2)->text(), "");
    {
        test::DialogScript script;
        script.chooseFile(file).ok();
        open->trigger();
        EXPECT_EQ(script.seen(), (QStringList{"open: Open Observation file",
                                              "message: The opened File is:  " + file}));
    }
    QApplication::processEvents();
    for (int r = 0; r < 4; ++r) {
        EXPECT_EQ(view.measurements().item(r, 1)->text(), readings[r][0]);
        EXPECT_EQ(view.measurements().item(r, 2)->text(), readings[r][1]);
    }

    const QString pdf = dir.filePath("observations.pdf");
    {
        test::DialogScript script;
        script.chooseFile(pdf);
        print->trigger();
    }
    QFile printed(pdf);
    ASSERT_TRUE(printed.open(QIODevice::ReadOnly));
    EXPECT_TRUE(printed.readAll().startsWith("%PDF"));
    app.windows().unloadAll();
}

} // namespace
} // namespace korvex::gui
