#pragma once

#include "ui/graph_window.h"
#include "ui/grid.h"

namespace korvex {

// The soil-stress window: thickness, mid-layer level and the three stresses of every layer of
// the last settlement calculation, in a table and as a graph against the level.
class Form2 : public GraphWindow {
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
    // "Print"
    void Command2_Click() override;

    Grid Fg2;
};

} // namespace korvex
