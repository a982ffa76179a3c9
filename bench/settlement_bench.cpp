// The full "Calculate Settlements" on sites of 1, 5 and 20 layers, both methods, submergence on
// and off. It runs on every press of the button, so it must stay far below anything a user could
// notice.

#include "app/application.h"
#include "app/desktop.h"
#include "app/module1.h"
#include "app/number_text.h"
#include "settlement/form1_settlement_input.h"
#include "settlement/settlement_calculation.h"

#include "clay_peat_site.h"
#include "silent_desktop.h"

#include <benchmark/benchmark.h>

#include <stdexcept>
#include <string>

namespace {

using namespace korvex;

void BM_CalculateSettlements(benchmark::State& state) {
    const int layers = static_cast<int>(state.range(0));
    const auto method = static_cast<Integer>(state.range(1));
    const bool submergence = state.range(2) != 0;
    korvex::bench::SilentDesktop desktop;
    Application app(desktop);
    app.state().setDefaults();
    app.state().Method = method;
    Form1& form = app.windows().load<Form1>();
    bench::fillSite(form, layers, method, submergence);
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
