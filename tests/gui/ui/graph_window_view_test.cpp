#include "ui/graph_window_view.h"

#include "app/gui_host.h"
#include "app/number_text.h"
#include "app/qt_desktop.h"
#include "gui/support/screenshot.h"
#include "program/program_windows.h"
#include "ui/graph_view.h"
#include "ui/graph_window.h"
#include "ui/grid_view.h"

#include <QApplication>
#include <QClipboard>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <cmath>

namespace korvex::gui {
namespace {

// A settlement-time graph window with its table of values, filled when it loads.
class SampleGraphWindow : public WindowModel {
public:
    static constexpr const char* kName = "SampleGraphWindow";
    explicit SampleGraphWindow(Application& app) : WindowModel(app) {
        Caption = "Settlement against time";
        Graph1.setGraphTitle("Settlement against time");
        Graph1.setBottomTitle("Time [days]");
        Graph1.setLeftTitle("Settlement [m]");
        Graph1.setXScale(AxisScale::Logarithmic);
        Graph1.setNumSets(2);
        Graph1.setNumPoints(8);
        Graph1.setLegendText(1, "Without drains");
        Graph1.setLegendText(2, "With vertical drains");
        Graph1.saveDesign();
    }
    std::string_view windowName() const override { return kName; }

    void Form_Load() override {
        Graph1.restoreDesign();
        const float days[] = {10, 30, 100, 300, 1000, 3000, 10000, 80000};
        Fg1.setTextMatrix(0, 1, "t [days]");
        Fg1.setTextMatrix(0, 2, "S [m]");
        for (int set = 1; set <= 2; ++set) {
            Graph1.setThisPoint(1);
            Graph1.setThisSet(set);
            Graph1.setSymbolData(set == 1 ? 2 : 13);
            for (int i = 0; i < 8; ++i) {
                // A consolidation-like curve: slow without drains, fast with them.
                const double speed = set == 1 ? 2000.0 : 150.0;
                const double ultimate = set == 1 ? 0.92 : 0.85;
                const double s = std::floor(-1000 * ultimate * (1 - std::exp(-days[i] / speed)) -
                                            20 * std::log10(days[i])) /
                                 1000;
                Graph1.setGraphData(static_cast<Single>(s));
                Graph1.setXPosData(days[i]);
                if (set == 2) {
                    Fg1.setTextMatrix(i + 1, 0, std::to_string(i + 1));
                    Fg1.setTextMatrix(i + 1, 1, num::boxText(days[i]));
                    Fg1.setTextMatrix(i + 1, 2, num::boxText(static_cast<Single>(s)));
                }
                if (Graph1.ThisPoint() < Graph1.NumPoints()) {
                    Graph1.setThisPoint(Graph1.ThisPoint() + 1);
                }
            }
            Graph1.setLabelText(set == 1 ? "S(80000 d)" : "S(80000 d) drains");
        }
        Graph1.setDrawMode(2);
    }
    void Command1_Click() { windows().unload(*this); }
    void Command2_Click() { printGraphWindow(desktop(), Graph1, kWideLandscapePrint); }
    void Command3_Click() { copyGraphWindowImage(desktop(), Graph1); }

    GraphModel Graph1;
    Grid Fg1{9, 3, 1100};
};

struct GraphWindowFixture : ::testing::Test {
    QTemporaryDir dir;
    QtDesktop desktop;
    Application app{desktop, registerWindowModels};
    std::unique_ptr<GuiHost> host;

    void SetUp() override {
        desktop.setPrintToFile(dir.filePath("print.pdf"));
        host = std::make_unique<GuiHost>(app);
        host->registerView(SampleGraphWindow::kName, [](WindowModel& m, GuiHost& h) {
            auto& model = static_cast<SampleGraphWindow&>(m);
            GraphWindowButtons buttons;
            buttons.clipboardCaption = "Image to Cipboard";
            buttons.exitClicked = [&model] { model.Command1_Click(); };
            buttons.printClicked = [&model] { model.Command2_Click(); };
            buttons.clipboardClicked = [&model] { model.Command3_Click(); };
            return new GraphWindowView(model, h, model.Graph1, &model.Fg1, std::move(buttons));
        });
    }
    void TearDown() override {
        app.windows().unloadAll();
        QApplication::processEvents();
        host.reset();
    }
    GraphWindowView* show() {
        auto& model = app.windows().show<SampleGraphWindow>();
        auto* view = static_cast<GraphWindowView*>(host->viewOf(model));
        QApplication::processEvents();
        return view;
    }
};

TEST_F(GraphWindowFixture, PrintLeavesTheGraphOnScreenAsItWas) {
    GraphWindowView* view = show();
    ASSERT_NE(view, nullptr);
    view->resize(900, 520);
    QApplication::processEvents();
    const QSize before = view->graphView().size();
    QTest::mouseClick(view->printButton(), Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_EQ(view->graphView().size(), before);
    EXPECT_GT(QFileInfo(dir.filePath("print.pdf")).size(), 1000);
    auto* model = app.windows().find<SampleGraphWindow>();
    EXPECT_EQ(model->Graph1.Width(), 5775);
    EXPECT_EQ(model->Graph1.Height(), 6375);
}

QImage copiedImage(GraphWindowView* view) {
    QGuiApplication::clipboard()->clear();
    QTest::mouseClick(view->clipboardButton(), Qt::LeftButton);
    return QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32);
}

// The dark pixels of one image with nothing darkish within a pixel of them in the other: glyphs
// and edges are smoothed differently at different sizes, but none may be missing or moved.
int unmatchedInk(const QImage& from, const QImage& in) {
    int unmatched = 0;
    for (int y = 1; y + 1 < from.height(); ++y) {
        for (int x = 1; x + 1 < from.width(); ++x) {
            bool near = qGray(from.pixel(x, y)) >= 96;
            for (int dy = -1; dy <= 1 && !near; ++dy) {
                for (int dx = -1; dx <= 1 && !near; ++dx) {
                    near = qGray(in.pixel(x + dx, y + dy)) < 192;
                }
            }
            unmatched += near ? 0 : 1;
        }
    }
    return unmatched;
}

TEST_F(GraphWindowFixture, ClipboardImageIsTheGraphAsItStandsInTheWindow) {
    GraphWindowView* view = show();
    view->resize(1000, 560);
    QApplication::processEvents();
    const QImage image = copiedImage(view);
    const QImage screen = view->graphView().grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(image.isNull());
    EXPECT_GE(image.width(), 2 * screen.width());
    const double screenAspect = double(screen.width()) / screen.height();
    EXPECT_NEAR(double(image.width()) / image.height(), screenAspect, 0.02 * screenAspect);
    // The title row is whole: nothing but background on the top edge.
    for (int x = 0; x < image.width(); ++x) {
        ASSERT_GT(qGray(image.pixel(x, 0)), 200) << x;
    }
    const QImage back =
        image.scaled(screen.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    EXPECT_LT(unmatchedInk(screen, back), 20);
    EXPECT_LT(unmatchedInk(back, screen), 20);
}

TEST_F(GraphWindowFixture, ButtonsCarryTheirCaptionsAndExitReleasesTheWindow) {
    GraphWindowView* view = show();
    EXPECT_EQ(view->exitButton()->text(), "Exit");
    EXPECT_EQ(view->printButton()->text(), "Print");
    EXPECT_EQ(view->clipboardButton()->text(), "Image to Cipboard");
    ASSERT_NE(view->gridView(), nullptr);
    EXPECT_TRUE(view->gridView()->readOnly());
    QTest::mouseClick(view->exitButton(), Qt::LeftButton);
    EXPECT_EQ(app.windows().find<SampleGraphWindow>(), nullptr);
}

TEST_F(GraphWindowFixture, ScreenshotOfASettlementTimeGraph) {
    GraphWindowView* view = show();
    ASSERT_NE(view, nullptr);
    view->resize(1000, 560);
    EXPECT_EQ(view->gridView()->item(8 - 1, 1)->text(), "80000");
    test::saveScreenshot(view, "graph_window_log_time");
    if (test::screenshotsWanted()) {
        copiedImage(view).save(qEnvironmentVariable("KORVEX_SCREENSHOT_DIR") +
                               "/graph_clipboard_image.png");
    }
}

} // namespace
} // namespace korvex::gui
