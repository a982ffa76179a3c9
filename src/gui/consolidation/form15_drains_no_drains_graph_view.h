#pragma once

namespace korvex {
class Form15;
}

namespace korvex::gui {

class GuiHost;
class WindowView;

// The graph of the settlements with and without drains side by side.
WindowView* makeForm15View(Form15& model, GuiHost& host);

} // namespace korvex::gui
