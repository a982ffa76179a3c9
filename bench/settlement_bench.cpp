// The full "Calculate Settlements" on sites of 1, 5 and 20 layers, both methods, submergence on
// and off. It runs on every press of the button, so it must stay far below anything a user could
// notice. And the whole settlement report of the calculated 20-layer site, which every listing,
// printout and saved listing builds afresh.

#include "app/application.h"
#include "app/desktop.h"
#include "report/header_texts.h"
#include "report/report_writer.h"
#include "report/settlement_report.h"
#include "settlement/form1_settlement_input.h"
#include "settlement/settlement_calculation.h"
#include "state/module1.h"

#include "clay_peat_site.h"
#include "program/program_windows.h"
#include "silent_desktop.h"

#include <benchmark/benchmark.h>

#include <cstddef>
#include <stdexcept>
#include <string>

namespace {

using namespace korvex;

void BM_CalculateSettlements(benchmark::State& state) {
    const int layers = static_cast<int>(state.range(0));
    const auto method = static_cast<Integer>(state.range(1));
    const bool submergence = state.range(2) != 0;
    bench::SilentDesktop desktop;
    Application app(desktop, registerWindowModels);
    Form1& form = bench::loadSite(app, layers, method, submergence);
    for (auto _ : state) {
        benchmark::DoNotOptimize(calculateSettlements(app, form));
    }
    state.SetLabel(std::string(method == 1 ? "Bjerrum" : "Koppejan") +
                   (submergence ? ", submergence on" : ", submergence off"));
}

BENCHMARK(BM_CalculateSettlements)
    ->ArgsProduct({{1, 5, 20}, {1, 2}, {0, 1}})
    ->Unit(benchmark::kMicrosecond);

void BM_SettlementReport20Layers(benchmark::State& state) {
    bench::SilentDesktop desktop;
    Application app(desktop, registerWindowModels);
    Form1& form = bench::loadSite(app, 20, 1, false);
    if (!calculateSettlements(app, form)) {
        throw std::runtime_error("the 20-layer site did not calculate");
    }
    Module1& st = app.state();
    const HeaderTexts header = headerTexts(app);
    std::size_t lines = 0;
    for (auto _ : state) {
        report::ReportWriter out(report::Output::Listing, st);
        report::writeSettlementReport(out, st, header);
        lines = out.lines().size();
        benchmark::DoNotOptimize(out.lines().data());
    }
    state.counters["lines"] = static_cast<double>(lines);
}

BENCHMARK(BM_SettlementReport20Layers)->Unit(benchmark::kMicrosecond);

} // namespace
