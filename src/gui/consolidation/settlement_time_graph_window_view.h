#pragma once

#include <string>

namespace korvex {
class SettlementTimeGraphWindow;
}

namespace korvex::gui {

class GuiHost;
class WindowView;

// A settlement-time graph window: the graph alone and its three buttons, sized to the layout's
// graph of the given width.
WindowView* makeSettlementTimeGraphWindowView(SettlementTimeGraphWindow& model, GuiHost& host,
                                              const std::string& printCaption, double widthTwips);

} // namespace korvex::gui
