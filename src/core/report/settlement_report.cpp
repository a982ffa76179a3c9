#include "report/settlement_report.h"

#include "app/module1.h"
#include "app/notice_line.h"
#include "report/report_section_15.h"
#include "report/report_sections_12_to_14.h"
#include "report/report_sections_3_to_6.h"
#include "report/report_sections_7_to_11.h"

#include <array>

namespace korvex::report {

namespace {

// ---- Header ----

struct HeaderVariant {
    Output output;
    const char* programLine;
};

// The trailing blanks differ by output; the saved listing's "+++" marks the first line that the
// project file shares with it.
constexpr HeaderVariant kHeaderVariants[] = {
    {Output::Listing, "Program: KORVEX version 3.0 "},
    {Output::ListingPrintout, "Program: KORVEX version 3.0  "},
    {Output::SavedListing, "Program: KORVEX version 3.0  +++"},
    {Output::MainMenuPrintout, "Program: KORVEX version 3.0  "},
    {Output::ProjectFile, "Program: KORVEX version 3.0  +++"},
};

// ---- Section 1 ----

// The layer table of one method: four soil columns after depth and mass, then the preconsolidation
// stress and the creep (Bjerrum) or secular (Koppejan) coefficient.
struct LayerTable {
    Integer method;
    const char* columnHeads;
    std::array<SingleArray<21> SettlementInput::*, 4> soilColumns;
    std::array<const char*, 4> soilPatterns;
    SingleArray<21> SettlementInput::*lastColumn;
};

const LayerTable kLayerTables[] = {
    {1,
     "Depth\tSoilmasswet\tCr\te0\tCc\tec\tPc\tCalpha",
     {&SettlementInput::Cr, &SettlementInput::e0, &SettlementInput::Cc, &SettlementInput::ec},
     {"#0.0000", "#0.0000", "#0.0000", "#0.000"},
     &SettlementInput::Calpha},
    {2,
     "Depth\tSoilmasswet\t1/Cp\t1/Cs\t1/Cp'\t1/Cs'\tPc\tC",
     {&SettlementInput::InvCp, &SettlementInput::InvCs, &SettlementInput::InvCp2,
      &SettlementInput::InvCs2},
     {"#0.0000", "#0.0000", "#0.0000", "#0.0000"},
     &SettlementInput::CKoppejan},
};

// The project file is read back: it keeps the water table the user entered, which a water-table
// change replaced in Watertable, and every layer input so that it reads back as the Single it was
// (a value its pattern would round is written in full). The other outputs show what was
// calculated with, in pattern text.
struct Section1Variant {
    Output output;
    Single SettlementInput::*watertable;
    bool exactLayerValues;
};
constexpr Section1Variant kSection1Variants[] = {
    {Output::Listing, &SettlementInput::Watertable, false},
    {Output::ListingPrintout, &SettlementInput::Watertable, false},
    {Output::SavedListing, &SettlementInput::Watertable, false},
    {Output::MainMenuPrintout, &SettlementInput::Watertable, false},
    {Output::ProjectFile, &SettlementInput::WatertableInput, true},
};

std::string layerValue(const ReportWriter& out, Single value, std::string_view formatPattern) {
    return forOutput(kSection1Variants, out.output()).exactLayerValues
               ? num::exactPatternText(value, formatPattern)
               : pattern(value, formatPattern);
}

void writeLayerTable(ReportWriter& out, const Module1& st, const LayerTable& table) {
    out.line(table.columnHeads);
    out.line("  m", tab, "t/m3", tabs(2), "-", tab, " -", tab, " -", tab, "-", tab, " kPa", tab,
             "-  ");
    out.rule(71);
    const auto column = [&](int c, int i) {
        return layerValue(out, (st.*table.soilColumns[static_cast<std::size_t>(c)])(i),
                          table.soilPatterns[static_cast<std::size_t>(c)]);
    };
    for (int i = 1; i <= st.NLayers; ++i) {
        out.row(&ReportLines::LinesLayers, i, layerValue(out, st.LDepth(i), "##0.00"), tab,
                layerValue(out, st.Soilwet(i), "#0.00"), tabs(2), column(0, i), tab, column(1, i),
                tab, column(2, i), tab, column(3, i), tab, layerValue(out, st.Sigmac(i), "##0.00"),
                tab, layerValue(out, (st.*table.lastColumn)(i), "#0.0000"));
    }
    out.empty();
}

// ---- Section 2 ----

struct Section2Variant {
    Output output;
    const char* drainPathLabel;
    const char* cvAvgLabel;
    const char* chAvgLabel;
    bool averagesScientific;
    int tabsAfterLayerHead;
    int tabsAfterLayerNumber;
    int tabsBetweenValues;
};

constexpr const char* kCvAvgUnitless =
    "(Averaged) Coefficient of consolidation for vertical flow of porewater [-] :";
constexpr const char* kChAvgUnitless =
    "Coefficient of consolidation for horizontal flow of porewater [-] :";

constexpr Section2Variant kSection2Variants[] = {
    {Output::Listing, "Total thickness of drainpath  [m] :", kCvAvgUnitless, kChAvgUnitless, true,
     1, 1, 2},
    {Output::ListingPrintout, "Total thickness of drainpath [m] :", kCvAvgUnitless, kChAvgUnitless,
     false, 2, 2, 1},
    {Output::SavedListing, "Total thickness of drainpath [m] :",
     "(Averaged) Coefficient of consolidation for vertical flow of porewater [m2/s] :",
     "Coefficient of consolidation for horizontal flow of porewater [m2/s] :", false, 2, 2, 1},
    {Output::MainMenuPrintout, "Total thickness of drainpath [m] :", kCvAvgUnitless, kChAvgUnitless,
     false, 2, 2, 1},
    {Output::ProjectFile, "Total thickness of drainpath [m] :",
     "(Averaged) Coefficient of consolidation for vertical flow of porewater [m2/s] :",
     "Coefficient of consolidation for horizontal flow of porewater [m2/s] :", false, 2, 2, 1},
};

} // namespace

void writeReportHeader(ReportWriter& out, const HeaderTexts& header) {
    out.line(forOutput(kHeaderVariants, out.output()).programLine);
    out.line(kNoticeLine);
    out.empty();
    out.line("Project: ", header.projectName);
    out.line("Representative Borehole number:", header.boreHole);
    out.line("Extra code:", header.extraCode);
    out.rule(74);
    out.empty();
}

void writeSection1(ReportWriter& out, const Module1& st) {
    out.line("1.   INPUT PARAMETERS FOR SETTLEMENT CALCULATION");
    if (st.Method == 1) {
        out.line("Method Terzaghi-Bjerrum (Anglosaxon method)");
    }
    if (st.Method == 2) {
        out.line("Method Terzaghi-Koppejan (Dutch method)");
    }
    out.empty();

    const auto input = [&](int element, auto... pieces) {
        out.row(&ReportLines::LinesInput, element, pieces...);
    };
    input(1, "Original groundlevel vs reference level [m]:  ", plain(st.SurfaceLevel));
    input(2, "Surface level required vs reference level [m]:  ", plain(st.SurfaceLevelRequired));
    const Single watertable = st.*forOutput(kSection1Variants, out.output()).watertable;
    input(3, "Watertable vs reference level [m]:  ", plain(watertable));
    input(4, "New watertable vs reference level [m]:  ", plain(st.NewWatertable));
    input(5, "Settlement time [days]:  ", plain(st.SettlementTime));
    input(6);
    input(7, "Soil mass of fill [t/m3]:  ", plain(st.SoilmassFill));
    input(8, "Soil mass of fill saturized [t/m3]:  ", plain(st.SoilmassFillSat));
    input(9, "Average soil mass [t/m3]:  ", plain(st.SoilmassAvg));
    input(10, "Average soil mass saturized [t/m3]:  ", plain(st.SoilmassAvgSat));
    input(11);
    input(12, "Increment Fill layers [m]:  ", plain(st.FillIncrement));
    input(13, "Number of Fill layers [-]:  ", plain(st.NFillLayers));
    input(14, "Number of Layers [m]:  ", plain(st.NLayers));
    out.empty();

    for (const LayerTable& table : kLayerTables) {
        if (st.Method == table.method) {
            writeLayerTable(out, st, table);
        }
    }
}

void writeSection2(ReportWriter& out, Module1& st) {
    const Section2Variant& v = forOutput(kSection2Variants, out.output());
    const auto average = [&](Single value) {
        return v.averagesScientific ? pattern(value, "scientific") : plain(value);
    };
    out.line("2.   INPUT PARAMETERS CONSOLIDATION");
    out.line("Degree of Consolidation Horizontal flow [-] :", plain(st.DegreeCons));
    out.line("Time for consolidationperiod [days] :", plain(st.ConsolidationPeriod));
    out.line("Draindiameter [m] :", plain(st.DrainDiameter));
    out.line("Rest settlement accepted [m] :", plain(st.RestSettlement));
    out.line("Construction time Fill work [days] :", plain(st.ConstructionTime));
    out.line("Total Area of drainwork [m2] :", plain(st.DrainArea));
    out.line(v.drainPathLabel, plain(st.DrainPath));
    out.line("Total thickness of soil layers [m] :", plain(st.SoilThickness));
    out.empty();
    out.line(v.cvAvgLabel, average(st.CvAvg));
    out.line(v.chAvgLabel, average(st.ChAvg));
    out.line(
        "Timefactor for vertical and horizontal flow(only valid if an EOP calculation has been "
        "peformed) [-] :",
        plain(st.TimeFactor));
    out.empty();
    out.line("Layer", tabs(v.tabsAfterLayerHead), "Cv(i)", tabs(2), "Ch Extra fill", tab,
             "Cv Extra fill");
    out.line("Number", tab, "[m/s]", tabs(2), "[m/s]", tabs(2), "[m/s]");
    for (int i = 1; i <= st.NLayers; ++i) {
        // An undrained layer has no extra-fill Ch. The state itself is cleared, not only the
        // printed value, so every later output and reader agrees with what was reported.
        if (st.Drained(i) == 0) {
            st.ChExtraFill(i) = 0;
        }
        out.line(plain(i), tabs(v.tabsAfterLayerNumber), layerValue(out, st.Cv(i), "scientific"),
                 tabs(v.tabsBetweenValues), layerValue(out, st.ChExtraFill(i), "scientific"),
                 tabs(v.tabsBetweenValues), layerValue(out, st.CvExtraFill(i), "scientific"));
    }
    out.empty();
}

void writeSettlementReport(ReportWriter& out, Module1& st, const HeaderTexts& header) {
    writeReportHeader(out, header);
    writeSection1(out, st);
    writeSection2(out, st);
    writeSection3(out, st);
    writeSection4(out, st);
    writeSection5(out, st);
    writeSection6(out, st);
    writeSection7(out, st);
    writeSection8(out, st);
    writeSection9(out, st);
    writeSection10(out, st);
    writeSection11(out, st);
    writeSection12(out, st);
    writeSection13(out, st);
    writeSection14(out, st);
    writeSection15(out, st);
}

} // namespace korvex::report
