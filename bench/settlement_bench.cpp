// The full "Calculate Settlements" on sites of 1, 5 and 20 layers, both methods, submergence on
// and off. It runs on every press of the button, so it must stay far below anything a user could
// notice.

#include "app/application.h"
#include "app/desktop.h"
#include "app/module1.h"
#include "app/number_text.h"
#include "settlement/form1_settlement_input.h"
#include "settlement/settlement_calculation.h"

#include "silent_desktop.h"

#include <benchmark/benchmark.h>

#include <stdexcept>
#include <string>

namespace {

using namespace korvex;

// A clay and peat site: surface 0, water table 1 m down, layers of 0.75 m (20 layers), 3 m
// (5 layers) or 15 m (1 layer) down to -15, required level 2 m after 1000 days.
void fillSite(Form1& form, int layers, Integer method, bool submergence) {
    form.Text4 = "0";
    form.Text5 = "-1";
    form.Text15 = "-1";
    form.Text7 = std::to_string(layers);
    form.Text6 = "1.8";
    form.Text8 = "2";
    form.Text9 = "1.5";
    form.Text10 = "1.7";
    form.Text11 = "2";
    form.Text12 = "1000";
    form.Text13 = "1";
    form.Text14 = "15";
    form.Check1 = submergence ? 1 : 0;
    const double thickness = 15.0 / layers;
    for (int i = 1; i <= layers; ++i) {
        const bool peat = i % 3 == 0;
        form.Fg1.setTextMatrix(i, 1, num::boxText(-thickness * i));
        form.Fg1.setTextMatrix(i, 2, peat ? "1.1" : "1.6");
        if (method == 1) {
            const char* row[] = {"0.02", peat ? "4" : "1.2",     peat ? "1.5" : "0.4", "1",
                                 "10",   peat ? "0.02" : "0.008"};
            for (int c = 3; c <= 8; ++c) {
                form.Fg1.setTextMatrix(i, c, row[c - 3]);
            }
        } else {
            const char* row[] = {"0.01", "0.001", peat ? "0.08" : "0.03", peat ? "0.008" : "0.003",
                                 "10"};
            for (int c = 3; c <= 7; ++c) {
                form.Fg1.setTextMatrix(i, c, row[c - 3]);
            }
        }
    }
}

void BM_CalculateSettlements(benchmark::State& state) {
    const int layers = static_cast<int>(state.range(0));
    const auto method = static_cast<Integer>(state.range(1));
    const bool submergence = state.range(2) != 0;
    korvex::bench::SilentDesktop desktop;
    Application app(desktop);
    app.state().setDefaults();
    app.state().Method = method;
    Form1& form = app.windows().load<Form1>();
    fillSite(form, layers, method, submergence);
    for (auto _ : state) {
        benchmark::DoNotOptimize(calculateSettlements(app, form));
    }
    state.SetLabel(std::string(method == 1 ? "Bjerrum" : "Koppejan") +
                   (submergence ? ", submergence on" : ", submergence off"));
}

BENCHMARK(BM_CalculateSettlements)
    ->ArgsProduct({{1, 5, 20}, {1, 2}, {0, 1}})
    ->Unit(benchmark::kMicrosecond);

} // namespace
