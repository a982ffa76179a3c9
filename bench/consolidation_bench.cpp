#include "app/application.h"
#include "consolidation/form4.h"

#include <benchmark/benchmark.h>

namespace {

// A desktop that answers nothing and shows nothing: the benchmark measures the calculation only.
class SilentDesktop : public korvex::Desktop {
public:
    void msgBox(const std::string&, int, const std::string&) override {}
    std::optional<std::string> showOpen(const korvex::FileDialogRequest&) override { return {}; }
    std::optional<std::string> showSave(const korvex::FileDialogRequest&) override { return {}; }
    bool showPrinter(const std::string&) override { return false; }
    bool printText(const korvex::TextPrintJob&) override { return false; }
    bool printGraph(const korvex::GraphModel&, double, double, korvex::PageOrientation) override {
        return false;
    }
    bool copyGraphImage(const korvex::GraphModel&, double, double) override { return false; }
    std::optional<std::string> getSetting(const std::string&, const std::string&) override {
        return {};
    }
    void saveSetting(const std::string&, const std::string&, const std::string&) override {}
    void beep() override {}
    bool showHelp(const std::string&, int) override { return false; }
    std::optional<std::string> findSystemInfoProgram() override { return {}; }
    bool startProgram(const std::string&) override { return false; }
    std::string regionalTextOfOneTenth() override { return "0.1"; }
    void endProgram() override {}
};

// "Calculate" of the consolidation window on the default site with 0.5 m after 10 days, 0.8 m
// after 10 000 days and 10 m of soil; construction time 60 days (Olson series in every search).
void ConsolidationCalculate(benchmark::State& state) {
    SilentDesktop desktop;
    korvex::Application app(desktop);
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
