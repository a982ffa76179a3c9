#include "consolidation/register_views.h"

#include "app/gui_host.h"
#include "consolidation/form15_drains_no_drains_graph.h"
#include "consolidation/form15_drains_no_drains_graph_view.h"
#include "consolidation/form4_consolidation_input.h"
#include "consolidation/form4_consolidation_input_view.h"
#include "consolidation/form5_consolidation_results.h"
#include "consolidation/form5_consolidation_results_view.h"
#include "consolidation/form6_settlement_time_graph.h"
#include "consolidation/form6_settlement_time_graph_view.h"
#include "consolidation/form7_settlement_time_list.h"
#include "consolidation/form7_settlement_time_list_view.h"

namespace korvex::gui {

void registerConsolidationViews(GuiHost& host) {
    host.registerView<Form4>(newView<Form4View>);
    host.registerView<Form5>(newView<Form5View>);
    host.registerView<Form6>(makeForm6View);
    host.registerView<Form15>(makeForm15View);
    host.registerView<Form7>(newView<Form7View>);
}

} // namespace korvex::gui
