#pragma once

namespace korvex {
class Form8;
}

namespace korvex::gui {

class GraphWindowView;
class GuiHost;

// The fill-height window: the table of fill steps beside its graph.
GraphWindowView* makeForm8View(Form8& model, GuiHost& host);

} // namespace korvex::gui
