#pragma once

// The observation window: the readings of one settlement plate, the Asaoka analysis and the rate
// plots in its own graph, and the comparison with the predictions in Form14.

#include "app/vb_types.h"
#include "app/window_model.h"
#include "observations/measurement_table.h"
#include "report/report_writer.h"
#include "state/observation_state.h"
#include "ui/graph_model.h"
#include "ui/grid.h"
#include "ui/input_boxes.h"

#include <optional>
#include <span>
#include <string>

namespace korvex {

struct RatePlot;

class Form13 : public WindowModel {
public:
    static constexpr const char* kName = "Form13";

    explicit Form13(Application& app);
    std::string_view windowName() const override { return kName; }

    // The boxes: name, text, the shared variable its loading shows and caption. The result
    // boxes are only shown: loading empties them, "Asoaka" fills them.
    static std::span<const InputBox<Form13>> boxes();

    void Form_Load() override;
    // The readings typed in the table are kept for the next opening; a table with a cell that is
    // no number keeps the readings before, and the user is told so.
    void Form_Unload() override;
    // A settlement or consolidation calculation or a project file may bring another drainage:
    // Cv and Ch are emptied, the table, the plate, the shift and the fit stay.
    WindowReaction reactionTo(ResultsEvent event) const override;
    void refill(ResultsEvent event) override;

    // "No Drains IL", "Drains IL", "No Drains GL", "Drains GL": the readings against a prediction
    // in Form14.
    void Command1_Click();
    void Command2_Click();
    void Command3_Click();
    void Command4_Click();
    // "Asoaka"
    void Command5_Click();
    // "ds/dt", "ds/log(ti/ti-1)", "t/s"
    void Command6_Click();
    void Command7_Click();
    void Command8_Click();
    // "Exit"
    void Command9_Click();
    // "Print Graph", "Image to Clipboard"
    void Command10_Click();
    void Command11_Click();
    // "Changing time increment"
    void Command12_Click();
    // "List"
    void Command13_Click();

    // The "File (open - save - print)" menu: "Open Observation file", "Save Observation file",
    // "Print Observationdata".
    void openmnu_Click();
    void saveobmnu_Click();
    void printobservmnu_Click();

    // The listing belongs to the report; "List" is enabled once it exists.
    bool listingAvailable() const;

    // "Code of Settlement Plate:", "Shift in days (Equivalent time surcharge):", "Time increment
    // [days]:"
    std::string Text1, Text2, Text3;
    // The Asaoka results, read only: intercept, slope, correlation, final settlement, Cv and Ch.
    std::string Text4, Text5, Text6, Text7, MaskEdBox1, MaskEdBox2;
    Grid Fg12;
    std::string TxtEdit;
    GraphModel Graph1;
    // The file name last chosen in the open or the save dialog: each of them starts with it.
    std::string CommonDialog1FileName;

private:
    ObservationState& observed();
    // The steps every analysis and comparison starts with: the table (and with it the shift, when
    // asked) read into the shared state or refused, a message for no readings, one warning for
    // columns of different length. False when the button has to stop.
    bool readObservations(bool withShift);
    void warnOnColumnLength();
    void comparePrediction(SingleArray<kObservedPredictionRows> PlatePredictions::*series,
                           bool shifted);
    // The three rate buttons differ only in the rate, its plot and its messages.
    void plotRate(const RatePlot& plot);
    // The rate buttons draw a line through two observations at least.
    bool enoughForRates();
    void clearAsaokaBoxes();
    void clearDrainageBoxes();
    // The readings rows 1 to 100 as the state holds them, a zero as an empty cell, with row 1's
    // time the current cell.
    void showMeasurements();
    // Save and print write the readings the table shows, read strictly: a refusal is shown and
    // nothing returned. The file also refuses a settlement it would write as 0.
    enum class Output { File, Printout };
    std::optional<Measurements> tableForOutput(Output output);
    // Storing readings that differ from the state's drops the analysis results of those, so that
    // none are written beside other readings, and tells the windows that show them.
    void storeReadings(const Measurements& readings);
    report::ReportWriter observationReport(report::Output output);
};

} // namespace korvex
