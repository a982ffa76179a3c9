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

namespace {

template <typename Form, typename Make> void add(GuiHost& host, Make make) {
    host.registerView(Form::kName, [make](WindowModel& model, GuiHost& h) -> WindowView* {
        return make(static_cast<Form&>(model), h);
    });
}

} // namespace

void registerConsolidationViews(GuiHost& host) {
    add<Form4>(host, [](Form4& m, GuiHost& h) { return new Form4View(m, h); });
    add<Form5>(host, [](Form5& m, GuiHost& h) { return new Form5View(m, h); });
    add<Form6>(host, [](Form6& m, GuiHost& h) { return makeForm6View(m, h); });
    add<Form15>(host, [](Form15& m, GuiHost& h) { return makeForm15View(m, h); });
    add<Form7>(host, [](Form7& m, GuiHost& h) { return new Form7View(m, h); });
}

} // namespace korvex::gui
