#include "settlement/form16_cc_e0_regression_view.h"

#include "settlement/coefficient_window_view.h"
#include "settlement/form16_cc_e0_regression.h"

namespace korvex::gui {

WindowView* makeForm16View(Form16& form, GuiHost& host) {
    return new CoefficientView(form, host, "Equation", {"Cc = a log(e0) + b"},
                               CoefficientView::boxesOf(form), [&form] { form.Command1_Click(); });
}

} // namespace korvex::gui
