#pragma once

// The labels and section titles of the settlement and consolidation report that the project file
// reader reads back. The report owns the format: the reader takes a value only under the label the
// writer puts at its place, so both use these texts and a renamed label stays readable. The writer
// adds its own blanks around them; the reader compares them trimmed.

#include <string_view>

namespace korvex::report {

// The header. The program line goes on after its label with the version; the project name stands
// one blank after its label.
inline constexpr std::string_view kProgramLabel = "Program:";
inline constexpr std::string_view kProjectLabel = "Project:";
inline constexpr std::string_view kBoreHoleLabel = "Representative Borehole number:";
inline constexpr std::string_view kExtraCodeLabel = "Extra code:";

// The titles of sections 1 to 4, written after the section's number, a point and three blanks.
inline constexpr std::string_view kSection1Title = "INPUT PARAMETERS FOR SETTLEMENT CALCULATION";
inline constexpr std::string_view kSection2Title = "INPUT PARAMETERS CONSOLIDATION";
inline constexpr std::string_view kSection3Title = "RESULT LAYERTHICKNESS OF FILL";
inline constexpr std::string_view kSection4Title = "CALCULATED SETTLEMENTPOINTS Log-Time LINES";

// The method line of section 1 starts with the method's name; what follows it is a note.
inline constexpr std::string_view kBjerrumMethodLabel = "Method Terzaghi-Bjerrum";
inline constexpr std::string_view kKoppejanMethodLabel = "Method Terzaghi-Koppejan";

// The heading of section 1's layer table, by method.
inline constexpr std::string_view kBjerrumLayerHeading =
    "Depth\tSoilmasswet\tCr\te0\tCc\tec\tPc\tCalpha";
inline constexpr std::string_view kKoppejanLayerHeading =
    "Depth\tSoilmasswet\t1/Cp\t1/Cs\t1/Cp'\t1/Cs'\tPc\tC";

// Section 1.
inline constexpr std::string_view kSurfaceLevelLabel =
    "Original groundlevel vs reference level [m]:";
inline constexpr std::string_view kSurfaceLevelRequiredLabel =
    "Surface level required vs reference level [m]:";
inline constexpr std::string_view kWatertableLabel = "Watertable vs reference level [m]:";
inline constexpr std::string_view kNewWatertableLabel = "New watertable vs reference level [m]:";
inline constexpr std::string_view kSettlementTimeLabel = "Settlement time [days]:";
inline constexpr std::string_view kSoilmassFillLabel = "Soil mass of fill [t/m3]:";
inline constexpr std::string_view kSoilmassFillSatLabel = "Soil mass of fill saturized [t/m3]:";
inline constexpr std::string_view kSoilmassAvgLabel = "Average soil mass [t/m3]:";
inline constexpr std::string_view kSoilmassAvgSatLabel = "Average soil mass saturized [t/m3]:";
inline constexpr std::string_view kFillIncrementLabel = "Increment Fill layers [m]:";
inline constexpr std::string_view kNFillLayersLabel = "Number of Fill layers [-]:";
inline constexpr std::string_view kNLayersLabel = "Number of Layers [m]:";

// Section 2. The listing on screen and the printouts write the averages of Cv and Ch with "[-]"
// for their unit; the files with "[m2/s]".
inline constexpr std::string_view kDegreeConsLabel =
    "Degree of Consolidation Horizontal flow [-] :";
inline constexpr std::string_view kConsolidationPeriodLabel =
    "Time for consolidationperiod [days] :";
inline constexpr std::string_view kDrainDiameterLabel = "Draindiameter [m] :";
inline constexpr std::string_view kRestSettlementLabel = "Rest settlement accepted [m] :";
inline constexpr std::string_view kConstructionTimeLabel = "Construction time Fill work [days] :";
inline constexpr std::string_view kDrainAreaLabel = "Total Area of drainwork [m2] :";
inline constexpr std::string_view kSoilThicknessLabel = "Total thickness of soil layers [m] :";
inline constexpr std::string_view kCvAvgLabel =
    "(Averaged) Coefficient of consolidation for vertical flow of porewater [m2/s] :";
inline constexpr std::string_view kCvAvgUnitlessLabel =
    "(Averaged) Coefficient of consolidation for vertical flow of porewater [-] :";
inline constexpr std::string_view kChAvgLabel =
    "Coefficient of consolidation for horizontal flow of porewater [m2/s] :";
inline constexpr std::string_view kChAvgUnitlessLabel =
    "Coefficient of consolidation for horizontal flow of porewater [-] :";
inline constexpr std::string_view kTimeFactorLabel =
    "Timefactor for vertical and horizontal flow(only valid if an EOP calculation has been "
    "peformed) [-] :";

// Section 3.
inline constexpr std::string_view kFillThicknessLabel = "Calculated Fillthickness [m] :";
inline constexpr std::string_view kFillSettlementLabel =
    "Calculated Settlement for the Fillthickness [m] :";

// Section 4.
inline constexpr std::string_view kS10ConsLabel = "Setttlement after 10 days [m] :";
inline constexpr std::string_view kS10000ConsLabel = "Settlement after 10 000 days [m] :";

} // namespace korvex::report
