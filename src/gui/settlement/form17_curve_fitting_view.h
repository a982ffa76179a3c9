#pragma once

namespace korvex {
class Form17;
}

namespace korvex::gui {

class GuiHost;
class WindowView;

// The coefficients of the fits of the Koppejan coefficients on the wet density, with the
// equations.
WindowView* makeForm17View(Form17& form, GuiHost& host);

} // namespace korvex::gui
