#include "observations/form14_observation_graph_view.h"

#include "observations/form14_observation_graph.h"
#include "ui/graph_window_view.h"

namespace korvex::gui {

WindowView* makeForm14View(Form14& model, GuiHost& host) {
    GraphWindowButtons buttons;
    buttons.printCaption = "Print ";
    buttons.exitClicked = [&model] { model.Command1_Click(); };
    buttons.printClicked = [&model] { model.Command2_Click(); };
    buttons.clipboardClicked = [&model] { model.Command3_Click(); };
    auto* view = new GraphWindowView(model, host, model.Graph1, nullptr, std::move(buttons));
    // The layout size of the graph plus its margins, at 15 twips to a pixel.
    view->resize(static_cast<int>(model.Graph1.Width() / 15) + 60,
                 static_cast<int>(model.Graph1.Height() / 15) + 90);
    return view;
}

} // namespace korvex::gui
