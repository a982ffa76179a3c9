#include "report/settlement_report.h"

#include "app/notice_line.h"
#include "report/report_section_15.h"
#include "report/report_sections_12_to_14.h"
#include "report/report_sections_3_to_6.h"
#include "report/report_sections_7_to_11.h"
#include "report/settlement_report_labels.h"
#include "state/module1.h"

#include <array>

namespace korvex::report {

namespace {

// ---- Header ----

struct HeaderVariant {
    Output output;
    const char* afterProgramLabel;
};

// The trailing blanks differ by output; the saved listing's "+++" marks the first line that the
// project file shares with it.
constexpr HeaderVariant kHeaderVariants[] = {
    {Output::Listing, " KORVEX version 3.0 "},
    {Output::ListingPrintout, " KORVEX version 3.0  "},
    {Output::SavedListing, " KORVEX version 3.0  +++"},
    {Output::MainMenuPrintout, " KORVEX version 3.0  "},
    {Output::ProjectFile, " KORVEX version 3.0  +++"},
};

// ---- Section 1 ----

// The layer table of one method: four soil columns after depth and mass, then the preconsolidation
// stress and the creep (Bjerrum) or secular (Koppejan) coefficient.
struct LayerTable {
    Integer method;
    std::string_view columnHeads;
    std::array<SingleArray<21> SettlementInput::*, 4> soilColumns;
    std::array<num::NumberPattern, 4> soilPatterns;
    SingleArray<21> SettlementInput::*lastColumn;
};

const LayerTable kLayerTables[] = {
    {1,
     kBjerrumLayerHeading,
     {&SettlementInput::Cr, &SettlementInput::e0, &SettlementInput::Cc, &SettlementInput::ec},
     {"#0.0000", "#0.0000", "#0.0000", "#0.000"},
     &SettlementInput::Calpha},
    {2,
     kKoppejanLayerHeading,
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

// A layer input by its pattern, in full where the output keeps it exactly.
struct LayerValue {
    Single value;
    num::NumberPattern pattern;
    bool exact;
    void appendTo(std::string& text) const {
        if (exact) {
            num::appendExactPatternText(text, value, pattern);
        } else {
            num::appendPatternText(text, value, pattern);
        }
    }
};

LayerValue layerValue(const ReportWriter& out, Single value, num::NumberPattern formatPattern) {
    return {value, formatPattern, forOutput(kSection1Variants, out.output()).exactLayerValues};
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
    std::string_view cvAvgLabel;
    std::string_view chAvgLabel;
    bool averagesScientific;
    int tabsAfterLayerHead;
    int tabsAfterLayerNumber;
    int tabsBetweenValues;
};

constexpr Section2Variant kSection2Variants[] = {
    {Output::Listing, "Total thickness of drainpath  [m] :", kCvAvgUnitlessLabel,
     kChAvgUnitlessLabel, true, 1, 1, 2},
    {Output::ListingPrintout, "Total thickness of drainpath [m] :", kCvAvgUnitlessLabel,
     kChAvgUnitlessLabel, false, 2, 2, 1},
    {Output::SavedListing, "Total thickness of drainpath [m] :", kCvAvgLabel, kChAvgLabel, false, 2,
     2, 1},
    {Output::MainMenuPrintout, "Total thickness of drainpath [m] :", kCvAvgUnitlessLabel,
     kChAvgUnitlessLabel, false, 2, 2, 1},
    {Output::ProjectFile, "Total thickness of drainpath [m] :", kCvAvgLabel, kChAvgLabel, false, 2,
     2, 1},
};

} // namespace

void writeReportHeader(ReportWriter& out, const HeaderTexts& header) {
    out.line(kProgramLabel, forOutput(kHeaderVariants, out.output()).afterProgramLabel);
    out.line(kNoticeLine);
    out.empty();
    out.line(kProjectLabel, " ", header.projectName);
    out.line(kBoreHoleLabel, header.boreHole);
    out.line(kExtraCodeLabel, header.extraCode);
    out.rule(74);
    out.empty();
}

void writeSection1(ReportWriter& out, const Module1& st) {
    out.line("1.   ", kSection1Title);
    if (st.Method == 1) {
        out.line(kBjerrumMethodLabel, " (Anglosaxon method)");
    }
    if (st.Method == 2) {
        out.line(kKoppejanMethodLabel, " (Dutch method)");
    }
    out.empty();

    const auto input = [&](int element, auto... pieces) {
        out.row(&ReportLines::LinesInput, element, pieces...);
    };
    // Two blanks between a label and its value.
    const auto labelled = [&](int element, std::string_view label, const auto& value) {
        input(element, label, "  ", value);
    };
    labelled(1, kSurfaceLevelLabel, plain(st.SurfaceLevel));
    labelled(2, kSurfaceLevelRequiredLabel, plain(st.SurfaceLevelRequired));
    const Single watertable = st.*forOutput(kSection1Variants, out.output()).watertable;
    labelled(3, kWatertableLabel, plain(watertable));
    labelled(4, kNewWatertableLabel, plain(st.NewWatertable));
    labelled(5, kSettlementTimeLabel, plain(st.SettlementTime));
    input(6);
    labelled(7, kSoilmassFillLabel, plain(st.SoilmassFill));
    labelled(8, kSoilmassFillSatLabel, plain(st.SoilmassFillSat));
    labelled(9, kSoilmassAvgLabel, plain(st.SoilmassAvg));
    labelled(10, kSoilmassAvgSatLabel, plain(st.SoilmassAvgSat));
    input(11);
    labelled(12, kFillIncrementLabel, plain(st.FillIncrement));
    labelled(13, kNFillLayersLabel, plain(st.NFillLayers));
    labelled(14, kNLayersLabel, plain(st.NLayers));
    out.empty();

    for (const LayerTable& table : kLayerTables) {
        if (st.Method == table.method) {
            writeLayerTable(out, st, table);
        }
    }
}

void writeSection2(ReportWriter& out, Module1& st) {
    const Section2Variant& v = forOutput(kSection2Variants, out.output());
    const auto average = [&](std::string_view label, Single value) {
        if (v.averagesScientific) {
            out.line(label, pattern(value, "scientific"));
        } else {
            out.line(label, plain(value));
        }
    };
    out.line("2.   ", kSection2Title);
    out.line(kDegreeConsLabel, plain(st.DegreeCons));
    out.line(kConsolidationPeriodLabel, plain(st.ConsolidationPeriod));
    out.line(kDrainDiameterLabel, plain(st.DrainDiameter));
    out.line(kRestSettlementLabel, plain(st.RestSettlement));
    out.line(kConstructionTimeLabel, plain(st.ConstructionTime));
    out.line(kDrainAreaLabel, plain(st.DrainArea));
    out.line(v.drainPathLabel, plain(st.DrainPath));
    out.line(kSoilThicknessLabel, plain(st.SoilThickness));
    out.empty();
    average(v.cvAvgLabel, st.CvAvg);
    average(v.chAvgLabel, st.ChAvg);
    out.line(kTimeFactorLabel, plain(st.TimeFactor));
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
