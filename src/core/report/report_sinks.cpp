#include "report/report_sinks.h"

#include "app/printing.h"
#include "app/text_file.h"

namespace korvex::report {

void printReport(Desktop& desktop, const ReportWriter& out) {
    TextPrintJob job;
    job.lines = out.lines();
    job.fontName = "MS sans Serif";
    job.fontSizePoints = 8.0;
    job.marginMillimetres = 25.0;
    printTextPages(desktop, job);
}

std::string reportFileBytes(const ReportWriter& out) {
    return textFileBytes(out.lines());
}

void writeReportFile(const std::string& path, const ReportWriter& out) {
    writeTextFile(path, out.lines());
}

} // namespace korvex::report
