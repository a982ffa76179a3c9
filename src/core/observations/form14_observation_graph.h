#pragma once

// Form14 compares the measured settlements of a plate with one settlement-time prediction kept
// with them.

#include "app/vb_types.h"
#include "state/observation_state.h"
#include "ui/graph_window.h"

namespace korvex {

// Exit, Print (landscape, 15000 x 8500 twips) and Image to Clipboard are the graph window's.
class Form14 : public GraphWindow {
public:
    static constexpr const char* kName = "Form14";
    // The rows an observation file keeps of a prediction: a prediction read from a file and one
    // just calculated are drawn alike, and nothing of an earlier calculation joins a file's.
    static constexpr int kPredictionRows = kObservedPredictionRows;

    explicit Form14(Application& app);
    std::string_view windowName() const override { return kName; }

    // The graph is filled only by a button of the observation window: when the prediction (a
    // consolidation calculation hands over its own) or the readings it drew change, it closes
    // rather than show them beside the new ones. Neither belongs to the project: they stay when a
    // settlement calculation or a project file replaces the calculation's results.
    WindowReaction reactionTo(ResultsEvent event) const override {
        return event == ResultsEvent::ConsolidationResultsChanged ||
                       event == ResultsEvent::ObservationsChanged
                   ? WindowReaction::Close
                   : WindowReaction::Keep;
    }

    // Draws the prediction at its 18 times, each moved by `shift` days, and the observations
    // 1..NObs drawn downward.
    void fill(const SingleArray<kPredictionRows>& predicted,
              const SingleArray<kPredictionRows>& times, Single shift,
              const ObservationState& observed);
};

} // namespace korvex
