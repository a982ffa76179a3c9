// "Calculate" of the preload window on the clay and peat site of 20 layers, both methods: 15 cases
// iterated at 10 and 10 000 days and six settlement-time curves.

#include "app/application.h"
#include "consolidation/form4_consolidation_input.h"
#include "preload/form10_preload_input.h"
#include "settlement/settlement_calculation.h"
#include "state/module1.h"

#include "clay_peat_site.h"
#include "program/program_windows.h"
#include "silent_desktop.h"

#include <benchmark/benchmark.h>

#include <stdexcept>

namespace {

using namespace korvex;

void BM_CalculatePreload(benchmark::State& state) {
    const auto method = static_cast<Integer>(state.range(0));
    bench::SilentDesktop desktop;
    Application app(desktop, registerWindowModels);
    app.state().setDefaults();
    app.state().Method = method;
    Form1& site = app.windows().load<Form1>();
    bench::fillSite(site, 20, method, true);
    if (!calculateSettlements(app, site)) {
        throw std::runtime_error("the benchmark site must calculate");
    }
    app.windows().load<Form4>().Command1_Click();
    Form10& form = app.windows().load<Form10>();
    // Every third layer (the peat) lies under the drain ends.
    for (int i = 3; i <= 20; i += 3) {
        form.Fg8.setTextMatrix(i, 2, "0");
    }
    for (auto _ : state) {
        form.Command2_Click();
        benchmark::DoNotOptimize(app.state().TRemove(6));
    }
}
BENCHMARK(BM_CalculatePreload)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

} // namespace
