#include "report/main_menu_printout.h"

#include "program/frm_main.h"
#include "report/header_texts.h"
#include "report/settlement_report.h"
#include "state/module1.h"
#include "support/test_app.h"

#include <gtest/gtest.h>

namespace korvex::test {
namespace {

// File, Print from the main window, as the user meets it: the toolbar and the menu reach the same
// command once it is installed.
TEST(MainMenuPrintout, RefusesWithoutAMethodPrintsNothingOnCancelAndNeverTheObservationReport) {
    struct Case {
        const char* name;
        Integer method;
        bool pageSetupOk;
        bool printerInstalled;
        bool printSucceeds;
        std::size_t printerDialogs, printed, pdfOffers;
        const char* message;
    };
    const Case cases[] = {
        {"no method", 0, true, true, true, 0, 0, 0, "No file or calculations available"},
        {"Cancel in Page Setup", 1, false, true, true, 1, 0, 0, nullptr},
        {"printed", 2, true, true, true, 1, 1, 0, nullptr},
        {"printer fails", 1, true, true, false, 1, 1, 0,
         "The printout could not be printed. Please check that a printer is installed and ready."},
        {"no printer: PDF offered at once, Cancel", 1, true, false, true, 0, 0, 1, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TestApp t;
        frmMain& main = t.windows().load<frmMain>();
        t.state().Method = c.method;
        t.state().ListMode = 1; // left so by the observation window
        t.desktop.printerAnswers = {c.pageSetupOk};
        t.desktop.printerInstalled = c.printerInstalled;
        t.desktop.printSucceeds = c.printSucceeds;
        t.desktop.saveAnswers = {std::nullopt};

        ASSERT_TRUE(main.isEnabled("mnuFilePrint"));
        main.tbToolBar_ButtonClick("Print");

        EXPECT_EQ(t.desktop.printerTitles.size(), c.printerDialogs);
        if (c.printerDialogs > 0) {
            EXPECT_EQ(t.desktop.printerTitles[0], "Page Setup");
        }
        EXPECT_EQ(t.desktop.saveRequests.size(), c.pdfOffers);
        ASSERT_EQ(t.desktop.printedText.size(), c.printed);
        if (c.message == nullptr) {
            EXPECT_TRUE(t.desktop.messages.empty());
        } else {
            ASSERT_EQ(t.desktop.messages.size(), 1u);
            EXPECT_EQ(t.desktop.messages[0].text, c.message);
        }
        if (c.method == 0) {
            EXPECT_EQ(t.desktop.messages[0].caption, "KORVEX message");
            EXPECT_EQ(t.desktop.messages[0].style, vbOKOnly);
        }
        if (c.printed > 0) {
            report::ReportWriter expected(report::Output::MainMenuPrintout, t.state());
            report::writeSettlementReport(expected, t.state(), headerTexts(t.app));
            EXPECT_EQ(t.desktop.printedText[0].lines, expected.lines());
            EXPECT_EQ(t.desktop.printedText[0].lines[0], "Program: KORVEX version 3.0  ");
        }
    }
}

} // namespace
} // namespace korvex::test
