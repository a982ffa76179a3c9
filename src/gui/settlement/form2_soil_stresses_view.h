#pragma once

namespace korvex {
class Form2;
}

namespace korvex::gui {

class GraphWindowView;
class GuiHost;

// The soil-stress window: the stress table beside its graph against the level.
GraphWindowView* makeForm2View(Form2& model, GuiHost& host);

} // namespace korvex::gui
