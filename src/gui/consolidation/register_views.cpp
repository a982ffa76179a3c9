#include "app/gui_host.h"

namespace korvex::gui {

void registerConsolidationViews(GuiHost& /*host*/) {}

} // namespace korvex::gui
