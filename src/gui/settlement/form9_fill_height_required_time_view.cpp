#include "settlement/form9_fill_height_required_time_view.h"

#include "settlement/form9_fill_height_required_time.h"
#include "ui/result_window_view.h"

namespace korvex::gui {

GraphWindowView* makeForm9View(Form9& model, GuiHost& host) {
    auto* view = new ResultWindowView(model, host, model.Graph1, &model.Fg7,
                                      graphButtons(model, &Form9::Command1_Click,
                                                   &Form9::Command2_Click, &Form9::Command3_Click));
    view->resize(1000, 600);
    return view;
}

} // namespace korvex::gui
