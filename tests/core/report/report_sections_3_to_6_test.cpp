#include "report/report_sections_3_to_6.h"

#include "state/module1.h"
#include "support/same_lines.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace korvex::report {
namespace {

std::vector<std::string> sections3To6(Output output, const Module1& st, ReportLines& buffers) {
    ReportWriter out(output, buffers);
    writeSection3(out, st);
    writeSection4(out, st);
    writeSection5(out, st);
    writeSection6(out, st);
    return out.take();
}

TEST(ReportSections3To6, WriteEveryValueAsStoredAndOnlyTheSavedListingAddsAnEmptyLine) {
    auto st = std::make_unique<Module1>();
    // As section 1 of the same run left them; element 3 must not appear.
    st->LinesInput(1) = "Original groundlevel vs reference level [m]:  -1.25";
    st->LinesInput(2) = "Surface level required vs reference level [m]:   .5";
    st->LinesInput(3) = "not repeated";
    st->LinesInput(5) = "Settlement time [days]:   10000";
    st->FillThickness = 0.3f;
    st->FillSettlement = 0.5f;
    st->S10Cons = 0.125f;
    st->S10000Cons = 1.5f;
    st->TconsHor = 1234.5f;
    st->TconsVert = 12345678.0f;
    st->DiffSHor = -0.05f;
    st->DiffSVert = 0.0f;
    // Row 5 is the accepted rest settlement; its neighbours must not be read.
    st->TimeRestHor(4) = 700.0f;
    st->TimeRestHor(5) = 1.0e6f; // the bound of a search that never reached its target
    st->TimeRestVert(5) = 850.0f;
    st->TimeRestVert(6) = 900.0f;
    st->DrainZone = 1.365f;
    st->SpacingTri = 1.3f;
    st->SpacingSq = 1.21f;
    st->Discharge = 1.5e-6f;
    st->DischargeYear = 47.304f;

    const std::vector<std::string> listing = {
        "3.   RESULT LAYERTHICKNESS OF FILL",
        "The calculation of the necessary layerthickness for the required surface level is based",
        "on the theory of soil stresses and oedometertests.",
        "For this part of the calculation Consolidation is not included. So the calculation of the",
        "Fill layer thickness is based on the Log-Time lines without the reduction of settlements",
        "due to the vertical (and horizontal) flow of the pore water.",
        "",
        "Original groundlevel vs reference level [m]:  -1.25",
        "Surface level required vs reference level [m]:   .5",
        "Settlement time [days]:   10000",
        "",
        "Calculated Fillthickness [m] : .3",
        "Calculated Settlement for the Fillthickness [m] : .5",
        // 0.3f - 0.5f kept as a Single is -0.2 to seven digits (as a double: -.199999988079071).
        "Effective Fillthickness [m] :-.2",
        "",
        "4.   CALCULATED SETTLEMENTPOINTS Log-Time LINES",
        "Setttlement after 10 days [m] : .125",
        "Settlement after 10 000 days [m] : 1.5",
        "",
        "5.   RESULTS RELATED TO REST SETTLEMENT",
        "Consolidation Time for horizontal flow only [days] : 1234.5",
        // Eight integer digits need more than a Single's seven: exponent form.
        "Consolidation Time for vertical flow only [days] : 1.234568E+07",
        "Difference S10 000...Sconsolidationperiod for horizontal flow only [m] :-.05",
        "Difference S10 000...Sconsolidationperiod for vertical flow only [m] : 0",
        "Settlement time by horizontal flow for accepted rest settlement [days] : not reached",
        "Settlement time by vertical flow for accepted rest settlement [days] : 850",
        "",
        "6.   RESULTS RELATED TO VERTICAL DRAINS",
        // NOLINTNEXTLINE(bugprone-suspicious-missing-comma): one line, wrapped here only
        "The settlements due to the consolidation process are calculated simultaneously for "
        "drained and undrained conditions (Vert.Flow only).",
        "",
        "Calculated drainzone [m] : 1.365",
        "Calculated drainspacing triangular pattern [m] : 1.3",
        "Calculated drainspacing square pattern [m] : 1.21",
        "",
        "Required discharge flow capacity [m3/s] : 1.5E-06",
        "Required discharge flow capacity [m3/year] : 47.304",
        "",
    };

    struct Case {
        Output output;
        int emptyLinesAfterSection6;
    };
    const Case cases[] = {
        {Output::Listing, 0},
        {Output::ListingPrintout, 0},
        // Two empty lines stand between section 6 and section 7 in the file.
        {Output::SavedListing, 1},
        {Output::MainMenuPrintout, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.output));
        std::vector<std::string> expected = listing;
        expected.insert(expected.end(), static_cast<std::size_t>(c.emptyLinesAfterSection6), "");
        EXPECT_TRUE(test::sameLines(sections3To6(c.output, *st, *st), expected));
    }
}

TEST(ReportSections3To6, RestTimeAtTheSearchBoundIsNotReachedNotANumber) {
    auto st = std::make_unique<Module1>();
    st->TimeRestHor(5) = 999999.0f; // the last day the search can still find
    st->TimeRestVert(5) = 1.0e6f;
    ReportWriter out(Output::Listing, *st);
    writeSection5(out, *st);
    const std::vector<std::string> lines = out.take();
    ASSERT_EQ(lines.size(), 8u);
    EXPECT_EQ(lines[5], "Settlement time by horizontal flow for accepted rest settlement [days] : "
                        "999999");
    EXPECT_EQ(lines[6], "Settlement time by vertical flow for accepted rest settlement [days] : "
                        "not reached");
}

} // namespace
} // namespace korvex::report
