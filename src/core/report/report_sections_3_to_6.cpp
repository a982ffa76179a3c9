#include "report/report_sections_3_to_6.h"

#include "app/number_text.h"
#include "consolidation/rest_settlement_times.h"
#include "report/settlement_report_labels.h"
#include "state/module1.h"

namespace korvex::report {

namespace {

// Only the files differ in these sections: an empty line more after section 6, so that two empty
// lines stand before section 7.
struct Sections3To6Differences {
    Output output;
    bool secondEmptyLineAfterSection6;
};
constexpr Sections3To6Differences kDifferences[] = {
    {Output::Listing, false},     {Output::ListingPrintout, false},
    {Output::SavedListing, true}, {Output::MainMenuPrintout, false},
    {Output::ProjectFile, true},
};

// The rest-settlement times of the row for the accepted rest settlement itself (row i is i fifths).
constexpr int kAcceptedRestRow = 5;

} // namespace

void RestTimePiece::appendTo(std::string& text) const {
    // The bound is where the search gave up, not a time it found: as a number it would read as
    // a settlement time of 1000000 days.
    if (!restTimeReached(days)) {
        text += " not reached";
    } else if (pattern) {
        num::appendPatternText(text, days, *pattern);
    } else {
        num::appendSignedText(text, days);
    }
}

RestTimePiece restTimePiece(Single days) {
    return {days, std::nullopt};
}

RestTimePiece restTimePiece(Single days, num::NumberPattern formatPattern) {
    return {days, formatPattern};
}

void writeSection3(ReportWriter& out, const Module1& st) {
    out.line("3.   ", kSection3Title);
    out.line("The calculation of the necessary layerthickness for the required surface level is "
             "based");
    out.line("on the theory of soil stresses and oedometertests.");
    out.line("For this part of the calculation Consolidation is not included. So the calculation "
             "of the");
    out.line("Fill layer thickness is based on the Log-Time lines without the reduction of "
             "settlements");
    out.line("due to the vertical (and horizontal) flow of the pore water.");
    out.empty();
    out.line(st.LinesInput(1));
    out.line(st.LinesInput(2));
    out.line(st.LinesInput(5));
    out.empty();
    out.line(kFillThicknessLabel, plain(st.FillThickness));
    out.line(kFillSettlementLabel, plain(st.FillSettlement));
    // Written as the Single it would be stored as: 0.3 - 0.5 reads "-.2", not the double's
    // "-.199999988079071".
    const Single effectiveFill =
        num::toSingle(static_cast<double>(st.FillThickness) - st.FillSettlement);
    out.line("Effective Fillthickness [m] :", plain(effectiveFill));
    out.empty();
}

void writeSection4(ReportWriter& out, const Module1& st) {
    out.line("4.   ", kSection4Title);
    out.line(kS10ConsLabel, plain(st.S10Cons));
    out.line(kS10000ConsLabel, plain(st.S10000Cons));
    out.empty();
}

void writeSection5(ReportWriter& out, const Module1& st) {
    out.line("5.   RESULTS RELATED TO REST SETTLEMENT");
    out.line("Consolidation Time for horizontal flow only [days] :", plain(st.TconsHor));
    out.line("Consolidation Time for vertical flow only [days] :", plain(st.TconsVert));
    out.line("Difference S10 000...Sconsolidationperiod for horizontal flow only [m] :",
             plain(st.DiffSHor));
    out.line("Difference S10 000...Sconsolidationperiod for vertical flow only [m] :",
             plain(st.DiffSVert));
    out.line("Settlement time by horizontal flow for accepted rest settlement [days] :",
             restTimePiece(st.TimeRestHor(kAcceptedRestRow)));
    out.line("Settlement time by vertical flow for accepted rest settlement [days] :",
             restTimePiece(st.TimeRestVert(kAcceptedRestRow)));
    out.empty();
}

void writeSection6(ReportWriter& out, const Module1& st) {
    const Sections3To6Differences& d = forOutput(kDifferences, out.output());
    out.line("6.   RESULTS RELATED TO VERTICAL DRAINS");
    out.line("The settlements due to the consolidation process are calculated simultaneously for "
             "drained and undrained conditions (Vert.Flow only).");
    out.empty();
    out.line("Calculated drainzone [m] :", plain(st.DrainZone));
    out.line("Calculated drainspacing triangular pattern [m] :", plain(st.SpacingTri));
    out.line("Calculated drainspacing square pattern [m] :", plain(st.SpacingSq));
    out.empty();
    out.line("Required discharge flow capacity [m3/s] :", plain(st.Discharge));
    out.line("Required discharge flow capacity [m3/year] :", plain(st.DischargeYear));
    out.empty();
    if (d.secondEmptyLineAfterSection6) {
        out.empty();
    }
}

} // namespace korvex::report
