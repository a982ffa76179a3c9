#pragma once

#include "app/window_model.h"
#include "ui/graph_model.h"
#include "ui/grid.h"

namespace korvex {

// The settlement result window: the settlement of the soil column for every load step after
// 1 to 10 000 days, as a table and as curves, optionally with the stress paths of the fill steps.
class Form3 : public WindowModel {
public:
    static constexpr const char* kName = "Form3";

    explicit Form3(Application& app);
    std::string_view windowName() const override { return kName; }

    void Form_Load() override;
    WindowReaction reactionTo(ResultsEvent event) const override {
        return resultWindowReaction(event, ResultsEvent::SettlementResultsChanged);
    }
    // "Exit"
    void Command1_Click();
    // "Soil stresses"
    void Command2_Click();
    // "Print"
    void Command3_Click();
    // "Settlements/Stresses fill"
    void Command4_Click();
    // "Settlements"
    void Command5_Click();
    // "Fill Height vs Surface level"
    void Command6_Click();
    // "Settlement Fill Height"
    void Command7_Click();
    // "Image to Clipboard"
    void Command8_Click();
    // "List"
    void Command9_Click();

    // "List" can only be offered once the listing window exists on this desktop.
    bool listAvailable();

    Grid Fg3;
    GraphModel Graph1;
    std::string Label1;

private:
    void fillGrid();
    void fillSettlementCurves();
};

} // namespace korvex
