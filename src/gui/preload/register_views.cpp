#include "preload/register_views.h"

#include "app/gui_host.h"
#include "preload/form10_preload_input.h"
#include "preload/form10_preload_input_view.h"
#include "preload/form11_extra_fill_results.h"
#include "preload/form11_extra_fill_results_view.h"
#include "preload/form12_removal_time.h"
#include "preload/form12_removal_time_view.h"

namespace korvex::gui {

void registerPreloadViews(GuiHost& host) {
    host.registerView<Form10>(newView<Form10View>);
    host.registerView<Form11>(newView<Form11View>);
    host.registerView<Form12>(newView<Form12View>);
}

} // namespace korvex::gui
