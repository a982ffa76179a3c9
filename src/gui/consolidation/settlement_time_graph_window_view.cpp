#include "consolidation/settlement_time_graph_window_view.h"

#include "consolidation/settlement_time_graph_window.h"
#include "ui/graph_window_view.h"

namespace korvex::gui {

WindowView* makeSettlementTimeGraphWindowView(SettlementTimeGraphWindow& model, GuiHost& host,
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

} // namespace korvex::gui
