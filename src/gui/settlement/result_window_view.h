#pragma once

#include "ui/graph_window_view.h"

#include <type_traits>

namespace korvex::gui {

// A graph window whose result table shows every heading in full: the layout's column widths were
// made for a narrower font.
class ResultWindowView : public GraphWindowView {
    Q_OBJECT
public:
    ResultWindowView(WindowModel& model, GuiHost& host, GraphModel& graph, Grid* grid,
                     GraphWindowButtons buttons);
    void refreshFromModel() override;

private:
    void widenColumns();
};

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

// Fills the view and widens its result table until every column shows without a horizontal
// scroll bar.
void fitTableWidth(GraphWindowView& view);

} // namespace korvex::gui
