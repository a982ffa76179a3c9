#include "report/main_menu_printout.h"

#include "app/application.h"
#include "app/frm_main.h"
#include "app/module1.h"
#include "report/header_texts.h"
#include "report/report_sinks.h"
#include "report/settlement_report.h"

namespace korvex::report {

void printMainMenuReport(Application& app) {
    if (refusedWithoutMethod(app)) {
        return;
    }
    Module1& st = app.state();
    Desktop& desktop = app.desktop();
    if (!desktop.showPrinter("Page Setup")) {
        return;
    }
    ReportWriter out(Output::MainMenuPrintout, st);
    writeSettlementReport(out, st, headerTexts(app));
    printReport(desktop, out);
}

} // namespace korvex::report
