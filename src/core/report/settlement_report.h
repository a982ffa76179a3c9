#pragma once

// The settlement and consolidation report: the header, then the numbered sections in order. Every
// output (the listing, its printout, the saved listing, the main-menu printout) writes it through
// this one builder; what differs between them is looked up from the writer's output.

#include "report/header_texts.h"
#include "report/report_writer.h"

namespace korvex {
struct Module1;
}

namespace korvex::report {

// Writes the whole report. `out` must hold the line buffers of `st`: section 3 repeats lines that
// section 1 keeps there. Not const: section 2 sets the extra-fill Ch of every undrained layer to
// 0 in the state itself, and the line buffers keep this run's rows.
void writeSettlementReport(ReportWriter& out, Module1& st, const HeaderTexts& header);

// The program line, the notice, the three header texts as given, and the rule under them.
void writeReportHeader(ReportWriter& out, const HeaderTexts& header);

// The settlement input: levels, soil masses, fill steps and the layer table of the method.
void writeSection1(ReportWriter& out, const Module1& st);

// The consolidation input and the per-layer coefficients of the extra-fill calculation.
void writeSection2(ReportWriter& out, Module1& st);

} // namespace korvex::report
