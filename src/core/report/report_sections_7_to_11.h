#pragma once

// Sections 7 to 11 of the settlement and consolidation report: the settlements of the fill layer
// against time for instantaneous and gradual load, the rest-settlement times, and the degrees of
// consolidation. Every value is written as the consolidation calculation left it.

#include "report/report_writer.h"

namespace korvex {
struct Module1;
}

namespace korvex::report {

void writeSection7(ReportWriter& out, const Module1& st);
void writeSection8(ReportWriter& out, const Module1& st);
void writeSection9(ReportWriter& out, const Module1& st);
void writeSection10(ReportWriter& out, const Module1& st);
void writeSection11(ReportWriter& out, const Module1& st);

} // namespace korvex::report
