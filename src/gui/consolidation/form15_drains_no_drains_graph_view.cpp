#include "consolidation/form15_drains_no_drains_graph_view.h"

#include "consolidation/form15_drains_no_drains_graph.h"
#include "consolidation/settlement_time_graph_window_view.h"

namespace korvex::gui {

WindowView* makeForm15View(Form15& model, GuiHost& host) {
    return makeSettlementTimeGraphWindowView(model, host, "Print", 11055);
}

} // namespace korvex::gui
