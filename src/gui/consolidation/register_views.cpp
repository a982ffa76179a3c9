#include "app/gui_host.h"
#include "consolidation/consolidation_views.h"
#include "consolidation/form15_drains_no_drains_graph.h"
#include "consolidation/form4_consolidation_input.h"
#include "consolidation/form5_consolidation_results.h"
#include "consolidation/form6_settlement_time_graph.h"
#include "consolidation/form7_settlement_time_list.h"
#include "ui/graph_window_view.h"

namespace korvex::gui {

namespace {

WindowView* makeGraphWindowView(SettlementTimeGraphWindow& model, GuiHost& host,
                                const std::string& printCaption, double widthTwips) {
    GraphWindowButtons buttons;
    buttons.printCaption = printCaption;
    buttons.exitClicked = [&model] { model.Command1_Click(); };
    buttons.printClicked = [&model] { model.Command2_Click(); };
    buttons.clipboardClicked = [&model] { model.Command3_Click(); };
    auto* view = new GraphWindowView(model, host, model.Graph1, nullptr, std::move(buttons));
    // The layout size of the graph plus its margins, at 15 twips to a pixel.
    view->resize(static_cast<int>(widthTwips / 15) + 60, 5655 / 15 + 90);
    return view;
}

template <typename Form, typename Make> void add(GuiHost& host, Make make) {
    host.registerView(Form::kName, [make](WindowModel& model, GuiHost& h) -> WindowView* {
        return make(static_cast<Form&>(model), h);
    });
}

} // namespace

void registerConsolidationViews(GuiHost& host) {
    add<Form4>(host, [](Form4& m, GuiHost& h) { return new Form4View(m, h); });
    add<Form5>(host, [](Form5& m, GuiHost& h) { return new Form5View(m, h); });
    add<Form6>(host,
               [](Form6& m, GuiHost& h) { return makeGraphWindowView(m, h, "Print ", 10695); });
    add<Form15>(host,
                [](Form15& m, GuiHost& h) { return makeGraphWindowView(m, h, "Print", 11055); });
    add<Form7>(host, [](Form7& m, GuiHost& h) { return new Form7View(m, h); });
}

} // namespace korvex::gui
