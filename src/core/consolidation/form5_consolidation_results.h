#pragma once

#include "app/window_model.h"

#include <string>

namespace korvex {

// The consolidation result window: drain zone, spacings, consolidation times, discharge and the
// times for the accepted rest settlement.
class Form5 : public WindowModel {
public:
    static constexpr const char* kName = "Form5";

    explicit Form5(Application& app);
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
    void refill(ResultsEvent) override { fillFromState(); }
    // Writes every box from the shared state, the discharge boxes included.
    void fillFromState();

    // "Exit"
    void Command1_Click();
    // "List Settlements vs Time"
    void Command2_Click();
    // The graph buttons: "Settlement NO Drains", "Settlement Drains", "Settlement Hor.- Vert.
    // flow", "Difference Drains-No Drains", "Primary Settl. NO Drains", "Primary Settl. Drains",
    // "Secondary Settlement", "Ratio Secondary/Primary", "Settlement Time No Drains", "Settlement
    // Time Drains" draw into Form6; "Drains + NO Drains" into Form15.
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Command6_Click();
    void Command7_Click();
    void Command8_Click();
    void Command9_Click();
    void Command10_Click();
    void Command11_Click();
    void Command12_Click();
    void Command13_Click();
    // "Optimize Preload"
    void Command14_Click();
    // "List "
    void Command15_Click();

    // The preload and listing windows belong to other parts of the program; their buttons are
    // enabled only once those windows exist.
    bool preloadAvailable();
    bool listingAvailable();

    std::string Text1, Text2, Text3, Text4, Text5, Text6, Text7, Text8, Text9, Text10, Text11,
        Text12, Text13, Text14, Text15, Text16, Text17, Text18, Text19;
};

} // namespace korvex
