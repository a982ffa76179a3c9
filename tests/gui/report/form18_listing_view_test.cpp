#include "app/gui_host.h"
#include "app/qt_desktop.h"
#include "gui/settlement/settlement_session.h"
#include "observations/form13_observations.h"
#include "observations/form13_observations_view.h"
#include "program/frm_main.h"
#include "program/frm_main_view.h"
#include "program/program_windows.h"
#include "program/register_views.h"
#include "report/form18_listing.h"
#include "report/form18_listing_view.h"
#include "settlement/form1_settlement_input_view.h"
#include "settlement/form3_settlement_results.h"
#include "state/module1.h"
#include "support/dialog_script.h"
#include "support/typing.h"

#include <QApplication>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <functional>

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

// The listing, scrolled to its end, is replaced by each of these in turn and starts at its first
// line again.
TEST(Form18ListingView, AReplacedTextStartsAtItsFirstLine) {
    test::RecordingQtDesktop desktop;
    Application app{desktop, registerWindowModels};
    GuiHost host{app};
    registerAllViews(host);
    app.state().setDefaults();
    app.windows().show<frmMain>();
    auto& main = dynamic_cast<FrmMainView&>(*host.viewOf("frmMain"));
    const auto open = [&main](const char* file) {
        test::DialogScript script;
        script.chooseFile(QString(KORVEX_TEST_DATA) + file);
        main.action("mnuFileOpen")->trigger();
    };
    open("/report/settlement_listing_method1.txt");
    main.action("mnulistfile")->trigger();
    auto& list = dynamic_cast<Form18View&>(*host.viewOf("Form18")).list();

    struct Case {
        const char* name;
        std::function<void()> replace;
    };
    const Case cases[] = {
        // The listed site with its surface raised above its first layer.
        {"a new calculation",
         [&] {
             auto& input = dynamic_cast<Form1View&>(*host.viewOf("Form1"));
             test::typeBox(input.box("Text4"), "0");
             input.button("Calculate Settlements")->click();
         }},
        {"File, Open", [&] { open("/project/dike_koppejan.prj"); }},
        {"another report",
         [&] {
             main.action("MnuObservation")->trigger();
             dynamic_cast<Form13View&>(*host.viewOf("Form13")).button("List")->click();
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        list.scrollToBottom();
        QApplication::processEvents();
        ASSERT_GT(list.verticalScrollBar()->value(), 0);
        const std::vector<std::string> before = app.windows().find<Form18>()->List1;
        c.replace();
        QApplication::processEvents();
        EXPECT_NE(app.windows().find<Form18>()->List1, before);
        EXPECT_EQ(list.verticalScrollBar()->value(), 0);
    }
    app.windows().unloadAll();
}

} // namespace
} // namespace korvex::gui
