#include "settlement/register_views.h"

#include "app/gui_host.h"
#include "settlement/form16_cc_e0_regression.h"
#include "settlement/form16_cc_e0_regression_view.h"
#include "settlement/form17_curve_fitting.h"
#include "settlement/form17_curve_fitting_view.h"
#include "settlement/form1_settlement_input.h"
#include "settlement/form1_settlement_input_view.h"
#include "settlement/form2_soil_stresses.h"
#include "settlement/form2_soil_stresses_view.h"
#include "settlement/form3_settlement_results.h"
#include "settlement/form3_settlement_results_view.h"
#include "settlement/form8_fill_height.h"
#include "settlement/form8_fill_height_view.h"
#include "settlement/form9_fill_height_required_time.h"
#include "settlement/form9_fill_height_required_time_view.h"
#include "ui/graph_window_view.h"

namespace korvex::gui {

void registerSettlementViews(GuiHost& host) {
    host.registerView<Form1>(newView<Form1View>);
    host.registerView<Form2>(makeForm2View);
    host.registerView<Form3>(newView<Form3View>);
    host.registerView<Form8>(makeForm8View);
    host.registerView<Form9>(makeForm9View);
    host.registerView<Form16>(makeForm16View);
    host.registerView<Form17>(makeForm17View);
}

} // namespace korvex::gui
