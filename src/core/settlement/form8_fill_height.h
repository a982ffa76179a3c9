#pragma once

#include "ui/graph_window.h"
#include "ui/grid.h"

namespace korvex {

// The fill-height window: per fill step its thickness, settlement, effective height and the
// surface level it gives, with the required level and the calculated thickness marked.
class Form8 : public GraphWindow {
public:
    static constexpr const char* kName = "Form8";

    explicit Form8(Application& app);
    std::string_view windowName() const override { return kName; }

    void Form_Load() override;
    WindowReaction reactionTo(ResultsEvent event) const override {
        return resultWindowReaction(event, ResultsEvent::SettlementResultsChanged);
    }

    Grid Fg6;
};

} // namespace korvex
