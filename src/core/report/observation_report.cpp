#include "report/observation_report.h"

#include "app/notice_line.h"
#include "observations/consolidation_handover.h"
#include "observations/measurement_table.h"
#include "report/header_texts.h"
#include "state/module1.h"

namespace korvex::report {

namespace {

struct Variant {
    Output output;
    bool emptyFirstLine;
    // The window's printout keeps its predictions to one page's worth of rows.
    int predictionRows;
    bool countLine;
    const char* chLabel;
};

constexpr const char* kChOverall = "Ch - Overall [m2/s] :";
constexpr const char* kChInWords =
    "Coefficient of consolidation overall for horizontal flow [m2/s] :";

constexpr Variant kVariants[] = {
    {Output::Listing, true, 18, true, kChInWords},
    {Output::ListingPrintout, true, 18, true, kChInWords},
    {Output::SavedListing, false, 18, true, kChInWords},
    {Output::ObservationFile, false, 18, true, kChOverall},
    {Output::ObservationPrintout, true, 16, false, kChOverall},
};

struct PredictionSection {
    const char* title;
    const char* loading;
    SingleArray<kObservedPredictionRows> PlatePredictions::*hor;
    SingleArray<kObservedPredictionRows> PlatePredictions::*vert;
    SingleArray<kObservedPredictionRows> PlatePredictions::*horVert;
    StringArray<20> ReportLines::*buffer;
};

const PredictionSection kPredictionSections[] = {
    {"1.   CALCULATED SETTLEMENTS FILL LAYER", "Instantaneous load", &PlatePredictions::SHorIL,
     &PlatePredictions::SVertIL, &PlatePredictions::SHorVertIL, &ReportLines::LinesConsolIL},
    {"2.   CALCULATED SETTLEMENTS FILL LAYER", "Gradually load after Olson",
     &PlatePredictions::SHorGL, &PlatePredictions::SVertGL, &PlatePredictions::SHorVertGL,
     &ReportLines::LinesConsolGL},
};

struct SeriesSection {
    const char* title;
    const char* heading;
    const char* unit;
    SingleArray<100> ObservationState::*series;
    StringArray<100> ReportLines::*buffer;
    // ds/log(dt) belongs to the step between a reading and the next: one row fewer.
    int fewerRows;
};

// The t/s analysis stores the settlement over the time in m per day, so the heading says so.
const SeriesSection kSeriesSections[] = {
    {"5. RESULTS t/s CALCULATION", "(s)ettlement/(t)ime", "[m/day]", &ObservationState::TSRatio,
     &ReportLines::LinesTS, 0},
    {"6. RESULTS ds/dt CALCULATION", "dsettlement/dtime", "[m/day]", &ObservationState::DsDt,
     &ReportLines::LinesDsDt, 0},
    {"7. RESULTS ds/log(dt) CALCULATION", "dsettlement/log(dtime)", "[m]",
     &ObservationState::DsDlogt, &ReportLines::LinesDsDlogt, 1},
};

void writePredictions(ReportWriter& out, const PredictionSection& section, const Variant& variant,
                      const Module1& st) {
    const PlatePredictions& p = st.Predictions;
    out.line(section.title);
    out.line(section.loading);
    out.line("Calculated fillthickness [m] :", plain(p.FillThickness));
    out.line("Calculated settlement for fillthickness [m] :", plain(p.FillSettlement));
    out.line("Calculated primary settlement Vertical flow [m] :", plain(p.SPrimVert));
    out.line("Calculated primary settlement Horizontal flow [m] :", plain(p.SPrimHor));
    out.line("Time", tabs(2), "Hor.Flow", tab, "Vert.Flow", tab, "Hor.Vert.Flow");
    out.line("days", tabs(2), "m", tabs(2), "m", tabs(2), "m");
    for (int i = 1; i <= variant.predictionRows; ++i) {
        out.row(section.buffer, i, plain(p.TPred(i)), tabs(2),
                pattern((p.*section.hor)(i), "##0.000"), tabs(2),
                pattern((p.*section.vert)(i), "##0.000"), tabs(2),
                pattern((p.*section.horVert)(i), "##0.000"));
    }
    out.empty();
}

} // namespace

void writeObservationReport(ReportWriter& out, const HeaderTexts& header, const Module1& st) {
    const Variant& variant = forOutput(kVariants, out.output());
    if (variant.emptyFirstLine) {
        out.empty();
    }
    out.line("Program: KORVEX version 3.0  SETTLEMENT OBSERVATIONDATA+++");
    out.line(kNoticeLine);
    out.empty();
    out.line("Code settlement plate :", header.plateCode);
    out.line("Project: ", header.projectName);
    out.line("Representative Borehole number:", header.boreHole);
    out.line("Extra code:", header.extraCode);
    out.rule(74);

    for (const PredictionSection& section : kPredictionSections) {
        writePredictions(out, section, variant, st);
    }

    const int observations = wholeRows(st.NObs);
    out.line("3.   OBSERVED FIELD SETTLEMENTS FILL LAYER");
    if (variant.countLine) {
        out.line("Number of settlementdata :", plain(st.NObs));
    }
    out.line("Time", tabs(2), "Settlements");
    out.line("days", tabs(2), "m");
    for (int i = 1; i <= observations; ++i) {
        out.row(&ReportLines::LinesObserved, i, plain(st.TObs(i)), tabs(2),
                pattern(st.SObs(i), kReadingSettlementPattern));
    }
    out.empty();

    out.line("4. RESULTS ASOAKA CALCULATION");
    out.line("Slope [-] :", plain(st.Beta1));
    out.line("Intercept [m] :", plain(st.Beta0));
    out.line("Correlation [-] :", plain(st.Correlation));
    out.line("Final settlement [m] :", plain(st.SFinal));
    // Cv and Ch stand only beside the drainage they were found from.
    const bool drained = currentDrainage(st, st, st).has_value();
    out.line("Coefficient of consolidation overall for vertical flow [m2/s] :",
             plain(drained ? st.CvOverall : 0.0f));
    out.line(variant.chLabel, plain(drained ? st.ChOverall : 0.0f));

    for (const SeriesSection& section : kSeriesSections) {
        out.empty();
        out.line(section.title);
        out.line("Time", tabs(2), section.heading);
        out.line("days", tabs(2), section.unit);
        for (int i = 1; i <= observations - section.fewerRows; ++i) {
            out.row(section.buffer, i, plain(st.TObs(i)), tabs(2),
                    pattern((st.*section.series)(i), "##0.0000"));
        }
    }
}

} // namespace korvex::report
