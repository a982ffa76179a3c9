#pragma once

// What the two settlement-time graph windows share: a logarithmic time axis from 10 to 80 000
// days, a settlement axis, and Exit, Print (landscape) and Image to Clipboard.

#include "app/window_model.h"
#include "ui/graph_model.h"

namespace korvex {

class SettlementTimeGraphWindow : public WindowModel {
public:
    // A graph is filled only by a button of the result window, so new results cannot refill it:
    // it closes instead, with the settlement or consolidation results it was drawn from.
    WindowReaction reactionTo(ResultsEvent event) const override {
        switch (event) {
        case ResultsEvent::SettlementResultsChanged:
        case ResultsEvent::ConsolidationResultsChanged:
        case ResultsEvent::ProjectReplaced:
            return WindowReaction::Close;
        case ResultsEvent::PreloadResultsChanged:
        case ResultsEvent::ObservationsChanged:
            break;
        }
        return WindowReaction::Keep;
    }

    // "Exit"
    void Command1_Click();
    // "Print": landscape, 15000 x 8500 twips.
    void Command2_Click();
    // "Image to Clipboard"
    void Command3_Click();

    GraphModel Graph1;

protected:
    SettlementTimeGraphWindow(Application& app, const char* caption, int sets, double widthTwips,
                              const char* legends[]);
};

} // namespace korvex
