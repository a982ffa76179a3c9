#pragma once

// Form6 takes one graph of the consolidation result window at a time.

#include "consolidation/settlement_time_graph_window.h"

namespace korvex {

class Form6 : public SettlementTimeGraphWindow {
public:
    static constexpr const char* kName = "Form6";
    explicit Form6(Application& app);
    std::string_view windowName() const override { return kName; }
};

} // namespace korvex
