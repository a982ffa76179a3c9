#include "report/settlement_report.h"

#include "app/text_file.h"
#include "core/report/reported_site.h"
#include "report/report_sinks.h"
#include "state/module1.h"
#include "support/same_lines.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <array>
#include <cstddef>
#include <iterator>
#include <string>
#include <vector>

namespace korvex::report {
namespace {

using test::reportedSite;
using test::siteHeader;

std::vector<std::string> reportLines(Module1& st, Output output) {
    ReportWriter out(output, st);
    writeSettlementReport(out, st, siteHeader(st.Method));
    return out.take();
}

std::vector<std::string> listingFile(const std::string& name) {
    return textFileLines(test::fileBytes(std::string(KORVEX_TEST_DATA) + "/report/" + name));
}

TEST(SettlementReport, ListingsAreTheHandWrittenOnes) {
    const char* const files[] = {"settlement_listing_method0.txt", "settlement_listing_method1.txt",
                                 "settlement_listing_method2.txt"};
    for (Integer method = 0; method <= 2; ++method) {
        SCOPED_TRACE(files[method]);
        Module1 st;
        reportedSite(st, method);
        EXPECT_TRUE(test::sameLines(reportLines(st, Output::Listing), listingFile(files[method])));
    }
}

TEST(SettlementReport, InputLinesAndLayerRowsStayInTheirBuffers) {
    Module1 st;
    reportedSite(st, 2);
    st.LinesLayers(4) = "earlier";
    reportLines(st, Output::SavedListing);
    EXPECT_EQ(st.LinesInput(5), "Settlement time [days]:   10000");
    EXPECT_EQ(st.LinesInput(11), "");
    EXPECT_EQ(st.LinesInput(14), "Number of Layers [m]:   3");
    EXPECT_EQ(st.LinesLayers(3), "-10.00\t2.00\t\t0.0063\t0.0010\t0.1000\t0.0200\t123.46\t0.0005");
    EXPECT_EQ(st.LinesLayers(4), "earlier");
    EXPECT_EQ(st.LinesConsolIL(1), " 10\t\t-0.347\t\t-1.20\t\t0.00");
    EXPECT_EQ(st.LinesConsolGL(16), " 10000\t\t-0.347\t\t0.00\t\t0.00");
    EXPECT_EQ(st.LinesSettlTimes(5), "200.00\t\t not reached\t\t\t412.0");
    EXPECT_EQ(st.LinesDegreeIL(1), " 10\t\t0.35\t\t0.347\t\t0.00");
    EXPECT_EQ(st.LinesDegreeGL(16), " 10000\t\t1.00\t\t0.50\t\t0.00");
    EXPECT_EQ(st.LinesDegreeGL(17), "");
}

TEST(SettlementReport, NoLayersAndTwentyLayers) {
    // Method 1: the layer table's rule is line 29 and its rows follow; section 2's unit line comes
    // 16 lines after the table's empty line, and its rows follow.
    struct Case {
        Integer nLayers;
        std::size_t lineCount;
        std::size_t lastTableLine, lastSection2Line;
        std::string lastTableRow, lastSection2Row;
        // The last block of section 13: the line above its separator and its totals row.
        std::string aboveLastSeparator, lastTotals;
    };
    const std::string zeros = "0.00\t\t0.00\t\t0.00\t\t0.00\t\t0.00\t\t0.00";
    const Case cases[] = {
        // 514 lines less the 3 rows of sections 1, 2 and 12 and of each of the 16 blocks. The
        // block goes from its empty line to the separator; the totals start with CumDepth(1).
        {0, 457, 29, 46, std::string(71, '_'), "Number\t[m/s]\t\t[m/s]\t\t[m/s]", "",
         "0.00\t\t-0.005\t\t0.00\t\t0.00\t\t0.00\t\t-2.346"},
        // 17 rows more in each of those 19 tables; the layers below the site's three hold zeros.
        {20, 837, 49, 86, "0.00\t0.00\t\t0.0000\t0.0000\t0.0000\t0.000\t0.00\t0.0000",
         " 20\t0.00E+00\t\t0.00E+00\t\t0.00E+00", zeros,
         "15.00\t\t-0.005\t\t0.00\t\t0.00\t\t0.00\t\t-2.346"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.nLayers);
        Module1 st;
        reportedSite(st, 1);
        st.NLayers = c.nLayers;
        st.CumDepth(21) = 15; // the bottom of twenty layers
        const std::vector<std::string> lines = reportLines(st, Output::Listing);
        ASSERT_EQ(lines.size(), c.lineCount);
        EXPECT_EQ(lines[c.lastTableLine - 1], c.lastTableRow);
        EXPECT_EQ(lines[c.lastTableLine], "");
        EXPECT_EQ(lines[c.lastSection2Line - 1], c.lastSection2Row);
        EXPECT_EQ(lines[c.lastSection2Line], "");
        // Section 13's closing empty line, section 14's 19 lines and section 15's 127 end the
        // report.
        const std::size_t lastTotals = c.lineCount - 148;
        EXPECT_EQ(lines[lastTotals - 2], c.aboveLastSeparator);
        EXPECT_EQ(lines[lastTotals - 1].substr(0, 6), "______");
        EXPECT_EQ(lines[lastTotals], c.lastTotals);
    }
}

TEST(SettlementReport, AnUndrainedLayerLosesItsExtraFillChInTheStateAndListsTheSameTwice) {
    Module1 st;
    reportedSite(st, 1);
    const std::vector<std::string> first = reportLines(st, Output::Listing);
    // Layers 1 and 3 are drained (1 and 2), layer 2 is not, layer 4 lies below the table.
    const Single kept[] = {3e-7f, 0, 1.2e-6f, 9e-7f};
    for (int i = 1; i <= 4; ++i) {
        EXPECT_EQ(st.ChExtraFill(i), kept[i - 1]) << "layer " << i;
    }
    EXPECT_EQ(first.at(50), " 2\t4.00E-08\t\t0.00E+00\t\t7.50E-08");
    EXPECT_EQ(reportLines(st, Output::Listing), first);
}

TEST(SettlementReport, TheOtherOutputsDifferOnlyInTheseLines) {
    // Lines of the method 1 listing, as the listing printout, the saved listing, the main-menu
    // printout and the project file write them; nullptr where one writes the listing's line. An
    // inserted line goes before the listing's line, so at one line the insertion is listed before
    // the replacement.
    enum class Edit { Replace, Insert, Remove };
    struct Difference {
        std::size_t line;
        std::array<const char*, 4> texts;
        Edit edit = Edit::Replace;
    };
    const char* const drainPath = "Total thickness of drainpath [m] : 5";
    const char* const cvAvg =
        "(Averaged) Coefficient of consolidation for vertical flow of porewater [-] : 2.5E-08";
    const char* const chAvg =
        "Coefficient of consolidation for horizontal flow of porewater [-] : 3.456E-07";
    const char* const layerHeads = "Layer\t\tCv(i)\t\tCh Extra fill\tCv Extra fill";
    const char* const row1 = " 1\t\t2.50E-08\t3.00E-07\t5.00E-08";
    const char* const row2 = " 2\t\t4.00E-08\t0.00E+00\t7.50E-08";
    const char* const row3 = " 3\t\t1.50E-07\t1.20E-06\t1.00E-07";
    const char* const flowHeads = "Time\t\tHor.Flow\tVert.Flow\tHor.Vert.Flow";
    const char* const title9 =
        "9.  SETTLEMENT TIMES FOR INSTANTANEOUS LOAD AFTER WHICH OCCURS ONLY THE RESTSETTLEMENTS";
    const char* const title9File =
        "9.   SETTLEMENT TIMES FOR INSTANTANEOUS LOAD AFTER WHICH ONLY THE RESTSETTLEMENTS OCCURS";
    const char* const heads9 = "\t\tVert.flow\t\tHor.flow";
    const char* const title7 = "7.   CONSOLIDATION SETTLEMENTS FILL LAYER";
    const char* const title8 = "8.   CONSOLIDATION SETTLEMENTS FILL LAYER";
    const char* const title10 = "10.   DEGREE OF CONSOLIDATION";
    const char* const title11 = "11.   DEGREE OF CONSOLIDATION";
    const char* const row97 = " 10\t\t-0.35\t\t-1.20\t\t0.00";
    const char* const row135 = " 10000\t\t-0.35\t\t0.00\t\t0.00";
    std::vector<Difference> differences = {
        {1,
         {"Program: KORVEX version 3.0  ", "Program: KORVEX version 3.0  +++",
          "Program: KORVEX version 3.0  ", "Program: KORVEX version 3.0  +++"}},
        // The project file writes a layer input its pattern would round in full: 1.625 and
        // -2.125 would read back as 1.63 and -2.13, 1.2345 as 1.235, 123.456 as 123.46.
        {30,
         {nullptr, nullptr, nullptr,
          "-0.50\t1.625\t\t0.0200\t1.0500\t0.3500\t1.2345\t25.00\t0.0120"}},
        {31,
         {nullptr, nullptr, nullptr,
          "-2.125\t1.45\t\t0.0150\t2.4000\t0.9000\t0.900\t40.50\t0.0360"}},
        {32,
         {nullptr, nullptr, nullptr,
          "-10.00\t2.00\t\t0.0080\t0.7500\t0.1200\t0.400\t123.456\t0.0025"}},
        {41, {drainPath, drainPath, drainPath, drainPath}},
        {44,
         {cvAvg,
          "(Averaged) Coefficient of consolidation for vertical flow of porewater [m2/s] : 2.5E-08",
          cvAvg,
          "(Averaged) Coefficient of consolidation for vertical flow of porewater [m2/s] : "
          "2.5E-08"}},
        {45,
         {chAvg, "Coefficient of consolidation for horizontal flow of porewater [m2/s] : 3.456E-07",
          chAvg,
          "Coefficient of consolidation for horizontal flow of porewater [m2/s] : 3.456E-07"}},
        {48, {layerHeads, layerHeads, layerHeads, layerHeads}},
        {50, {row1, row1, row1, row1}},
        {51, {row2, row2, row2, row2}},
        {52, {row3, row3, row3, row3}},
        // The files alone end section 6 with a second empty line.
        {91, {nullptr, "", nullptr, ""}, Edit::Insert},
        {91, {nullptr, title7, nullptr, title7}},
        {95, {flowHeads, flowHeads, flowHeads, flowHeads}},
        // The main-menu printout and the project file round the Hor.Flow settlement to two
        // decimals.
        {97, {nullptr, nullptr, row97, row97}},
        {114, {nullptr, title8, nullptr, title8}},
        {118, {flowHeads, flowHeads, flowHeads, flowHeads}},
        {135, {nullptr, nullptr, row135, row135}},
        // Three empty lines around section 9 in every output: 1 + 2 in the listing, 2 + 1 here.
        {137, {"", "", "", ""}, Edit::Insert},
        {137, {title9, title9File, title9, title9File}},
        {139, {heads9, heads9, heads9, heads9}},
        {152, {"", "", "", ""}, Edit::Remove},
        {153, {nullptr, title10, nullptr, title10}},
        {155, {flowHeads, flowHeads, flowHeads, flowHeads}},
        {174, {nullptr, title11, nullptr, title11}},
        {176, {flowHeads, flowHeads, flowHeads, flowHeads}},
    };
    // The column header of each of section 13's 16 blocks, from line 210 in steps of 10, and
    // section 14's in the saved listing.
    const char* const blockHeads =
        "Layerthickness\t1 day\t\t10 days\t100 days\t1000 days\t10 000 days";
    for (std::size_t line = 210; line <= 360; line += 10) {
        differences.push_back({line, {blockHeads, blockHeads, blockHeads, blockHeads}});
    }
    const char* const fillHeads = "Fill Height\tSettlement\tStress\tSurface Height";
    differences.push_back({370, {nullptr, fillHeads, nullptr, fillHeads}});
    const std::vector<std::string> listing = listingFile("settlement_listing_method1.txt");
    // Section 15 from line 388: the files' title, the drain spacing and its empty line left out of
    // the main-menu printout and the project file, and in every printout and file one tab more
    // before the total, in each block's column header, unit row and 16 rows.
    const char* const title15 = "15.   CONSOLIDATION SETTLEMENTS FOR FILL THICKNESS + PRELOAD";
    const char* const spacing = "The drainspacing for triangular pattern [m] is : 1.75";
    differences.push_back({388, {nullptr, title15, nullptr, title15}});
    differences.push_back({393, {nullptr, nullptr, spacing, spacing}, Edit::Remove});
    differences.push_back({394, {nullptr, nullptr, "", ""}, Edit::Remove});
    std::vector<std::string> preloadLines;
    preloadLines.reserve(std::size_t{6} * 18); // the differences point into it
    for (std::size_t block = 395; block <= 495; block += 20) {
        preloadLines.push_back(
            "Time\t\tHor.Flow\tVert.Flow rest layer\tTotal drained + rest layer");
        preloadLines.push_back("days\t\tm\t\tm\t\t\tm");
        for (std::size_t row = block + 3; row <= block + 18; ++row) {
            std::string line = listing.at(row - 1);
            preloadLines.push_back(line.insert(line.rfind('\t'), "\t"));
        }
    }
    for (std::size_t block = 395, n = 0; block <= 495; block += 20) {
        for (std::size_t line = block + 1; line <= block + 18; ++line, ++n) {
            const char* text = preloadLines[n].c_str();
            differences.push_back({line, {text, text, text, text}});
        }
    }
    const Output outputs[] = {Output::ListingPrintout, Output::SavedListing,
                              Output::MainMenuPrintout, Output::ProjectFile};
    for (std::size_t k = 0; k < 4; ++k) {
        SCOPED_TRACE(static_cast<int>(outputs[k]));
        std::vector<std::string> expected = listing;
        // From the last line up, so that every line number is the listing's.
        for (auto d = std::rbegin(differences); d != std::rend(differences); ++d) {
            const char* text = d->texts[k];
            if (text == nullptr) {
                continue;
            }
            const auto at = expected.begin() + static_cast<std::ptrdiff_t>(d->line - 1);
            if (d->edit == Edit::Insert) {
                expected.insert(at, text);
            } else if (d->edit == Edit::Remove) {
                ASSERT_EQ(*at, text);
                expected.erase(at);
            } else {
                *at = text;
            }
        }
        Module1 st;
        reportedSite(st, 1);
        ReportWriter out(outputs[k], st);
        writeSettlementReport(out, st, siteHeader(1));
        EXPECT_TRUE(test::sameLines(out.lines(), expected));
        if (outputs[k] == Output::SavedListing) {
            std::string bytes;
            for (const std::string& line : expected) {
                bytes += line + "\r\n";
            }
            EXPECT_EQ(reportFileBytes(out), bytes);
        }
    }
}

} // namespace
} // namespace korvex::report
