#include "app/gui_host.h"

namespace korvex::gui {

void registerAppViews(GuiHost& /*host*/) {}

} // namespace korvex::gui
