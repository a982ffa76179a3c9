#include "app/application.h"
#include "consolidation/form4_consolidation_input.h"
#include "state/module1.h"

#include "program/program_windows.h"
#include "silent_desktop.h"

#include <benchmark/benchmark.h>

namespace {

// "Calculate" of the consolidation window on the default site with 0.5 m after 10 days, 0.8 m
// after 10 000 days and 10 m of soil; construction time 60 days (Olson series in every search).
void ConsolidationCalculate(benchmark::State& state) {
    korvex::bench::SilentDesktop desktop;
    korvex::Application app(desktop, korvex::registerWindowModels);
    app.state().setDefaults();
    korvex::Form4& form = app.windows().load<korvex::Form4>();
    form.Text5 = "0.5";
    form.Text6 = "0.8";
    form.Text10 = "10";
    for (auto _ : state) {
        form.Command1_Click();
        benchmark::DoNotOptimize(app.state().TimeRestVertGL(1));
    }
}
BENCHMARK(ConsolidationCalculate)->Unit(benchmark::kMicrosecond);

} // namespace
