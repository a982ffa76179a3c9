#pragma once

namespace korvex {
class Form14;
}

namespace korvex::gui {

class GuiHost;
class WindowView;

// The measured settlements against a prediction.
WindowView* makeForm14View(Form14& model, GuiHost& host);

} // namespace korvex::gui
