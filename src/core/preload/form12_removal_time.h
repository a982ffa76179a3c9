#pragma once

#include "app/window_model.h"
#include "ui/graph_model.h"
#include "ui/grid.h"

#include <string>

namespace korvex {

// The removal-time window: per extra-fill case how long the fill must stay before its extra fill
// may be removed, and the days saved against the case without extra fill.
class Form12 : public WindowModel {
public:
    static constexpr const char* kName = "Form12";

    explicit Form12(Application& app);
    std::string_view windowName() const override { return kName; }

    void Form_Load() override;
    // "Exit"
    void Command1_Click();
    // "Print"
    void Command2_Click();
    // "Image to Clipboard"
    void Command3_Click();

    // "Drainspacing Triangular pattern (m):"
    std::string Text1;
    // "Thickness (m)", "Time (days)", "Advantage(days)"
    Grid Fg12;
    GraphModel Graph1;
};

} // namespace korvex
