#include "report/report_section_15.h"

#include "state/module1.h"

namespace korvex::report {

namespace {

// The files write the title with one blank more; the main-menu printout and the project file leave
// out the drain spacing; every output but the listing sets the column header, the unit row and the
// data rows with one tab more before the total.
struct Section15Differences {
    Output output;
    const char* title;
    bool drainSpacing;
    const char* columnHeader;
    const char* unitRow;
    int tabsBeforeTotal;
};
constexpr Section15Differences kDifferences[] = {
    {Output::Listing, "15.  CONSOLIDATION SETTLEMENTS FOR FILL THICKNESS + PRELOAD", true,
     "Time\t\tHor.Flow\t\tVert.Flow rest layer\tTotal drained + rest layer", "days\t\tm\t\tm\t\tm",
     2},
    {Output::ListingPrintout, "15.  CONSOLIDATION SETTLEMENTS FOR FILL THICKNESS + PRELOAD", true,
     "Time\t\tHor.Flow\tVert.Flow rest layer\tTotal drained + rest layer", "days\t\tm\t\tm\t\t\tm",
     3},
    {Output::SavedListing, "15.   CONSOLIDATION SETTLEMENTS FOR FILL THICKNESS + PRELOAD", true,
     "Time\t\tHor.Flow\tVert.Flow rest layer\tTotal drained + rest layer", "days\t\tm\t\tm\t\t\tm",
     3},
    {Output::MainMenuPrintout, "15.  CONSOLIDATION SETTLEMENTS FOR FILL THICKNESS + PRELOAD", false,
     "Time\t\tHor.Flow\tVert.Flow rest layer\tTotal drained + rest layer", "days\t\tm\t\tm\t\t\tm",
     3},
    {Output::ProjectFile, "15.   CONSOLIDATION SETTLEMENTS FOR FILL THICKNESS + PRELOAD", false,
     "Time\t\tHor.Flow\tVert.Flow rest layer\tTotal drained + rest layer", "days\t\tm\t\tm\t\t\tm",
     3},
};

constexpr int kPreloadCases = 6;
constexpr int kPreloadTimes = 16;

// The preload curves are computed at the preload's own time points, not at the prediction times,
// which an observation file may replace: a row shows the time its settlements belong to. Before
// any preload calculation those points are unset and every settlement is 0, so the prediction
// times stand in.
Single preloadTime(const Module1& st, int i) {
    return st.TPreload(1) > 0.0f ? st.TPreload(i) : st.TPred(i);
}

} // namespace

void writeSection15(ReportWriter& out, const Module1& st) {
    const Section15Differences& d = forOutput(kDifferences, out.output());
    out.line(d.title);
    out.line("Instantaneous load");
    out.line("In case drains will be installed partially in the soft layers the settlements");
    out.line("in the 'rest layer' under the drain end are calculated by an approximation.");
    out.empty();
    if (d.drainSpacing) {
        out.line("The drainspacing for triangular pattern [m] is :", plain(st.SpacingTriPre));
        out.empty();
    }
    for (int k = 1; k <= kPreloadCases; ++k) {
        out.line("Preload [m] :", plain(st.ExtraFill(k)), tab,
                 "Total thickness Fill  + Preload [m] :", plain(st.FillPlusPreload(k)));
        out.line(d.columnHeader);
        out.line(d.unitRow);
        for (int i = 1; i <= kPreloadTimes; ++i) {
            out.row(&ReportLines::LinesPreload, i, plain(preloadTime(st, i)), tabs(2),
                    pattern(st.SPreloadHor(i, k), "##0.00"), tabs(2),
                    pattern(st.SPreloadVertRest(i, k), "##0.00#"), tabs(d.tabsBeforeTotal),
                    pattern(st.SPreloadTotal(i, k), "##0.00#"));
        }
        out.empty();
    }
}

} // namespace korvex::report
