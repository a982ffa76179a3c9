#include "gui/settlement/settlement_session.h"
#include "program/frm_main.h"
#include "program/frm_main_view.h"
#include "program/program_windows.h"
#include "program/register_views.h"
#include "settlement/form1_settlement_input.h"
#include "settlement/form1_settlement_input_view.h"
#include "support/dialog_script.h"
#include "support/screenshot.h"

#include <QPushButton>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <memory>

namespace korvex::test {
namespace {

// One run of the program on the real views and file dialogs; messages are recorded.
struct Program {
    RecordingQtDesktop desktop;
    Application app{desktop, registerWindowModels};
    gui::GuiHost host{app};

    Program() {
        app.state().setDefaults();
        gui::registerAllViews(host);
        app.windows().show<frmMain>();
    }
    ~Program() { app.windows().unloadAll(); }

    gui::FrmMainView& main() { return *dynamic_cast<gui::FrmMainView*>(host.viewOf("frmMain")); }
    gui::Form1View* input() { return dynamic_cast<gui::Form1View*>(host.viewOf("Form1")); }
};

struct TypedBox {
    const char* name;
    const char* text;
};

// Two soft layers under a surface at -0.5, a water table lowered from -1 to -1.5 and a required
// level of 1.25: typed with decimals that the report's patterns would round.
constexpr TypedBox kBoxes[] = {{"Text4", "-0.5"}, {"Text5", "-1"},    {"Text15", "-1.5"},
                               {"Text7", "2"},    {"Text11", "1.25"}, {"Text6", "1.85"}};
constexpr const char* kLayers[2][8] = {
    {"-2.125", "1.55", "0.012345", "1.45", "0.41", "1.45", "21.5", "0.0165"},
    {"-6", "1.45", "0.031", "2.75", "1.125", "2.75", "35.125", "0.041"}};

TEST(ProjectFileView, SavedSiteOpensInAFreshProgramAndCalculatesTheSameFillThicknessScreenshot) {
    QTemporaryDir dir;
    const QString path = dir.filePath("dike.prj");
    Single fillThickness = 0;
    {
        Program first;
        first.main().action("MnuBjerrum")->trigger();
        gui::Form1View* input = first.input();
        ASSERT_NE(input, nullptr);
        for (const TypedBox& b : kBoxes) {
            typeBox(input->box(b.name), b.text);
        }
        for (int r = 1; r <= 2; ++r) {
            for (int c = 1; c <= 8; ++c) {
                typeCell(input->layerTable(), r, c, kLayers[r - 1][c - 1]);
            }
        }
        QTest::mouseClick(input->button("Calculate Settlements"), Qt::LeftButton);
        QApplication::processEvents();
        fillThickness = first.app.state().FillThickness;
        ASSERT_GT(fillThickness, 0.0f);

        DialogScript script;
        script.chooseFile(path);
        first.main().action("mnuFileSave")->trigger();
        EXPECT_EQ(script.seen(), QStringList{"save: Save"});
        ASSERT_EQ(first.desktop.messages.size(), 2u);
        EXPECT_EQ(first.desktop.messages[1].text, "The saved File is:  " + path.toStdString());
    }

    Program second;
    {
        DialogScript script;
        script.chooseFile(path);
        second.main().action("mnuFileOpen")->trigger();
        EXPECT_EQ(script.seen(), QStringList{"open: Open"});
    }
    ASSERT_EQ(second.desktop.messages.size(), 1u);
    EXPECT_EQ(second.desktop.messages[0].text, "The opened File is:  " + path.toStdString());
    gui::Form1View* input = second.input();
    ASSERT_NE(input, nullptr);
    EXPECT_TRUE(input->isVisible());
    for (const TypedBox& b : kBoxes) {
        EXPECT_EQ(input->box(b.name)->text().toStdString(), b.text) << b.name;
    }
    for (int r = 1; r <= 2; ++r) {
        for (int c = 1; c <= 8; ++c) {
            EXPECT_EQ(input->layerTable().item(r - 1, c)->text().toStdString(),
                      kLayers[r - 1][c - 1])
                << "row " << r << " column " << c;
        }
    }
    saveScreenshot(input, "project-opened-settlement-input");

    QTest::mouseClick(input->button("Calculate Settlements"), Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_EQ(second.app.state().FillThickness, fillThickness);
}

} // namespace
} // namespace korvex::test
