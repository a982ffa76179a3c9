#pragma once

#include "preload/preload_result_reaction.h"
#include "ui/graph_window.h"
#include "ui/grid.h"

#include <array>

namespace korvex {

// One of the eleven graph buttons: "Pre load n" sets case n + 1 beside case 1 and the removal
// level; "Rest layer n" splits case n + 1 into its drained part, its rest-layer part and the total.
struct CaseGraphButton {
    int command;
    const char* caption;
    int caseNumber;
    bool splitsCase;
};

inline constexpr std::array<CaseGraphButton, 11> kCaseGraphButtons{{
    {3, "Pre load 1", 2, false},
    {4, "Pre load 2", 3, false},
    {5, "Pre load 3", 4, false},
    {6, "Pre load 4", 5, false},
    {7, "Pre load 5", 6, false},
    {8, "Rest layer0", 1, true},
    {9, "Rest layer1", 2, true},
    {10, "Rest layer2", 3, true},
    {11, "Rest layer3", 4, true},
    {12, "Rest layer4", 5, true},
    {13, "Rest layer 5", 6, true},
}};

// The extra-fill result window: the settlement-time curves of the six cases as tables and graphs.
// "Exit" and "Print" are the graph window's; its "Image to Clipboard" is Command15 here.
class Form11 : public GraphWindow {
public:
    static constexpr const char* kName = "Form11";

    explicit Form11(Application& app);
    std::string_view windowName() const override { return kName; }

    void Form_Load() override;
    WindowReaction reactionTo(ResultsEvent event) const override {
        return preloadResultWindowReaction(event);
    }
    // The graph button of kCaseGraphButtons with this command number (3 to 13).
    void drawCaseGraph(int command);
    // "Pre load/time"
    void Command14_Click();
    // "Image to Clipboard"
    void Command15_Click();
    // "List"
    void Command16_Click();

    // "List" can only be offered once the listing window exists on this desktop.
    bool listAvailable();

    // "Settlements Extra Fill Thickness (m)", "Settlements Rest layer under drain depth (m)"
    Grid Fg10;
    Grid Fg11;

private:
    // Command3 of this window is "Pre load 1", a graph button.
    using GraphWindow::Command3_Click;
    void fillTable(Grid& grid, const SingleArray2<20, 6>& settlements);
    void drawOverview();
};

} // namespace korvex
