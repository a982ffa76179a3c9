#pragma once

namespace korvex {
class Form9;
}

namespace korvex::gui {

class GraphWindowView;
class GuiHost;

// The window of the fill height for the required time: its table beside its graph.
GraphWindowView* makeForm9View(Form9& model, GuiHost& host);

} // namespace korvex::gui
