// The whole calculation chain of the clay and peat site of 20 layers, as an engineer runs it after
// changing one input: "Calculate Settlements", the consolidation's "Calculate", the preload's
// "Calculate" (15 cases and six curves) and the whole settlement report as the listing shows it.
// Each stage is also timed on its own, on the state the chain leaves, so that a change shows where
// it went. Arguments: the settlement method (1 Bjerrum, 2 Koppejan) and submergence off or on.

#include "app/application.h"
#include "consolidation/consolidation_calculation.h"
#include "consolidation/form4_consolidation_input.h"
#include "preload/form10_preload_input.h"
#include "preload/preload_calculation.h"
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

class Chain {
public:
    Chain(Integer method, bool submergence)
        : app_(desktop_, registerWindowModels),
          site_(bench::loadSite(app_, 20, method, submergence)) {
        settle();
        consolidation_ = &app_.windows().load<Form4>();
        consolidate();
        preload_ = &app_.windows().load<Form10>();
        preload();
    }

    void settle() { mustComplete(calculateSettlements(app_, site_), "settlement"); }
    void consolidate() {
        mustComplete(calculateConsolidation(app_, *consolidation_), "consolidation");
    }
    void preload() {
        // A new consolidation refills the preload window: every third layer (the peat) lies under
        // the drain ends again.
        for (int i = 3; i <= 20; i += 3) {
            preload_->Fg8.setTextMatrix(i, 2, "0");
        }
        mustComplete(calculatePreload(app_, *preload_), "preload");
    }
    std::size_t report() {
        Module1& st = app_.state();
        report::ReportWriter out(report::Output::Listing, st);
        report::writeSettlementReport(out, st, headerTexts(app_));
        benchmark::DoNotOptimize(out.lines().data());
        return out.lines().size();
    }
    std::size_t run() {
        settle();
        consolidate();
        preload();
        return report();
    }

private:
    static void mustComplete(bool done, const char* stage) {
        if (!done) {
            throw std::runtime_error(std::string("the benchmark site must complete the ") + stage);
        }
    }

    bench::SilentDesktop desktop_;
    Application app_;
    Form1& site_;
    Form4* consolidation_ = nullptr;
    Form10* preload_ = nullptr;
};

std::string variantLabel(Integer method, bool submergence) {
    return std::string(method == 1 ? "Bjerrum" : "Koppejan") +
           (submergence ? ", submergence on" : ", submergence off");
}

void BM_CalculationChain20Layers(benchmark::State& state) {
    const auto method = static_cast<Integer>(state.range(0));
    const bool submergence = state.range(1) != 0;
    Chain chain(method, submergence);
    for (auto _ : state) {
        benchmark::DoNotOptimize(chain.run());
    }
    state.SetLabel(variantLabel(method, submergence));
}
BENCHMARK(BM_CalculationChain20Layers)
    ->ArgsProduct({{1, 2}, {0, 1}})
    ->Unit(benchmark::kMicrosecond);

enum Stage { Settlement, Consolidation, Preload, Report };

void BM_ChainStage20Layers(benchmark::State& state) {
    const auto stage = static_cast<Stage>(state.range(0));
    const auto method = static_cast<Integer>(state.range(1));
    const bool submergence = state.range(2) != 0;
    Chain chain(method, submergence);
    for (auto _ : state) {
        switch (stage) {
        case Settlement:
            chain.settle();
            break;
        case Consolidation:
            chain.consolidate();
            break;
        case Preload:
            chain.preload();
            break;
        case Report:
            benchmark::DoNotOptimize(chain.report());
            break;
        }
    }
    const char* names[] = {"settlement", "consolidation", "preload", "report"};
    state.SetLabel(std::string(names[stage]) + ", " + variantLabel(method, submergence));
}
BENCHMARK(BM_ChainStage20Layers)
    ->ArgsProduct({{Settlement, Consolidation, Preload, Report}, {1, 2}, {0, 1}})
    ->Unit(benchmark::kMicrosecond);

} // namespace
