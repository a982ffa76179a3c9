#include "observations/form13_observations.h"

#include "app/application.h"
#include "app/input_reading.h"
#include "app/number_text.h"
#include "app/open_from_file.h"
#include "app/save_to_file.h"
#include "observations/asaoka_analysis.h"
#include "observations/consolidation_handover.h"
#include "observations/form14_observation_graph.h"
#include "observations/measurement_table.h"
#include "observations/observation_file_reader.h"
#include "observations/settlement_rates.h"
#include "report/form18_listing.h"
#include "report/header_texts.h"
#include "report/observation_report.h"
#include "report/report_sinks.h"
#include "state/general_state.h"
#include "state/module1.h"
#include "state/observation_state.h"
#include "ui/graph_window.h"

#include <cmath>

namespace korvex {

// One rate button: what it computes, where it keeps it, how it is plotted and why a point can
// have no rate.
struct RatePlot {
    const char* name;
    Rates (*rates)(const std::vector<Single>& times, const std::vector<Single>& settlements,
                   Single dt);
    SingleArray<100> ObservationState::*stored;
    const char* title;
    const char* leftTitle;
    const char* noRate;
    // ds/dt divides every step by the first one: readings not one step apart get wrong rates.
    bool takesEqualSteps;
};

namespace {

constexpr const char* kDefaultPlate = "BH1plate";
constexpr const char* kOpenFilter = "All Files (*.*)|*.*|Observation Files_*.obs|*.obs|";
constexpr const char* kSaveFilter =
    "Text files(*.txt)|*.txt|Observation files(*.obs)|*.obs|All files(*.*)|*.*|";

const RatePlot kRatePlots[] = {
    {"ds/dt",
     [](const std::vector<Single>&, const std::vector<Single>& settlements, Single dt) {
         return settlementPerDay(settlements, dt);
     },
     &ObservationState::DsDt, "dSettlement/dtime ", "ds/dt (m/day)",
     "the time increment TObs(2) - TObs(1) is not above 0.", true},
    {"ds/log(ti/ti-1)",
     [](const std::vector<Single>& times, const std::vector<Single>& settlements, Single) {
         return settlementPerDecade(times, settlements);
     },
     &ObservationState::DsDlogt, "dSettlement/log(ti/ti-1) ", "ds/log(ti/ti-1) (m)",
     "a row and the next need two different times above 0.", false},
    {"s/t",
     [](const std::vector<Single>& times, const std::vector<Single>& settlements, Single) {
         return settlementOverTime(times, settlements);
     },
     &ObservationState::TSRatio, "Settlement/Time ", "s/t (m/day)", "the time is not above 0.",
     false},
};

double boxNumber(const Form13& form, std::string_view name) {
    return readBox(form, boxNamed(Form13::boxes(), name));
}

std::string resultText(const std::optional<Single>& value) {
    return value ? num::boxText(*value) : std::string();
}

Single roundedForDisplay(const std::optional<Single>& value) {
    return value ? num::toSingle(num::roundDecimals(*value, 4)) : 0.0f;
}

// ds/dt takes the readings as one time step apart from loading on. Readings equally spaced but
// not starting one step after loading break only the first rate, and the user is told so rather
// than that the spacing is wrong.
enum class StepFault { None, FirstFromLoading, Unequal };

StepFault stepFault(const std::vector<Single>& times, Single dt) {
    for (std::size_t i = 1; i < times.size(); ++i) {
        if (!sameWithinOnePercent(static_cast<double>(times[i]) - times[i - 1], dt, dt)) {
            return StepFault::Unequal;
        }
    }
    if (!times.empty() && !sameWithinOnePercent(times[0], dt, dt)) {
        return StepFault::FirstFromLoading;
    }
    return StepFault::None;
}

void warnUnequalSteps(Desktop& desktop, const char* analysis, Single dt) {
    desktop.msgBox(std::string("The times of the observations are not equally spaced (within "
                               "1 %): ") +
                       analysis +
                       " takes them as steps of TObs(2) - TObs(1) = " + num::boxText(dt) + " days.",
                   vbExclamation);
}

void drawPlot(GraphModel& graph, const char* title, const char* bottom, const char* left) {
    graph.restoreDesign();
    graph.setGraphTitle(title);
    graph.setBottomTitle(bottom);
    graph.setLeftTitle(left);
}

void drawRate(GraphModel& graph, const std::vector<Single>& times, const Rates& rates) {
    graph.setNumPoints(static_cast<int>(rates.values.size()));
    graph.setNumSets(1);
    graph.setThisSet(1);
    std::size_t missing = 0;
    for (std::size_t i = 0; i < rates.values.size(); ++i) {
        const int row = static_cast<int>(i) + 1;
        if (missing < rates.missingRows.size() && rates.missingRows[missing] == row) {
            ++missing;
            continue;
        }
        graph.setThisPoint(row);
        graph.setGraphData(rates.values[i]);
        graph.setXPosData(times[i]);
    }
    graph.setDrawMode(2);
}

template <std::size_t N> void storeRates(SingleArray<N>& target, const Rates& rates) {
    target.fill(0.0f);
    for (std::size_t i = 0; i < rates.values.size(); ++i) {
        target(static_cast<std::ptrdiff_t>(i) + 1) = rates.values[i];
    }
}

} // namespace

std::span<const InputBox<Form13>> Form13::boxes() {
    static const InputBox<Form13> table[] = {
        {"Text1", &Form13::Text1, &Module1::PlateCode, "Code of Settlement Plate:"},
        {"Text2", &Form13::Text2, &Module1::TShift, "Shift in days (Equivalent time surcharge):"},
        // Loading writes the usual increment, not the last one used.
        {"Text3", &Form13::Text3, {}, "Time increment [days]:"},
        {"Text4", &Form13::Text4, {}, "Intercept (m) :"},
        {"Text5", &Form13::Text5, {}, "Slope (Beta1) (-) :"},
        {"Text6", &Form13::Text6, {}, "Correlation [-]:"},
        {"Text7", &Form13::Text7, {}, "Final settlement (m) :"},
        {"MaskEdBox1", &Form13::MaskEdBox1, {}, "Cv- Overall [m2/s] :"},
        {"MaskEdBox2", &Form13::MaskEdBox2, {}, "Ch - Overall [m2/s] :"},
    };
    return table;
}

Form13::Form13(Application& app) : WindowModel(app), Fg12(kMeasurementRows + 1, 3) {
    Caption = "Observations";
    Graph1.setWidth(7500);
    Graph1.setHeight(5250);
    Graph1.saveDesign();
}

void Form13::Form_Load() {
    ObservationState& st = observed();
    app().part<GeneralState>().ListMode = 1;
    // The plate of the readings on show: a code from an earlier opening or an observation file
    // must not give way to the default, or the readings are saved under another plate.
    if (num::isBlank(st.PlateCode)) {
        st.PlateCode = kDefaultPlate;
    }
    st.TShift = 0.0f;
    loadBoxes(*this, app().state(), boxes());
    Text3 = "10";
    clearAsaokaBoxes();

    prepareEditableTable(Fg12);
    Fg12.setColWidth(0, 900);
    Fg12.setColWidth(kTimeColumn, 1000);
    Fg12.setColWidth(kSettlementColumn, 1100);
    showMeasurements();
    storeMeasurements(st, Fg12, readMeasurementsQuietly(Fg12));
}

void Form13::showMeasurements() {
    const ObservationState& st = observed();
    for (int i = 1; i <= kMeasurementRows; ++i) {
        Fg12.setTextMatrix(i, kTimeColumn, st.TObs(i) == 0.0f ? "" : num::boxText(st.TObs(i)));
        Fg12.setTextMatrix(i, kSettlementColumn,
                           st.SObs(i) == 0.0f ? "" : num::boxText(st.SObs(i)));
    }
    Fg12.setTextMatrix(0, 0, "Number (-)");
    // The readings are counted from the top: the next key typed is the first time, not a change to
    // the last row written.
    Fg12.setRow(1);
    Fg12.setCol(kTimeColumn);
}

void Form13::clearAsaokaBoxes() {
    Text4.clear();
    Text5.clear();
    Text6.clear();
    Text7.clear();
    clearDrainageBoxes();
}

void Form13::clearDrainageBoxes() {
    MaskEdBox1.clear();
    MaskEdBox2.clear();
}

WindowReaction Form13::reactionTo(ResultsEvent event) const {
    const bool drainageMayChange = event == ResultsEvent::SettlementResultsChanged ||
                                   event == ResultsEvent::ConsolidationResultsChanged ||
                                   event == ResultsEvent::ProjectReplaced ||
                                   event == ResultsEvent::MethodChanged;
    return drainageMayChange ? WindowReaction::Refill : WindowReaction::Keep;
}

void Form13::refill(ResultsEvent) {
    // The readings, the plate and the fit are the plate's; Cv and Ch belong to the drainage they
    // were found from, and the state drops them with the boxes, so the listing agrees.
    ObservationState& st = observed();
    st.CvOverall = 0.0f;
    st.ChOverall = 0.0f;
    clearDrainageBoxes();
}

bool Form13::readObservations(bool withShift) {
    Measurements readings;
    const bool read = commitOnSuccess(app(), [&](Module1& st) {
        const double shift = withShift ? boxNumber(*this, "Text2") : 0.0;
        readings = readMeasurements(Fg12);
        if (withShift) {
            st.TShift = num::toSingle(shift);
        }
    });
    if (!read) {
        return false;
    }
    // Analysis results of the readings before go with them, whichever button stored the new ones.
    storeReadings(readings);
    const ObservationState& st = observed();
    if (st.NObs == 0.0f) {
        desktop().msgBox("No Data available.", vbOKOnly, kProgramTitle);
        return false;
    }
    warnOnColumnLength();
    return true;
}

void Form13::warnOnColumnLength() {
    const ObservationState& st = observed();
    for (int i = 1; i <= kMeasurementRows; ++i) {
        if (st.TObs(i) == 0.0f && st.TObs(i - 1) != 0.0f && st.NObs != static_cast<Single>(i - 1)) {
            desktop().msgBox(" Rows Time and Settlements not the same lenght. ", vbExclamation);
            return;
        }
    }
}

bool Form13::enoughForRates() {
    if (observed().NObs < 2.0f) {
        desktop().msgBox("The rate plots need at least two observations.", vbExclamation);
        return false;
    }
    return true;
}

void Form13::comparePrediction(SingleArray<kObservedPredictionRows> PlatePredictions::*series,
                               bool shifted) {
    if (!readObservations(shifted)) {
        return;
    }
    const ObservationState& st = observed();
    Form14& graphs = windows().load<Form14>();
    graphs.fill(st.Predictions.*series, st.Predictions.TPred, shifted ? st.TShift : 0.0f, st);
    windows().show<Form14>();
}

void Form13::Command1_Click() {
    comparePrediction(&PlatePredictions::SVertIL, true);
}
void Form13::Command2_Click() {
    comparePrediction(&PlatePredictions::SHorIL, true);
}
void Form13::Command3_Click() {
    comparePrediction(&PlatePredictions::SVertGL, false);
}
void Form13::Command4_Click() {
    comparePrediction(&PlatePredictions::SHorGL, false);
}

void Form13::Command5_Click() {
    if (!readObservations(false)) {
        return;
    }
    ObservationState& st = observed();
    const int n = static_cast<int>(st.NObs);
    // Taken after the table is read: times edited since the last press count at once.
    st.DtAsaoka = num::toSingle(static_cast<double>(st.TObs(2)) - st.TObs(1));
    AsaokaInput input;
    input.times = observedRows(st.TObs, n);
    input.settlements = observedRows(st.SObs, n);
    input.dt = st.DtAsaoka;
    const Module1& all = app().state();
    input.drainage = currentDrainage(all, all, all);
    input.pi = all.Pi;
    const AsaokaResult r = asaokaAnalysis(input);
    if (r.unequalSteps) {
        warnUnequalSteps(desktop(), "the Asaoka analysis", st.DtAsaoka);
    }

    st.SumX = r.sumX;
    st.SumX2 = r.sumX2;
    st.SumXY = r.sumXY;
    st.SumY = r.sumY;
    st.SumY2 = r.sumY2;
    // A result that cannot be found is 0 in the state, never the value of an earlier press.
    st.Beta1 = roundedForDisplay(r.beta1);
    st.Beta0 = roundedForDisplay(r.beta0);
    st.SFinal = roundedForDisplay(r.sFinal);
    st.Correlation = r.correlation.value_or(0.0f);
    st.CvOverall = r.cvOverall.value_or(0.0f);
    st.ChOverall = r.chOverall.value_or(0.0f);
    st.SAsaokaFit.fill(0.0f);
    for (int i = 1; i <= n; ++i) {
        st.SAsaokaFit(i) = r.fit[static_cast<std::size_t>(i - 1)];
    }

    Text4 = r.beta0 ? num::boxText(st.Beta0) : "";
    Text5 = r.beta1 ? num::boxText(st.Beta1) : "";
    Text6 = resultText(r.correlation);
    Text7 = r.sFinal ? num::boxText(st.SFinal) : "";
    MaskEdBox1 = resultText(r.cvOverall);
    MaskEdBox2 = resultText(r.chOverall);
    windows().announce(ResultsEvent::ObservationAnalysisChanged);

    GraphModel& graph = Graph1;
    drawPlot(graph, "Asoaka Graph", "S(i-1) (m)", "S(i) (m)");
    if (r.pairs > 0) {
        const int first = r.fromLoading ? 1 : 2;
        graph.setNumPoints(r.pairs);
        graph.setNumSets(3);
        for (int set = 1; set <= 3; ++set) {
            graph.setThisSet(set);
            if (set == 2) {
                // The measured pairs are a scatter about the fitted line, not a curve.
                graph.setProperty(63, 8);
            }
            if (set == 3 && !r.beta1) {
                break;
            }
            for (int i = first; i <= n; ++i) {
                const Single x = st.SObs(i - 1);
                const Single y = set == 1 ? x : set == 2 ? st.SObs(i) : st.SAsaokaFit(i);
                graph.setThisPoint(i - first + 1);
                graph.setGraphData(y);
                graph.setXPosData(x);
            }
        }
    }
    graph.setDrawMode(2);

    if (!r.missing.empty()) {
        std::string text;
        for (const std::string& line : r.missing) {
            text += (text.empty() ? "" : "\n") + line;
        }
        desktop().msgBox(text, vbExclamation);
    }
}

void Form13::Command6_Click() {
    plotRate(kRatePlots[0]);
}
void Form13::Command7_Click() {
    plotRate(kRatePlots[1]);
}
void Form13::Command8_Click() {
    plotRate(kRatePlots[2]);
}

void Form13::plotRate(const RatePlot& plot) {
    if (!readObservations(false)) {
        return;
    }
    ObservationState& st = observed();
    st.DtAsaoka = num::toSingle(static_cast<double>(st.TObs(2)) - st.TObs(1));
    if (!enoughForRates()) {
        return;
    }
    const int n = static_cast<int>(st.NObs);
    const std::vector<Single> times = observedRows(st.TObs, n);
    const Rates rates = plot.rates(times, observedRows(st.SObs, n), st.DtAsaoka);
    storeRates(st.*plot.stored, rates);
    windows().announce(ResultsEvent::ObservationAnalysisChanged);
    const StepFault fault = plot.takesEqualSteps && st.DtAsaoka > 0.0f
                                ? stepFault(times, st.DtAsaoka)
                                : StepFault::None;
    if (fault == StepFault::Unequal) {
        warnUnequalSteps(desktop(), plot.name, st.DtAsaoka);
    } else if (fault == StepFault::FirstFromLoading) {
        desktop().msgBox("The first observation is not one time step after the load (within "
                         "1 %): TObs(1) = " +
                             num::boxText(times[0]) + " days, while " + plot.name +
                             " takes it as TObs(2) - TObs(1) = " + num::boxText(st.DtAsaoka) +
                             " days after the load.",
                         vbExclamation);
    }
    drawPlot(Graph1, plot.title, "Time (days)", plot.leftTitle);
    drawRate(Graph1, times, rates);
    if (!rates.missingRows.empty()) {
        const char* rows = rates.missingRows.size() == 1 ? " for row " : " for rows ";
        desktop().msgBox(std::string("No ") + plot.name + rows + rowList(rates.missingRows) + ": " +
                             plot.noRate,
                         vbExclamation);
    }
}

void Form13::Command9_Click() {
    windows().unload(*this);
}

void Form13::Command10_Click() {
    printGraphWindow(desktop(), Graph1, kWideLandscapePrint);
}

void Form13::Command11_Click() {
    copyGraphWindowImage(desktop(), Graph1);
}

void Form13::Command12_Click() {
    const bool stored = commitOnSuccess(app(), [this](Module1& st) {
        const Single increment = num::toSingle(boxNumber(*this, "Text3"));
        if (!std::isfinite(num::toSingle(kMeasurementRows * static_cast<double>(increment)))) {
            refuse("The " + captionInSentence(boxNamed(boxes(), "Text3").caption) +
                       " is too large: the time of row " + std::to_string(kMeasurementRows) +
                       " would be out of range; correct the input.",
                   InputField{kName, "Text3"});
        }
        st.DtObs = increment;
        for (int i = 1; i <= kMeasurementRows; ++i) {
            st.TObs(i) = num::toSingle(i * static_cast<double>(st.DtObs));
        }
    });
    if (!stored) {
        return;
    }
    for (int i = 1; i <= kMeasurementRows; ++i) {
        Fg12.setTextMatrix(i, kTimeColumn, num::boxText(observed().TObs(i)));
    }
}

void Form13::Command13_Click() {
    showListing(windows());
}

void Form13::openmnu_Click() {
    ObservationFileRecord record;
    openChosenFile(
        desktop(), {"Open Observation file", kOpenFilter, 2, CommonDialog1FileName},
        kOpenFileCaption, "an observation file",
        [this](const std::string& path) { CommonDialog1FileName = path; },
        [&](std::string_view bytes) { record = readObservationFile(bytes); },
        [&](const std::string& path) {
            applyObservationFile(record, app().state());
            Text1 = observed().PlateCode;
            clearAsaokaBoxes();
            Graph1.restoreDesign();
            Graph1.setDrawMode(2);
            showMeasurements();
            // The readings and the predictions beside them are the file's now; the
            // calculation's own results have not changed.
            windows().announce(ResultsEvent::ObservationsChanged);
            showOpenedFile(desktop(), path);
        });
}

void Form13::saveobmnu_Click() {
    const std::optional<Measurements> readings = tableForOutput(Output::File);
    if (!readings) {
        return;
    }
    const FileDialogRequest dialog{"Save Observation file", kSaveFilter, 2, CommonDialog1FileName};
    const std::optional<std::string> saved = saveToChosenFile(
        desktop(), dialog,
        [this, &readings](const std::string& path) {
            CommonDialog1FileName = path;
            storeReadings(*readings);
        },
        [this] {
            return report::reportFileBytes(observationReport(report::Output::ObservationFile));
        });
    if (saved) {
        desktop().msgBox("The saved observation File is:  " + *saved, vbOKOnly,
                         "Korvex saving Observational file");
    }
}

void Form13::printobservmnu_Click() {
    const std::optional<Measurements> readings = tableForOutput(Output::Printout);
    if (!readings) {
        return;
    }
    storeReadings(*readings);
    report::printReport(desktop(), observationReport(report::Output::ObservationPrintout));
}

report::ReportWriter Form13::observationReport(report::Output output) {
    report::ReportWriter out(output, app().part<ReportLines>());
    report::writeObservationReport(out, headerTexts(app()), app().state());
    return out;
}

std::optional<Measurements> Form13::tableForOutput(Output output) {
    // Only read here: the readings are stored once the output is sure to be made.
    Measurements readings;
    const bool read = commitOnSuccess(app(), [&](Module1&) {
        readings = readMeasurements(Fg12);
        if (output == Output::File) {
            refuseSettlementsTheFileLoses(readings);
        }
    });
    if (!read) {
        return std::nullopt;
    }
    return readings;
}

void Form13::storeReadings(const Measurements& readings) {
    ObservationState& st = observed();
    bool same = static_cast<Single>(readings.count) == st.NObs;
    for (int i = 1; same && i <= kMeasurementRows; ++i) {
        same = readings.times(i) == st.TObs(i) && readings.settlements(i) == st.SObs(i);
    }
    storeMeasurements(st, Fg12, readings);
    if (!same) {
        clearAnalysisResults(st);
        clearAsaokaBoxes();
        // The listing and a comparison graph show the readings before.
        windows().announce(ResultsEvent::ObservationsChanged);
    }
}

void Form13::Form_Unload() {
    // What was typed reaches the state only when a button reads the table; closing the window
    // must not drop it, so the next opening shows it again.
    Measurements readings;
    try {
        readings = readMeasurements(Fg12);
    } catch (const InputRefusal& refusal) {
        const InputField& cell = refusal.field().value();
        desktop().msgBox("The readings typed are not kept: " + readingCellName(cell.row, cell.col) +
                             " holds no number. The window opens again with the readings it "
                             "had before.",
                         vbExclamation);
        return;
    }
    storeReadings(readings);
}

ObservationState& Form13::observed() {
    return app().part<ObservationState>();
}

bool Form13::listingAvailable() const {
    return windows().canShowByName(Form18::kName);
}

} // namespace korvex
