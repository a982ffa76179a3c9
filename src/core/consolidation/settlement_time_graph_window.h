#pragma once

// What the two settlement-time graph windows share: a logarithmic time axis from 10 to 80 000
// days, a settlement axis, and Exit, Print (landscape) and Image to Clipboard.

#include "ui/graph_window.h"

namespace korvex {

// "Print" prints landscape, 15000 x 8500 twips.
class SettlementTimeGraphWindow : public GraphWindow {
public:
    // A graph is filled only by a button of the result window, so new results cannot refill it:
    // it closes instead, with the settlement or consolidation results it was drawn from.
    WindowReaction reactionTo(ResultsEvent event) const override {
        switch (event) {
        case ResultsEvent::SettlementResultsChanged:
        case ResultsEvent::ConsolidationResultsChanged:
        case ResultsEvent::ProjectReplaced:
        case ResultsEvent::MethodChanged:
            return WindowReaction::Close;
        case ResultsEvent::PreloadResultsChanged:
        case ResultsEvent::ObservationsChanged:
        case ResultsEvent::ObservationAnalysisChanged:
            break;
        }
        return WindowReaction::Keep;
    }

protected:
    SettlementTimeGraphWindow(Application& app, const char* caption, int sets, double widthTwips,
                              const char* legends[]);
};

} // namespace korvex
