#pragma once

#include "ui/graph_window.h"
#include "ui/grid.h"

namespace korvex {

// The window of the fill height for the required time: settlement of every fill step at the
// settlement time against its load, the settlement of the calculated fill and its stress path.
class Form9 : public GraphWindow {
public:
    static constexpr const char* kName = "Form9";

    explicit Form9(Application& app);
    std::string_view windowName() const override { return kName; }

    void Form_Load() override;
    WindowReaction reactionTo(ResultsEvent event) const override {
        return resultWindowReaction(event, ResultsEvent::SettlementResultsChanged);
    }

    Grid Fg7;
};

} // namespace korvex
