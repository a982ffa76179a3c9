#pragma once

// Sections 12 to 14 of the settlement and consolidation report: the stresses at the middle of
// every layer, the settlements of every layer and of the stack per load step and time, and the
// fill steps. Every value is written as the settlement calculation stored it.

#include "report/report_writer.h"

namespace korvex {
struct Module1;
}

namespace korvex::report {

void writeSection12(ReportWriter& out, const Module1& st);
void writeSection13(ReportWriter& out, const Module1& st);
void writeSection14(ReportWriter& out, const Module1& st);

} // namespace korvex::report
