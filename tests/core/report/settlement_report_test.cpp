#include "report/settlement_report.h"

#include "app/text_file.h"
#include "report/report_sinks.h"
#include "state/module1.h"
#include "support/same_lines.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <array>
#include <cstddef>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

namespace korvex::report {
namespace {

// The site of the hand-written listings in tests/data/report: three layers holding both methods'
// soil values, so that a listing showing the other method's column is caught. The values are set
// by hand, not calculated, so the listings test the report and nothing else.
void reportedSite(Module1& st, Integer method) {
    st.Method = method;
    st.SurfaceLevel = -2.5f;
    st.SurfaceLevelRequired = 1.25f;
    st.Watertable = -0.75f;
    st.WatertableInput = -0.75f; // the entered level: no calculation has replaced Watertable
    st.NewWatertable = -1.5f;
    st.SettlementTime = 10000;
    st.SoilmassFill = 1.8f;
    st.SoilmassFillSat = 2.05f;
    st.SoilmassAvg = 1.55f;
    st.SoilmassAvgSat = 1.65f;
    st.FillIncrement = 0.25f;
    st.NFillLayers = 15;
    st.NLayers = 3;
    struct Layer {
        Single depth, soilwet, cr, e0, cc, ec, sigmac, calpha;
        Single invCp, invCs, invCp2, invCs2, cKoppejan;
        Single cv, chExtra, cvExtra;
        Integer drained;
    };
    // -2.125 and 1.625 are exact halves at two decimals; 0.00625 lies just above one as a Single.
    const Layer layers[] = {
        {-0.5f, 1.625f, 0.02f, 1.05f, 0.35f, 1.2345f, 25, 0.012f, 0.0125f, 0.0031f, 0.0456f,
         0.0078f, 0.0009f, 2.5e-8f, 3e-7f, 5e-8f, 1},
        {-2.125f, 1.45f, 0.015f, 2.4f, 0.9f, 0.9f, 40.5f, 0.036f, 0.025f, 0.005f, 0.08f, 0.016f,
         0.0021f, 4e-8f, 6e-7f, 7.5e-8f, 0},
        {-10, 2, 0.008f, 0.75f, 0.12f, 0.4f, 123.456f, 0.0025f, 0.00625f, 0.001f, 0.1f, 0.02f,
         0.0005f, 1.5e-7f, 1.2e-6f, 1e-7f, 2},
    };
    for (int i = 1; i <= 3; ++i) {
        const Layer& l = layers[i - 1];
        st.LDepth(i) = l.depth;
        st.Soilwet(i) = l.soilwet;
        st.Cr(i) = l.cr;
        st.e0(i) = l.e0;
        st.Cc(i) = l.cc;
        st.ec(i) = l.ec;
        st.Sigmac(i) = l.sigmac;
        st.Calpha(i) = l.calpha;
        st.InvCp(i) = l.invCp;
        st.InvCs(i) = l.invCs;
        st.InvCp2(i) = l.invCp2;
        st.InvCs2(i) = l.invCs2;
        st.CKoppejan(i) = l.cKoppejan;
        st.Cv(i) = l.cv;
        st.ChExtraFill(i) = l.chExtra;
        st.CvExtraFill(i) = l.cvExtra;
        st.Drained(i) = l.drained;
    }
    // A layer below the table: not reported, not touched.
    st.Drained(4) = 0;
    st.ChExtraFill(4) = 9e-7f;

    st.DegreeCons = 0.9f;
    st.ConsolidationPeriod = 365;
    st.DrainDiameter = 0.065f;
    st.RestSettlement = 0.2f;
    st.ConstructionTime = 60;
    st.DrainArea = 12345678; // more integer digits than a Single's seven: exponent form
    st.DrainPath = 5;
    st.SoilThickness = 10;
    st.CvAvg = 2.5e-8f;
    st.ChAvg = 3.456e-7f;
    st.TimeFactor = 2;

    // 0.3 - 0.5 in Single is -.2; in double it would read -.199999988079071.
    st.FillThickness = 0.3f;
    st.FillSettlement = 0.5f;
    st.S10Cons = 0.123f;
    st.S10000Cons = 1.5f;
    st.TconsHor = 180.5f;
    st.TconsVert = 5000;
    st.DiffSHor = -0.05f;
    st.DiffSVert = -0.125f;
    st.TimeRestHor(5) = 412;
    st.TimeRestVert(5) = 1.0e6f; // the bound of a search that never reached the rest settlement
    st.DrainZone = 1.575f;
    st.SpacingTri = 1.5f;
    st.SpacingSq = 1.396277f;
    st.Discharge = 1.5e-6f;
    st.DischargeYear = 47.304f;

    const Single times[] = {10,  20,  40,   60,   80,   100,  200,  400,
                            600, 800, 1000, 2000, 4000, 6000, 8000, 10000};
    for (int i = 1; i <= 16; ++i) {
        st.TPred(i) = times[i - 1];
    }
    st.SPrimVert = 0.5f;
    st.SPrimHor = 1.2f;
    // Row 1 and row 16 of each time table; row 17 is calculated but never reported.
    st.SHorIL(1) = -0.347f;
    st.SVertIL(1) = -1.2f;
    st.SHorVertIL(16) = -1.5f;
    st.SHorIL(17) = -9;
    st.SVertGL(1) = -0.1f;
    st.SHorGL(16) = -0.347f;
    for (int i = 1; i <= 10; ++i) {
        st.RestSett(i) = static_cast<Single>(40 * i); // fifths of 0.2 m, in mm
    }
    st.TimeRestVert(1) = 2.46f;
    st.UHorIL(1) = 0.347f;
    st.UVertIL(1) = 0.347f;
    st.UHorVertIL(16) = 1;
    st.UHorGL(16) = 1;
    st.UVertGL(16) = 0.5f;
    st.UHorGL(17) = 1;

    // Sections 12 to 14. Every half below is exact in a Single, so it is rounded away from zero.
    // The stress steps are the start-up ones, 5 to 280.
    auto started = std::make_unique<Module1>();
    started->setDefaults();
    for (int j = 1; j <= 16; ++j) {
        st.StressStep(j) = started->StressStep(j);
    }
    const Single depth[] = {-3.125f, -5.5f, -10.875f};
    const Single sigmaTot[] = {18.375f, 45.5f, 1234.5678f};
    const Single sigmaWat[] = {-0.625f, 23.625f, 98.1f};
    const Single sigmaEff[] = {18.375f, 21.875f, 1136.4678f};
    const Single ocr[] = {1, 2.5f, 0.875f};
    const Single thickness[] = {1.375f, 2.5f, 6.125f};
    for (int i = 1; i <= 3; ++i) {
        st.Depth(i) = depth[i - 1];
        st.SigmaTot(i) = sigmaTot[i - 1];
        st.SigmaWat(i) = sigmaWat[i - 1];
        st.SigmaEff(i) = sigmaEff[i - 1];
        st.OCR(i) = ocr[i - 1];
        st.LThickness(i) = thickness[i - 1];
        st.CumDepth(i + 1) = st.CumDepth(i) + thickness[i - 1];
    }
    st.OCR(4) = 7;
    st.SLayer1(1, 1) = -0.0625f;
    st.SLayer10(1, 1) = -0.1004f;
    st.SLayer100(1, 1) = -1.2f;
    st.SLayer1000(1, 1) = -0.0456f;
    st.SLayer10000(1, 1) = -0.1875f;
    st.SLayer1(2, 1) = 0.25f; // a heave is written as stored, without a sign
    st.SLayer10000(3, 1) = -12.3456f;
    // The totals are not the sums of the layers: they are written as stored.
    st.S1(1) = 0.1875f;
    st.S10(1) = -0.1004f;
    st.S100(1) = -1.2f;
    st.S1000(1) = -0.0456f;
    st.S10000(1) = -12.5f;
    st.SLayer1(3, 16) = -0.005f;
    st.SLayer10000(2, 16) = -2.3456f;
    st.S1(16) = -0.005f;
    st.S10000(16) = -2.3456f;

    for (int k = 1; k <= 15; ++k) {
        st.FillHeight(k) = 0.25f * static_cast<Single>(k);
    }
    st.FillHeight(16) = 4; // beyond the 15 reported steps
    st.FillHeightSettlement(1) = -0.456f;
    st.FillHeightStress(1) = 1234.567f;
    st.SurfaceHeight(1) = -0.5f;
    st.FillHeightSettlement(2) = -0.125f;
    st.FillHeightStress(2) = 4.5f;
    st.SurfaceHeight(2) = -2.375f;
    st.FillHeightSettlement(15) = -1.875f;
    st.FillHeightStress(15) = 12345.625f;
    st.SurfaceHeight(15) = 1.125f;

    // Section 15: the preload's six cases at its own time points. Case 0, case 7 and time point 17
    // are never reported.
    st.SpacingTriPre = 1.75f;
    for (int k = 1; k <= 6; ++k) {
        st.ExtraFill(k) = 0.5f * static_cast<Single>(k - 1);
        st.FillPlusPreload(k) = 0.3f + st.ExtraFill(k);
    }
    st.ExtraFill(7) = 9;
    for (int i = 1; i <= 16; ++i) {
        st.TPreload(i) = times[i - 1];
    }
    st.SPreloadHor(1, 1) = -0.123f;
    st.SPreloadVertRest(1, 1) = -0.123f;
    st.SPreloadTotal(1, 1) = -1.5f;
    st.SPreloadHor(16, 6) = -2.346f;
    st.SPreloadVertRest(16, 6) = -0.1004f;
    st.SPreloadTotal(16, 6) = -2.4464f;
    st.SPreloadTotal(17, 1) = -9;
    st.SPreloadTotal(1, 0) = -7;
}

const char* const kMethodNames[] = {"", "Terzaghi-Bjerrum", "Terzaghi-Koppejan"};

HeaderTexts siteHeader(Integer method) {
    return {"Dike B, km 4", "BH 12", kMethodNames[method], "P1"};
}

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
