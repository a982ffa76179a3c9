#pragma once

namespace korvex::gui {

class GuiHost;

// Registers the view of each of this subsystem's windows; the composition root calls it.
void registerReportViews(GuiHost& host);

} // namespace korvex::gui
