#include "observations/form14_observation_graph_view.h"

#include "consolidation/settlement_time_graph_window_view.h"
#include "observations/form14_observation_graph.h"

namespace korvex::gui {

WindowView* makeForm14View(Form14& model, GuiHost& host) {
    // TODO(shared-pieces): the view of the graph-window base once Form14 has moved onto it.
    return makeSettlementTimeGraphWindowView(model, host, "Print ", 10695);
}

} // namespace korvex::gui
