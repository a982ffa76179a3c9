#pragma once

#include "app/window_model.h"
#include "ui/graph_model.h"
#include "ui/grid.h"
#include "ui/input_boxes.h"

#include <span>
#include <string>

namespace korvex {

// The preload window: the extra-fill increment, the accepted rest settlement, the drain spacing
// and per layer its Ch and whether the drains reach it; "Calculate" sizes the extra fill.
class Form10 : public WindowModel {
public:
    static constexpr const char* kName = "Form10";
    static constexpr int kLayerRows = 20;
    static constexpr int kResultRows = 7;

    explicit Form10(Application& app);
    // The boxes: name, text, the shared value its loading shows and caption.
    static std::span<const InputBox<Form10>> boxes();
    std::string_view windowName() const override { return kName; }

    void Form_Load() override;
    // "Exit"
    void Command1_Click();
    // "Calculate"
    void Command2_Click();
    // "Print"
    void Command3_Click();
    // "Graphs/List"
    void Command4_Click();

    // After a new settlement or consolidation calculation, another project or the other method:
    // the boxes and layer rows taken from the shared state are filled again, and the results of
    // the earlier calculation (table and graph) are cleared, so that no Calculate sizes a preload
    // with a spacing or layers that no longer hold.
    WindowReaction reactionTo(ResultsEvent event) const override {
        switch (event) {
        case ResultsEvent::SettlementResultsChanged:
        case ResultsEvent::ConsolidationResultsChanged:
        case ResultsEvent::ProjectReplaced:
        case ResultsEvent::MethodChanged:
            return WindowReaction::Refill;
        case ResultsEvent::PreloadResultsChanged:
        case ResultsEvent::ObservationsChanged:
        case ResultsEvent::ObservationAnalysisChanged:
            break;
        }
        return WindowReaction::Keep;
    }
    void refill(ResultsEvent) override { refillFromState(); }
    void refillFromState();

    // The increment, the rest settlement and the drain spacing; captions in boxes().
    std::string Text1, Text2, Text3;
    // "TWO Way Flow of pore water for layer(s) under drain depth." / "ONE Way flow ..."
    bool Option1 = false;
    bool Option2 = true;
    // "Lno", "Ch(i)", "Drained 1/0"
    Grid Fg8;
    std::string TxtEdit;
    // "Z(i) (m)" in column 1, the level of each layer's underside; column 0 holds the row numbers
    // every table has.
    Grid FgX8;
    // "Extra Fill(m)", "Fill Height(m)", "S10(m)", "S10000(m)"
    Grid Fg9;
    GraphModel Graph1;

private:
    void fillFromState();
    void showResults();
    void clearResults();
};

} // namespace korvex
