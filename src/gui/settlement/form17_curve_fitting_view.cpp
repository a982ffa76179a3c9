#include "settlement/form17_curve_fitting_view.h"

#include "settlement/coefficient_window_view.h"
#include "settlement/form17_curve_fitting.h"

namespace korvex::gui {

WindowView* makeForm17View(Form17& form, GuiHost& host) {
    return new CoefficientView(form, host, "Equations",
                               {"1/Cp = exp(aCp * SoilmassWet + bCp)",
                                "1/Cs =exp(aCs * SoilmassWet + bCs)",
                                "1/Cp' = exp(aCp' * SoilmassWet + bCp')",
                                "1/C = exp(aC * SoilmassWet + bC)", "1/Cs' = (1/C - 1/Cp') * 1/4"},
                               CoefficientView::boxesOf(form), [&form] { form.Command1_Click(); });
}

} // namespace korvex::gui
