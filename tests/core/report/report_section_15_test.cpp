#include "report/report_section_15.h"

#include "state/module1.h"
#include "support/same_lines.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace korvex::report {
namespace {

const char* const kListingTitle = "15.  CONSOLIDATION SETTLEMENTS FOR FILL THICKNESS + PRELOAD";
const char* const kListingHeader =
    "Time\t\tHor.Flow\t\tVert.Flow rest layer\tTotal drained + rest layer";
const char* const kPrintedHeader =
    "Time\t\tHor.Flow\tVert.Flow rest layer\tTotal drained + rest layer";

std::vector<std::string> note() {
    return {"Instantaneous load",
            "In case drains will be installed partially in the soft layers the settlements",
            "in the 'rest layer' under the drain end are calculated by an approximation.", ""};
}

struct Case {
    Output output;
    const char* title;
    bool drainSpacing;
    const char* columnHeader;
    const char* unitRow;
    const char* beforeTotal;
    std::size_t lineCount; // 7 + 6 x 20, less the drain spacing and its empty line
};
const Case kCases[] = {
    {Output::Listing, kListingTitle, true, kListingHeader, "days\t\tm\t\tm\t\tm", "\t\t", 127},
    {Output::ListingPrintout, kListingTitle, true, kPrintedHeader, "days\t\tm\t\tm\t\t\tm",
     "\t\t\t", 127},
    {Output::SavedListing, "15.   CONSOLIDATION SETTLEMENTS FOR FILL THICKNESS + PRELOAD", true,
     kPrintedHeader, "days\t\tm\t\tm\t\t\tm", "\t\t\t", 127},
    {Output::MainMenuPrintout, kListingTitle, false, kPrintedHeader, "days\t\tm\t\tm\t\t\tm",
     "\t\t\t", 125},
};

const char* const kTimes[16] = {" 10",   " 20",   " 40",   " 60",   " 80",   " 100",
                                " 200",  " 400",  " 600",  " 800",  " 1000", " 2000",
                                " 4000", " 6000", " 8000", " 10000"};

// A settlement that is not 0: the columns of row i of block k, written "hor\t\tvert" and the
// total. Every other field reads 0.00.
struct Settled {
    int k, i;
    const char* horAndVert;
    const char* total;
};

std::vector<std::string> expectedSection(const Case& c, const char* spacing,
                                         const std::vector<std::string>& preloadLines,
                                         const std::vector<Settled>& settled) {
    std::vector<std::string> lines = {c.title};
    const std::vector<std::string> head = note();
    lines.insert(lines.end(), head.begin(), head.end());
    if (c.drainSpacing) {
        lines.push_back(std::string("The drainspacing for triangular pattern [m] is :") + spacing);
        lines.emplace_back();
    }
    for (int k = 1; k <= 6; ++k) {
        lines.insert(lines.end(),
                     {preloadLines[static_cast<std::size_t>(k - 1)], c.columnHeader, c.unitRow});
        for (int i = 1; i <= 16; ++i) {
            std::string horAndVert = "0.00\t\t0.00";
            std::string total = "0.00";
            for (const Settled& s : settled) {
                if (s.k == k && s.i == i) {
                    horAndVert = s.horAndVert;
                    total = s.total;
                }
            }
            std::string line = kTimes[i - 1];
            line += "\t\t";
            line += horAndVert;
            line += c.beforeTotal;
            line += total;
            lines.push_back(std::move(line));
        }
        lines.emplace_back();
    }
    return lines;
}

std::string preloadLine(const char* extraFill, const char* total) {
    return std::string("Preload [m] :") + extraFill +
           "\tTotal thickness Fill  + Preload [m] :" + total;
}

TEST(ReportSection15, WritesSixCasesAsStoredWithEachOutputsTabsAndTitle) {
    auto st = std::make_unique<Module1>();
    st->SpacingTriPre = 1.75f;
    st->FillPlusPreload(1) = 2.5f; // with ExtraFill(1) = 0
    st->ExtraFill(2) = 0.5f;
    st->FillPlusPreload(2) = 3.0f;
    st->ExtraFill(6) = 2.5f;
    st->FillPlusPreload(6) = 12.345f;
    st->ExtraFill(0) = 9.0f; // case 0 and 7 are not reported
    st->ExtraFill(7) = 9.0f;
    const Single preloadTimes[16] = {10,  20,  40,   60,   80,   100,  200,  400,
                                     600, 800, 1000, 2000, 4000, 6000, 8000, 10000};
    for (int i = 1; i <= 16; ++i) {
        st->TPreload(i) = preloadTimes[i - 1];
        // Prediction times from an observation file: not the times of the preload curves.
        st->TPred(i) = preloadTimes[i - 1] + 5.0f;
    }
    // "##0.00" rounds -0.123 to -0.12; "##0.00#" keeps -0.123 and gives -1.5 as -1.50.
    st->SPreloadHor(1, 1) = -0.123f;
    st->SPreloadVertRest(1, 1) = -0.123f;
    st->SPreloadTotal(1, 1) = -1.5f;
    // -0.1004 and -1.6004 round to -0.100 and -1.600: the third decimal is 0 and is dropped.
    st->SPreloadHor(16, 1) = -1.5f;
    st->SPreloadVertRest(16, 1) = -0.1004f;
    st->SPreloadTotal(16, 1) = -1.6004f;
    // -2.346 to two decimals -2.35; -0.4567 to three -0.457.
    st->SPreloadHor(16, 6) = -2.346f;
    st->SPreloadVertRest(16, 6) = -0.4567f;
    st->SPreloadTotal(16, 6) = -2.803f;
    st->SPreloadTotal(17, 1) = -9.0f; // beyond the 16 time points
    st->SPreloadTotal(1, 0) = -9.0f;  // case 0

    const std::vector<std::string> preloadLines = {
        preloadLine(" 0", " 2.5"), preloadLine(" .5", " 3"), preloadLine(" 0", " 0"),
        preloadLine(" 0", " 0"),   preloadLine(" 0", " 0"),  preloadLine(" 2.5", " 12.345")};
    const std::vector<Settled> settled = {{1, 1, "-0.12\t\t-0.123", "-1.50"},
                                          {1, 16, "-1.50\t\t-0.10", "-1.60"},
                                          {6, 16, "-2.35\t\t-0.457", "-2.803"}};

    for (const Case& c : kCases) {
        SCOPED_TRACE(static_cast<int>(c.output));
        st->LinesPreload(0) = "untouched";
        st->LinesPreload(17) = "untouched";
        ReportWriter out(c.output, *st);
        writeSection15(out, *st);
        const std::vector<std::string> lines = out.take();
        EXPECT_TRUE(test::sameLines(lines, expectedSection(c, " 1.75", preloadLines, settled)));
        EXPECT_EQ(lines.size(), c.lineCount);
        EXPECT_EQ(lines.back(), "");

        // The buffer holds the sixth block's rows as this output built them, and nothing else.
        EXPECT_EQ(st->LinesPreload(1), std::string(" 10\t\t0.00\t\t0.00") + c.beforeTotal + "0.00");
        EXPECT_EQ(st->LinesPreload(16),
                  std::string(" 10000\t\t-2.35\t\t-0.457") + c.beforeTotal + "-2.803");
        EXPECT_EQ(st->LinesPreload(0), "untouched");
        EXPECT_EQ(st->LinesPreload(17), "untouched");
    }
}

TEST(ReportSection15, BeforeAnyPreloadCalculationWritesTheFullSectionOfZeros) {
    auto st = std::make_unique<Module1>();
    st->setDefaults(); // TPred 10 to 10000 days; the preload time points are not yet set
    const Case& listing = kCases[0];
    ReportWriter out(listing.output, *st);
    writeSection15(out, *st);
    const std::vector<std::string> zeroPreload(6, preloadLine(" 0", " 0"));
    EXPECT_TRUE(test::sameLines(out.take(), expectedSection(listing, " 0", zeroPreload, {})));
}

} // namespace
} // namespace korvex::report
