#include "app/gui_host.h"

namespace korvex::gui {

void registerUiViews(GuiHost& /*host*/) {}

} // namespace korvex::gui
