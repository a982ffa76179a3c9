#include "app/gui_host.h"
#include "observations/form13_observations.h"
#include "observations/form13_observations_view.h"
#include "observations/form14_observation_graph.h"
#include "observations/form14_observation_graph_view.h"

namespace korvex::gui {

void registerObservationViews(GuiHost& host) {
    host.registerView(Form13::kName, [](WindowModel& model, GuiHost& h) -> WindowView* {
        return new Form13View(static_cast<Form13&>(model), h);
    });
    host.registerView(Form14::kName, [](WindowModel& model, GuiHost& h) -> WindowView* {
        return makeForm14View(static_cast<Form14&>(model), h);
    });
}

} // namespace korvex::gui
