// The handlers that open or replace a window, on the program's own views (offscreen), each timed
// from the click until the event loop has drawn what it changed: as the first call in a fresh
// program and as a repeated call. The site is the clay and peat site of 20 layers under the
// Bjerrum method. Every figure is one call; read the median over the repetitions.
//
//     build/bench/gui/korvex_gui_bench --benchmark_filter=first

#include "app/application.h"
#include "app/gui_host.h"
#include "app/qt_desktop.h"
#include "app/window_view.h"
#include "program/frm_main_view.h"
#include "program/frm_splash.h"
#include "program/register_views.h"
#include "report/form18_listing.h"
#include "settlement/form1_settlement_input.h"

#include "clay_peat_site.h"
#include "program/program_windows.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFileInfo>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <iostream>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using namespace korvex;

// The real Qt desktop, but no dialog opens: File, Open and File, Save get their file at once, and
// a message is written down instead of waiting for a click.
class BenchDesktop : public gui::QtDesktop {
public:
    std::string chosenFile;
    std::vector<std::string> messages;

    void msgBox(const std::string& text, int, const std::string&) override {
        messages.push_back(text);
    }
    bool askYesNo(const std::string&, const std::string&) override { return true; }
    std::optional<std::string> showOpen(const FileDialogRequest&) override { return chosenFile; }
    std::optional<std::string> showSave(const FileDialogRequest&) override { return chosenFile; }
};

// Runs what a handler left queued: the exposure, layout and painting of the windows it changed.
void settle() {
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::processEvents();
    }
}

// Lets the event loop wait for the user, as between two clicks, until the program has nothing left
// to do in the meantime (no widget is made any more).
void waitForTheUser() {
    qsizetype widgets = -1;
    for (;;) {
        QEventLoop loop;
        QTimer::singleShot(60, &loop, &QEventLoop::quit);
        loop.exec();
        const qsizetype now = QApplication::allWidgets().size();
        if (now == widgets) {
            return;
        }
        widgets = now;
    }
}

// A program that builds views while it waits for the user is given that time after its start; the
// same file times a program that does not.
template <typename Host> void startIdleWork(Host& host) {
    if constexpr (requires { host.buildViewsWhenIdle(); }) {
        host.buildViewsWhenIdle();
    }
}

class Program {
public:
    Program() {
        gui::registerAllViews(host_);
        if (!Main(app_)) {
            throw std::runtime_error("the program did not start");
        }
        startIdleWork(host_);
        settle();
        press("frmSplash", "Command1");
        settle();
    }

    void typeSite() {
        menu("MnuBjerrum");
        bench::fillSite(*app_.windows().find<Form1>(), 20, 1, false);
        // As typed: the boxes and the table show the site.
        host_.refreshAll();
        settle();
    }
    void calculateSettlements() { press("Form1", "Calculate Settlements"); }
    void openConsolidation() { menu("MnuInputConsol"); }
    void calculateConsolidation() { press("Form4", "Calculate"); }
    void optimizePreload() { press("Form5", "Optimize Preload"); }
    void list() { press("Form5", "List "); }
    void openProject() {
        desktop_.chosenFile = projectFile();
        menu("mnuFileOpen");
    }
    void saveProject(const std::string& path) {
        desktop_.chosenFile = path;
        menu("mnuFileSave");
    }

    // The seconds from the click until the event loop has drawn what it changed.
    double timed(void (*action)(Program&)) {
        QElapsedTimer clock;
        clock.start();
        action(*this);
        settle();
        return static_cast<double>(clock.nsecsElapsed()) * 1e-9;
    }

    // A message other than the ones File, Open and File, Save end with means the site was
    // refused, which would make the figures meaningless.
    void requireNoRefusal() const {
        for (const std::string& message : desktop_.messages) {
            if (message.rfind("The opened File is:", 0) != 0 &&
                message.rfind("The saved File is:", 0) != 0) {
                throw std::runtime_error("unexpected message: " + message);
            }
        }
    }

    static const std::string& projectFile();

private:
    QPushButton* button(const char* window, const char* caption) const {
        gui::WindowView* view = host_.viewOf(window);
        if (view == nullptr) {
            throw std::runtime_error(std::string(window) + " is not open");
        }
        for (QPushButton* candidate : view->findChildren<QPushButton*>()) {
            const bool named = candidate->text() == QLatin1String(caption) ||
                               candidate->objectName() == QLatin1String(caption);
            if (named && candidate->isEnabled()) {
                return candidate;
            }
        }
        throw std::runtime_error(std::string(window) + " has no button " + caption);
    }
    void press(const char* window, const char* caption) { button(window, caption)->click(); }
    void menu(const char* item) {
        auto* main = static_cast<gui::FrmMainView*>(host_.viewOf("frmMain"));
        if (main == nullptr || main->action(item) == nullptr) {
            throw std::runtime_error(std::string("no menu item ") + item);
        }
        main->action(item)->trigger();
    }

    BenchDesktop desktop_;
    Application app_{desktop_, registerWindowModels};
    gui::GuiHost host_{app_};
};

// The site saved by File, Save after its settlement and consolidation are calculated.
const std::string& Program::projectFile() {
    static QTemporaryDir dir;
    static const std::string path = [] {
        std::string file = dir.filePath("clay_peat_site.txt").toStdString();
        Program program;
        program.typeSite();
        program.calculateSettlements();
        program.openConsolidation();
        program.calculateConsolidation();
        program.saveProject(file);
        program.requireNoRefusal();
        if (!QFileInfo::exists(QString::fromStdString(file))) {
            throw std::runtime_error("File, Save wrote no project file");
        }
        return file;
    }();
    return path;
}

void consolidationOpen(Program& p) {
    p.typeSite();
    p.calculateSettlements();
    p.openConsolidation();
}

void consolidationCalculated(Program& p) {
    consolidationOpen(p);
    p.calculateConsolidation();
}

struct Case {
    const char* name;
    // Brings a fresh program to the moment of the click.
    void (*before)(Program&);
    void (*action)(Program&);
};

const Case kCases[] = {
    {"SettlementCalculate/first", [](Program& p) { p.typeSite(); },
     [](Program& p) { p.calculateSettlements(); }},
    {"SettlementCalculate/repeated",
     [](Program& p) {
         p.typeSite();
         p.calculateSettlements();
         p.calculateSettlements();
     },
     [](Program& p) { p.calculateSettlements(); }},
    {"ConsolidationCalculate/first", consolidationOpen,
     [](Program& p) { p.calculateConsolidation(); }},
    {"ConsolidationCalculate/repeated",
     [](Program& p) {
         consolidationCalculated(p);
         p.calculateConsolidation();
     },
     [](Program& p) { p.calculateConsolidation(); }},
    // A new settlement closes the consolidation's results; its next Calculate opens them again.
    {"ConsolidationCalculate/afterNewSettlement",
     [](Program& p) {
         consolidationCalculated(p);
         p.calculateSettlements();
     },
     [](Program& p) { p.calculateConsolidation(); }},
    {"OptimizePreload/first", consolidationCalculated, [](Program& p) { p.optimizePreload(); }},
    {"OptimizePreload/repeated",
     [](Program& p) {
         consolidationCalculated(p);
         p.optimizePreload();
         p.optimizePreload();
     },
     [](Program& p) { p.optimizePreload(); }},
    {"List/first", consolidationCalculated, [](Program& p) { p.list(); }},
    {"List/repeated",
     [](Program& p) {
         consolidationCalculated(p);
         p.list();
         p.list();
     },
     [](Program& p) { p.list(); }},
    {"FileOpen/first", [](Program&) {}, [](Program& p) { p.openProject(); }},
    {"FileOpen/repeated",
     [](Program& p) {
         p.openProject();
         p.openProject();
     },
     [](Program& p) { p.openProject(); }},
};

void runCase(benchmark::State& state, const Case& c) {
    for (auto _ : state) {
        Program program;
        c.before(program);
        waitForTheUser();
        state.SetIterationTime(program.timed(c.action));
        program.requireNoRefusal();
    }
}

// The offscreen platform says at every window that it cannot place or raise it.
void quietPlatform(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtWarningMsg && text.startsWith(QLatin1String("This plugin does not support"))) {
        return;
    }
    qt_message_output(type, context, text);
}

} // namespace

int main(int argc, char** argv) {
    if (std::getenv("QT_QPA_PLATFORM") == nullptr || *std::getenv("QT_QPA_PLATFORM") == '\0') {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    }
    // The main window keeps its place in the settings: not in the user's.
    QStandardPaths::setTestModeEnabled(true);
    qInstallMessageHandler(quietPlatform);
    QApplication qtApp(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    // A handler that no longer behaves as the benchmark expects ends the run with the reason.
    try {
        Program::projectFile();
        for (const Case& c : kCases) {
            benchmark::RegisterBenchmark(c.name,
                                         [&c](benchmark::State& state) { runCase(state, c); })
                ->UseManualTime()
                ->Iterations(1)
                ->Repetitions(9)
                ->ReportAggregatesOnly(true)
                ->Unit(benchmark::kMillisecond);
        }
        benchmark::RunSpecifiedBenchmarks();
    } catch (const std::exception& error) {
        std::cerr << "korvex_gui_bench: " << error.what() << '\n';
        return 1;
    }
    benchmark::Shutdown();
    return 0;
}
