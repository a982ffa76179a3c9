#pragma once

// Sections 3 to 6 of the settlement and consolidation report: the fill thickness for the required
// surface level, the two points of the log-time lines, the consolidation and rest-settlement
// times, and the drains. Every value is written as the state holds it.

#include "app/vb_types.h"
#include "report/report_writer.h"

#include <optional>
#include <string>

namespace korvex {
struct Module1;
}

namespace korvex::report {

// Section 3 repeats three lines of section 1 from LinesInput(1), (2) and (5), so section 1 of the
// same run must have written them to `out` before.
void writeSection3(ReportWriter& out, const Module1& st);
void writeSection4(ReportWriter& out, const Module1& st);
void writeSection5(ReportWriter& out, const Module1& st);
void writeSection6(ReportWriter& out, const Module1& st);

// A rest-settlement time as the report writes it where a number would stand: its plain number
// text (or by a format pattern), or " not reached" for the bound a search that never reached its
// target stops at.
struct RestTimePiece {
    Single days;
    std::optional<num::NumberPattern> pattern;
    void appendTo(std::string& text) const;
};
RestTimePiece restTimePiece(Single days);
RestTimePiece restTimePiece(Single days, num::NumberPattern formatPattern);

} // namespace korvex::report
