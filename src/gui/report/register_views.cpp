#include "app/gui_host.h"
#include "report/form18_listing.h"
#include "report/form18_listing_view.h"

namespace korvex::gui {

void registerReportViews(GuiHost& host) {
    host.registerView(Form18::kName, [](WindowModel& model, GuiHost& h) -> WindowView* {
        return new Form18View(static_cast<Form18&>(model), h);
    });
}

} // namespace korvex::gui
