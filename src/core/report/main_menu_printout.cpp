#include "report/main_menu_printout.h"

#include "app/application.h"
#include "report/header_texts.h"
#include "report/method_refusal.h"
#include "report/report_sinks.h"
#include "report/settlement_report.h"
#include "state/module1.h"

namespace korvex::report {

void printMainMenuReport(Application& app) {
    if (refusedWithoutMethod(app)) {
        return;
    }
    Module1& st = app.state();
    Desktop& desktop = app.desktop();
    // Without a printer there is nothing to set up: the save dialog of the PDF is the one dialog,
    // and the file named there is the file written.
    if (desktop.printerAvailable() && !desktop.showPrinter("Page Setup")) {
        return;
    }
    ReportWriter out(Output::MainMenuPrintout, st);
    writeSettlementReport(out, st, headerTexts(app));
    printReport(desktop, out);
}

} // namespace korvex::report
