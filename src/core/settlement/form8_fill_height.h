#pragma once

#include "app/window_model.h"
#include "ui/graph_model.h"
#include "ui/grid.h"

namespace korvex {

// The fill-height window: per fill step its thickness, settlement, effective height and the
// surface level it gives, with the required level and the calculated thickness marked.
class Form8 : public WindowModel {
public:
    static constexpr const char* kName = "Form8";

    explicit Form8(Application& app);
    std::string_view windowName() const override { return kName; }

    void Form_Load() override;
    WindowReaction reactionTo(ResultsEvent event) const override {
        return resultWindowReaction(event, ResultsEvent::SettlementResultsChanged);
    }
    // "Exit"
    void Command1_Click();
    // "Print"
    void Command2_Click();
    // "Image to Cipboard"
    void Command3_Click();

    Grid Fg6;
    GraphModel Graph1;
};

} // namespace korvex
