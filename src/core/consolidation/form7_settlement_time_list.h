#pragma once

#include "app/window_model.h"
#include "ui/grid.h"

namespace korvex {

// The list of settlements against time: one row per prediction time, one column per series.
class Form7 : public WindowModel {
public:
    static constexpr const char* kName = "Form7";

    explicit Form7(Application& app);
    std::string_view windowName() const override { return kName; }

    void Form_Load() override;
    // A drain design computed from other settlements is no design: it closes with the settlement
    // results it came from, and the user calculates the consolidation again.
    WindowReaction reactionTo(ResultsEvent event) const override {
        if (event == ResultsEvent::SettlementResultsChanged) {
            return WindowReaction::Close;
        }
        return resultWindowReaction(event, ResultsEvent::ConsolidationResultsChanged);
    }
    // "Exit"
    void Command1_Click();

    Grid Fg5;
    std::string Label1 = "IL = Instanteous Load. ";
    std::string Label2 = "GL = Gradually Load after Olson.";
};

} // namespace korvex
