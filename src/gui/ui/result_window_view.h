#pragma once

#include "ui/graph_window_view.h"

#include <type_traits>

namespace korvex::gui {

// A result window is a graph window beside its result table; the table keeps every heading and
// number whole by itself.
using ResultWindowView = GraphWindowView;

// The three buttons of a result window, each running its handler of the window's model (a
// handler the window inherits included).
template <typename Form>
GraphWindowButtons graphButtons(Form& form, void (std::type_identity_t<Form>::*exitHandler)(),
                                void (std::type_identity_t<Form>::*printHandler)(),
                                void (std::type_identity_t<Form>::*clipboardHandler)(),
                                const char* clipboardCaption = "Image to Clipboard") {
    GraphWindowButtons buttons;
    buttons.clipboardCaption = clipboardCaption;
    buttons.exitClicked = [&form, exitHandler] { (form.*exitHandler)(); };
    buttons.printClicked = [&form, printHandler] { (form.*printHandler)(); };
    buttons.clipboardClicked = [&form, clipboardHandler] { (form.*clipboardHandler)(); };
    return buttons;
}

} // namespace korvex::gui
