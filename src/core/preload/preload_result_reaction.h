#pragma once

#include "app/window_model.h"

namespace korvex {

// Preload results beside the settlements or drains of another calculation are no results: a
// preload result window refills with a new preload calculation and closes with a new settlement
// or consolidation calculation, another project or the other method.
constexpr WindowReaction preloadResultWindowReaction(ResultsEvent event) {
    if (event == ResultsEvent::SettlementResultsChanged ||
        event == ResultsEvent::ConsolidationResultsChanged) {
        return WindowReaction::Close;
    }
    return resultWindowReaction(event, ResultsEvent::PreloadResultsChanged);
}

} // namespace korvex
