#include "consolidation/form6_settlement_time_graph_view.h"

#include "consolidation/form6_settlement_time_graph.h"
#include "consolidation/settlement_time_graph_window_view.h"

namespace korvex::gui {

WindowView* makeForm6View(Form6& model, GuiHost& host) {
    return makeSettlementTimeGraphWindowView(model, host, "Print ", 10695);
}

} // namespace korvex::gui
