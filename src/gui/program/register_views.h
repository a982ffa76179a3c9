#pragma once

namespace korvex::gui {

class GuiHost;

// Registers the views of every window the program has: the start, main and about windows' and
// each subsystem's. The program and the gui tests call it once on their host.
void registerAllViews(GuiHost& host);

} // namespace korvex::gui
