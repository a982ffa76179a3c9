#include "consolidation/form6_settlement_time_graph.h"

namespace korvex {

namespace {
const char* kForm6Legends[] = {"Instantaneous Load", "Gradually Load", "No Consolidation"};
} // namespace

Form6::Form6(Application& app)
    : SettlementTimeGraphWindow(app, "Graphs", 3, 10695, kForm6Legends) {}

} // namespace korvex
