#include "consolidation/form15_drains_no_drains_graph.h"

namespace korvex {

namespace {
const char* kForm15Legends[] = {"Vertical flow IL", "Vertical flow Olson", "Horizontal flow IL",
                                "Horizontal flow Olson", "Settlement without consolidation"};
} // namespace

Form15::Form15(Application& app)
    : SettlementTimeGraphWindow(app, "Graphs Drains/ No Drains", 5, 11055, kForm15Legends) {}

} // namespace korvex
