#pragma once

#include "ui/graph_window_view.h"

namespace korvex::gui {

// A result window is a graph window beside its result table; the table keeps every heading and
// number whole by itself.
using ResultWindowView = GraphWindowView;

// The three buttons of a result window, each running its handler of the window's model.
template <typename Form>
GraphWindowButtons graphButtons(Form& form, void (Form::*exitHandler)(),
                                void (Form::*printHandler)(), void (Form::*clipboardHandler)(),
                                const char* clipboardCaption = "Image to Clipboard") {
    GraphWindowButtons buttons;
    buttons.clipboardCaption = clipboardCaption;
    buttons.exitClicked = [&form, exitHandler] { (form.*exitHandler)(); };
    buttons.printClicked = [&form, printHandler] { (form.*printHandler)(); };
    buttons.clipboardClicked = [&form, clipboardHandler] { (form.*clipboardHandler)(); };
    return buttons;
}

} // namespace korvex::gui
