#pragma once

#include "preload/preload_result_reaction.h"
#include "ui/graph_window.h"
#include "ui/grid.h"

#include <string>

namespace korvex {

// The removal-time window: per extra-fill case how long the fill must stay before its extra fill
// may be removed, and the days saved against the case without extra fill. "Exit", "Print" and
// "Image to Clipboard" are the graph window's.
class Form12 : public GraphWindow {
public:
    static constexpr const char* kName = "Form12";

    explicit Form12(Application& app);
    std::string_view windowName() const override { return kName; }

    void Form_Load() override;
    WindowReaction reactionTo(ResultsEvent event) const override {
        return preloadResultWindowReaction(event);
    }

    // "Drainspacing Triangular pattern (m):"
    std::string Text1;
    // "Thickness (m)", "Time (days)", "Advantage(days)"
    Grid Fg12;
};

} // namespace korvex
