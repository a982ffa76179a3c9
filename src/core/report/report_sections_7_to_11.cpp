#include "report/report_sections_7_to_11.h"

#include "report/report_sections_3_to_6.h"
#include "state/module1.h"

namespace korvex::report {

namespace {

struct Sections7To11Differences {
    Output output;
    const char* title7;
    const char* title8;
    const char* title9;
    const char* title10;
    const char* title11;
    // Tabs after "Hor.Flow" and after "Vert.Flow" in the column heads of sections 7, 8, 10, 11.
    int tabsBetweenFlowHeads;
    // The instantaneous and gradual "Hor.Flow" settlement column.
    num::NumberPattern horSettlementPattern;
    int emptyLinesAfterSection8;
    int tabsBeforeHorFlowHead9;
    int emptyLinesAfterSection9;
};

constexpr const char* kTitle7 = "7.  CONSOLIDATION SETTLEMENTS FILL LAYER";
constexpr const char* kTitle8 = "8.  CONSOLIDATION SETTLEMENTS FILL LAYER";
constexpr const char* kTitle9 =
    "9.  SETTLEMENT TIMES FOR INSTANTANEOUS LOAD AFTER WHICH ONLY THE RESTSETTLEMENTS OCCURS";
constexpr const char* kTitle9Printed =
    "9.  SETTLEMENT TIMES FOR INSTANTANEOUS LOAD AFTER WHICH OCCURS ONLY THE RESTSETTLEMENTS";
constexpr const char* kTitle10 = "10.  DEGREE OF CONSOLIDATION";
constexpr const char* kTitle11 = "11.  DEGREE OF CONSOLIDATION";
// The files (the saved listing and the project file) write every title with one blank more, and
// section 9's in another word order.
constexpr const char* kTitle7File = "7.   CONSOLIDATION SETTLEMENTS FILL LAYER";
constexpr const char* kTitle8File = "8.   CONSOLIDATION SETTLEMENTS FILL LAYER";
constexpr const char* kTitle9File =
    "9.   SETTLEMENT TIMES FOR INSTANTANEOUS LOAD AFTER WHICH ONLY THE RESTSETTLEMENTS OCCURS";
constexpr const char* kTitle10File = "10.   DEGREE OF CONSOLIDATION";
constexpr const char* kTitle11File = "11.   DEGREE OF CONSOLIDATION";

// Sections 8 and 9 together end with three empty lines in every output, split differently.
constexpr Sections7To11Differences kDifferences[] = {
    {Output::Listing, kTitle7, kTitle8, kTitle9, kTitle10, kTitle11, 2, "##0.00#", 1, 3, 2},
    {Output::ListingPrintout, kTitle7, kTitle8, kTitle9Printed, kTitle10, kTitle11, 1, "##0.00#", 2,
     2, 1},
    {Output::SavedListing, kTitle7File, kTitle8File, kTitle9File, kTitle10File, kTitle11File, 1,
     "##0.00#", 2, 2, 1},
    {Output::MainMenuPrintout, kTitle7, kTitle8, kTitle9Printed, kTitle10, kTitle11, 1, "##0.00", 2,
     2, 1},
    {Output::ProjectFile, kTitle7File, kTitle8File, kTitle9File, kTitle10File, kTitle11File, 1,
     "##0.00", 2, 2, 1},
};

// The consolidation tables stop at this time point although the calculation fills more.
constexpr int kReportedTimePoints = 16;
constexpr int kReportedRestRows = 10;

// Sections 7, 8, 10 and 11: a table of the reported time points with the horizontal, vertical
// and combined flow; the settlement sections state the primary settlements above it.
template <typename FlowColumn>
void writeTimeSection(ReportWriter& out, const Module1& st, const char* title, const char* loadLine,
                      bool primarySettlements, const FlowColumn& hor, num::NumberPattern horPattern,
                      const FlowColumn& vert, const SingleArray<21>& both,
                      StringArray<20> ReportLines::*buffer) {
    const Sections7To11Differences& d = forOutput(kDifferences, out.output());
    out.line(title);
    out.line(loadLine);
    if (primarySettlements) {
        out.line("Primary settlement Vertical flow [m] :", plain(st.SPrimVert));
        out.line("Primary settlement Horizontal flow [m] :", plain(st.SPrimHor));
    }
    out.line("Time", tabs(2), "Hor.Flow", tabs(d.tabsBetweenFlowHeads), "Vert.Flow",
             tabs(d.tabsBetweenFlowHeads), "Hor.Vert.Flow");
    out.line("days", tabs(2), "m", tabs(2), "m", tabs(2), "m");
    for (int i = 1; i <= kReportedTimePoints; ++i) {
        out.row(buffer, i, plain(st.TPred(i)), tabs(2), pattern(hor(i), horPattern), tabs(2),
                pattern(vert(i), "##0.00#"), tabs(2), pattern(both(i), "##0.00#"));
    }
}

void emptyLines(ReportWriter& out, int count) {
    for (int k = 0; k < count; ++k) {
        out.empty();
    }
}

} // namespace

void writeSection7(ReportWriter& out, const Module1& st) {
    const Sections7To11Differences& d = forOutput(kDifferences, out.output());
    writeTimeSection(out, st, d.title7, "Instantaneous load", true, st.SHorIL,
                     d.horSettlementPattern, st.SVertIL, st.SHorVertIL,
                     &ReportLines::LinesConsolIL);
    out.empty();
}

void writeSection8(ReportWriter& out, const Module1& st) {
    const Sections7To11Differences& d = forOutput(kDifferences, out.output());
    writeTimeSection(out, st, d.title8, "Gradually load after Olson", true, st.SHorGL,
                     d.horSettlementPattern, st.SVertGL, st.SHorVertGL,
                     &ReportLines::LinesConsolGL);
    emptyLines(out, d.emptyLinesAfterSection8);
}

void writeSection9(ReportWriter& out, const Module1& st) {
    const Sections7To11Differences& d = forOutput(kDifferences, out.output());
    out.line(d.title9);
    out.line("Restsettlement", tab, "Necessary time", tabs(2), "Necessary time");
    out.line(tabs(2), "Vert.flow", tabs(d.tabsBeforeHorFlowHead9), "Hor.flow");
    out.line("mm", tabs(2), "days", tabs(3), "days");
    for (int i = 1; i <= kReportedRestRows; ++i) {
        out.row(&ReportLines::LinesSettlTimes, i, pattern(st.RestSett(i), "###0.00"), tabs(2),
                restTimePiece(st.TimeRestVert(i), "#####0.0"), tabs(3),
                restTimePiece(st.TimeRestHor(i), "#####0.0"));
    }
    emptyLines(out, d.emptyLinesAfterSection9);
}

void writeSection10(ReportWriter& out, const Module1& st) {
    writeTimeSection(out, st, forOutput(kDifferences, out.output()).title10, "Instantaneous load",
                     false, st.UHorIL, "##0.00", st.UVertIL, st.UHorVertIL,
                     &ReportLines::LinesDegreeIL);
    out.empty();
}

void writeSection11(ReportWriter& out, const Module1& st) {
    writeTimeSection(out, st, forOutput(kDifferences, out.output()).title11,
                     "Gradually load after Olson", false, st.UHorGL, "##0.00", st.UVertGL,
                     st.UHorVertGL, &ReportLines::LinesDegreeGL);
    out.empty();
}

} // namespace korvex::report
