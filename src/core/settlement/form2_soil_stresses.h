#pragma once

#include "app/window_model.h"
#include "ui/graph_model.h"
#include "ui/grid.h"

namespace korvex {

// The soil-stress window: thickness, mid-layer level and the three stresses of every layer of
// the last settlement calculation, in a table and as a graph against the level.
class Form2 : public WindowModel {
public:
    static constexpr const char* kName = "Form2";
    // The graph's size in the window's layout, to which it returns after printing.
    static constexpr double kLayoutWidth = 5775;
    static constexpr double kLayoutHeight = 6375;

    explicit Form2(Application& app);
    std::string_view windowName() const override { return kName; }

    void Form_Load() override;
    WindowReaction reactionTo(ResultsEvent event) const override {
        return resultWindowReaction(event, ResultsEvent::SettlementResultsChanged);
    }
    // "Exit"
    void Command1_Click();
    // "Print"
    void Command2_Click();
    // "Image to Clipboard"
    void Command3_Click();

    Grid Fg2;
    GraphModel Graph1;
};

} // namespace korvex
