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

namespace {

template <typename Form, typename Make> void add(GuiHost& host, Make make) {
    host.registerView(Form::kName, [make](WindowModel& model, GuiHost& h) -> WindowView* {
        return make(static_cast<Form&>(model), h);
    });
}

} // namespace

void registerSettlementViews(GuiHost& host) {
    add<Form1>(host, [](Form1& m, GuiHost& h) { return new Form1View(m, h); });
    add<Form2>(host, [](Form2& m, GuiHost& h) { return makeForm2View(m, h); });
    add<Form3>(host, [](Form3& m, GuiHost& h) { return new Form3View(m, h); });
    add<Form8>(host, [](Form8& m, GuiHost& h) { return makeForm8View(m, h); });
    add<Form9>(host, [](Form9& m, GuiHost& h) { return makeForm9View(m, h); });
    add<Form16>(host, [](Form16& m, GuiHost& h) { return makeForm16View(m, h); });
    add<Form17>(host, [](Form17& m, GuiHost& h) { return makeForm17View(m, h); });
}

} // namespace korvex::gui
