#pragma once

// Section 15 of the settlement and consolidation report, the last one: the settlements of the six
// preload cases at 16 time points, with the drained layers, the rest layer under the drain end
// and their total, each as the preload calculation stored it.

#include "report/report_writer.h"

namespace korvex {
struct Module1;
}

namespace korvex::report {

void writeSection15(ReportWriter& out, const Module1& st);

} // namespace korvex::report
