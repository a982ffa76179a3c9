#include "app/gui_host.h"
#include "app/qt_desktop.h"
#include "observations/form13_observations.h"
#include "program/frm_main.h"
#include "program/program_windows.h"
#include "program/register_views.h"
#include "report/form18_listing_view.h"
#include "settlement/form3_settlement_results.h"
#include "state/module1.h"
#include "support/dialog_script.h"

#include <QApplication>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace korvex::gui {
namespace {

TEST(Form18ListingView, EachListShowsItsReportInTheSameWindowAndSaveWritesIt) {
    QTemporaryDir dir;
    QtDesktop desktop;
    Application app{desktop, registerWindowModels};
    GuiHost host{app};
    registerAllViews(host);
    app.state().setDefaults();
    app.state().Method = 1;
    app.state().NLayers = 1;

    app.windows().load<frmMain>().MnuObservation_Click();
    app.windows().find<Form13>()->Command13_Click();
    QApplication::processEvents();
    auto* view = dynamic_cast<Form18View*>(host.viewOf("Form18"));
    ASSERT_NE(view, nullptr);
    ASSERT_GE(view->list().count(), 2);
    EXPECT_EQ(view->list().item(1)->text(),
              "Program: KORVEX version 3.0  SETTLEMENT OBSERVATIONDATA+++");

    app.windows().show<Form3>().Command9_Click();
    QApplication::processEvents();
    EXPECT_EQ(host.viewOf("Form18"), view);
    ASSERT_GE(view->list().count(), 1);
    EXPECT_EQ(view->list().item(0)->text(), "Program: KORVEX version 3.0 ");

    QPushButton* save = nullptr;
    for (QPushButton* button : view->findChildren<QPushButton*>()) {
        if (button->text() == "Save under Filename") {
            save = button;
        }
    }
    ASSERT_NE(save, nullptr);
    const QString file = dir.filePath("listing.txt");
    {
        test::DialogScript script;
        script.chooseFile(file).ok();
        save->click();
        EXPECT_EQ(script.seen(), (QStringList{"save: Save Observation file",
                                              "message: The saved observation File is:  " + file}));
    }
    QFile written(file);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_TRUE(written.readAll().startsWith("Program: KORVEX version 3.0  +++\r\n"));
}

} // namespace
} // namespace korvex::gui
