#include "settlement/form8_fill_height_view.h"

#include "settlement/form8_fill_height.h"
#include "ui/result_window_view.h"

namespace korvex::gui {

GraphWindowView* makeForm8View(Form8& model, GuiHost& host) {
    auto* view =
        new ResultWindowView(model, host, model.Graph1, &model.Fg6,
                             graphButtons(model, &Form8::Command1_Click, &Form8::Command2_Click,
                                          &Form8::Command3_Click, "Image to Cipboard"));
    view->resize(1180, 600);
    return view;
}

} // namespace korvex::gui
