#pragma once

// Where the finished lines of a ReportWriter go. The listing window's list, and a test, take the
// lines themselves (`List1 = out.take()`); a printout and a text file go through the program's
// printing and text files, so that a missing or failing printer and a failed write are handled as
// for every other printout and file.
//
//     ReportWriter out(Output::SavedListing, app.part<ReportLines>());
//     writeObservationReport(out, ...);
//     saveToChosenFile(desktop, dialog, nullptr, [&] { return reportFileBytes(out); });

#include "app/desktop.h"
#include "report/report_writer.h"

#include <string>

namespace korvex::report {

// The printout: one printed line per line in the report's font, 8 point "MS sans Serif", 25 mm in
// from the edge of the page; without a printer the same pages are offered as a PDF file.
void printReport(Desktop& desktop, const ReportWriter& out);

// The text file: each line in Windows-1252, ended by CR LF.
std::string reportFileBytes(const ReportWriter& out);

// Writes the text file to the path through a temporary file, so a failure keeps the old file;
// a FileError names the file and the reason.
void writeReportFile(const std::string& path, const ReportWriter& out);

} // namespace korvex::report
