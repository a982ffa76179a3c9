#include "settlement/form2_soil_stresses_view.h"

#include "settlement/form2_soil_stresses.h"
#include "ui/result_window_view.h"

namespace korvex::gui {

GraphWindowView* makeForm2View(Form2& model, GuiHost& host) {
    auto* view = new ResultWindowView(model, host, model.Graph1, &model.Fg2,
                                      graphButtons(model, &Form2::Command1_Click,
                                                   &Form2::Command2_Click, &Form2::Command3_Click));
    view->resize(1150, 600);
    return view;
}

} // namespace korvex::gui
