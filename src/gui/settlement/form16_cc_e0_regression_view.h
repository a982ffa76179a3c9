#pragma once

namespace korvex {
class Form16;
}

namespace korvex::gui {

class GuiHost;
class WindowView;

// The coefficients of the line fit of Cc on e0, with its equation.
WindowView* makeForm16View(Form16& form, GuiHost& host);

} // namespace korvex::gui
