#include "report/report_sections_12_to_14.h"

#include "app/number_text.h"
#include "state/module1.h"

#include <string>

namespace korvex::report {

namespace {

// The printouts and the file set the column header of every block of section 13 with fewer tabs
// than the listing, and the files one tab fewer before "Surface Height" in section 14.
struct Sections12To14Differences {
    Output output;
    const char* settlementColumns; // after "Layerthickness" and one tab
    int tabsBeforeSurfaceHeight;
};
constexpr Sections12To14Differences kDifferences[] = {
    {Output::Listing, "1 day\t\t10 days\t\t100 days\t\t1000 days\t10 000 days", 2},
    {Output::ListingPrintout, "1 day\t\t10 days\t100 days\t1000 days\t10 000 days", 2},
    {Output::SavedListing, "1 day\t\t10 days\t100 days\t1000 days\t10 000 days", 1},
    {Output::MainMenuPrintout, "1 day\t\t10 days\t100 days\t1000 days\t10 000 days", 2},
    {Output::ProjectFile, "1 day\t\t10 days\t100 days\t1000 days\t10 000 days", 1},
};

constexpr int kLoadSteps = 16;
constexpr int kFillSteps = 15;

} // namespace

void writeSection12(ReportWriter& out, const Module1& st) {
    out.line("12.   SOIL STRESSES");
    out.line("All stresses are calculated for mid Layers versus reference level.");
    out.line("Mid Layer", tab, "Total Stress", tab, "Water pressure", tab, "Effective stress", tab,
             "OCR");
    out.line(tabs(2), "kPa", tabs(2), "kPa", tabs(2), "kPa", tabs(2), "-");
    out.rule(72);
    for (int i = 1; i <= st.NLayers; ++i) {
        out.row(&ReportLines::LinesStresses, i, pattern(st.Depth(i), "##0.00"), tabs(2),
                pattern(st.SigmaTot(i), "##0.00"), tabs(2), pattern(st.SigmaWat(i), "##0.00"),
                tabs(2), pattern(st.SigmaEff(i), "##0.00"), tabs(2), pattern(st.OCR(i), "##0.00"));
    }
    out.empty();
    out.empty();
}

void writeSection13(ReportWriter& out, const Module1& st) {
    const Sections12To14Differences& d = forOutput(kDifferences, out.output());
    out.line("13.   SETTLEMENTS");
    out.line("The settlements are given for 5 timeseries and 15 stressincrements");
    out.empty();
    const auto settlement = [](Single metres) { return pattern(metres, "##0.00#"); };
    for (int j = 1; j <= kLoadSteps; ++j) {
        out.empty();
        // The load is shown as its two-decimal text read back as a number: 5 kPa reads " 5".
        const std::string& load =
            out.keep(&ReportLines::LinesStressHeader, j, pattern(st.StressStep(j), "##0.00"));
        out.line("Stress [kPa] : ", plain(num::leadingNumber(load)));
        out.line("Layerthickness", tab, d.settlementColumns);
        out.line("m", tabs(2), "m", tabs(2), "m", tabs(2), "m", tabs(2), "m", tabs(2), "m");
        const std::string& totals =
            out.keep(&ReportLines::LinesSettlLayer, j,
                     pattern(st.CumDepth(st.NLayers + 1), "##0.00"), tabs(2), settlement(st.S1(j)),
                     tabs(2), settlement(st.S10(j)), tabs(2), settlement(st.S100(j)), tabs(2),
                     settlement(st.S1000(j)), tabs(2), settlement(st.S10000(j)));
        out.empty();
        for (int i = 1; i <= st.NLayers; ++i) {
            out.row(&ReportLines::LinesSettlements, i, pattern(st.LThickness(i), "##0.00"), tabs(2),
                    settlement(st.SLayer1(i, j)), tabs(2), settlement(st.SLayer10(i, j)), tabs(2),
                    settlement(st.SLayer100(i, j)), tabs(2), settlement(st.SLayer1000(i, j)),
                    tabs(2), settlement(st.SLayer10000(i, j)));
        }
        out.line("______", tabs(2), "______", tabs(2), "______", tabs(2), "______", tabs(2),
                 "_____", tabs(2), "_____");
        out.line(totals);
    }
    out.empty();
}

void writeSection14(ReportWriter& out, const Module1& st) {
    const Sections12To14Differences& d = forOutput(kDifferences, out.output());
    out.line("14.    FILL HEIGHT AND RELATED SETTLEMENTS AND STRESSES");
    out.line("Fill Height", tab, "Settlement", tab, "Stress", tabs(d.tabsBeforeSurfaceHeight),
             "Surface Height");
    out.line("m", tabs(2), "m", tabs(2), "kPA", tabs(2), "m");
    for (int k = 1; k <= kFillSteps; ++k) {
        out.row(&ReportLines::LinesFillHeight, k, pattern(st.FillHeight(k), "##0.00"), tabs(2),
                pattern(st.FillHeightSettlement(k), "##0.00"), tabs(2),
                pattern(st.FillHeightStress(k), "###0.00"), tabs(2),
                pattern(st.SurfaceHeight(k), "###0.00"));
    }
    out.empty();
}

} // namespace korvex::report
