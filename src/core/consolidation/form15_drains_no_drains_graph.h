#pragma once

// Form15 draws the five settlement-time series with and without drains side by side.

#include "consolidation/settlement_time_graph_window.h"

namespace korvex {

class Form15 : public SettlementTimeGraphWindow {
public:
    static constexpr const char* kName = "Form15";
    explicit Form15(Application& app);
    std::string_view windowName() const override { return kName; }
};

} // namespace korvex
