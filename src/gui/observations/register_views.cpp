#include "observations/register_views.h"

#include "app/gui_host.h"
#include "observations/form13_observations.h"
#include "observations/form13_observations_view.h"
#include "observations/form14_observation_graph.h"
#include "observations/form14_observation_graph_view.h"

namespace korvex::gui {

void registerObservationViews(GuiHost& host) {
    host.registerView<Form13>(newView<Form13View>);
    host.registerView<Form14>(makeForm14View);
}

} // namespace korvex::gui
