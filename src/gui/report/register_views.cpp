#include "report/register_views.h"

#include "app/gui_host.h"
#include "report/form18_listing.h"
#include "report/form18_listing_view.h"

namespace korvex::gui {

void registerReportViews(GuiHost& host) {
    host.registerView<Form18>(newView<Form18View>);
}

} // namespace korvex::gui
