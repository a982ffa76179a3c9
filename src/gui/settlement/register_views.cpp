#include "app/gui_host.h"

namespace korvex::gui {

void registerSettlementViews(GuiHost& /*host*/) {}

} // namespace korvex::gui
