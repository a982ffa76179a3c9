#pragma once

namespace korvex {
class Form6;
}

namespace korvex::gui {

class GuiHost;
class WindowView;

// The graph window of the consolidation results, one graph at a time.
WindowView* makeForm6View(Form6& model, GuiHost& host);

} // namespace korvex::gui
