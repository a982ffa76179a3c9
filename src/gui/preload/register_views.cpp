#include "app/gui_host.h"
#include "preload/form10_preload_input.h"
#include "preload/form10_preload_input_view.h"
#include "preload/form11_extra_fill_results.h"
#include "preload/form11_extra_fill_results_view.h"
#include "preload/form12_removal_time.h"
#include "preload/form12_removal_time_view.h"

namespace korvex::gui {

namespace {

template <typename Form, typename View> void add(GuiHost& host) {
    host.registerView(Form::kName, [](WindowModel& model, GuiHost& h) -> WindowView* {
        return new View(static_cast<Form&>(model), h);
    });
}

} // namespace

void registerPreloadViews(GuiHost& host) {
    add<Form10, Form10View>(host);
    add<Form11, Form11View>(host);
    add<Form12, Form12View>(host);
}

} // namespace korvex::gui
