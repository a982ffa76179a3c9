#include "ui/graph_render.h"

#include "app/qt_desktop.h"
#include "ui/graph_window.h"

#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace korvex::gui {
namespace {

void fillSettlementCurve(GraphModel& graph) {
    graph.setNumSets(2);
    graph.setNumPoints(5);
    graph.setGraphTitle("Settlement against time");
    graph.setBottomTitle("Time [days]");
    graph.setLeftTitle("Settlement [m]");
    graph.setXScale(AxisScale::Logarithmic);
    const float days[] = {10, 100, 1000, 10000, 80000};
    for (int set = 1; set <= 2; ++set) {
        graph.setThisPoint(1);
        graph.setThisSet(set);
        graph.setLegendText("Case " + std::to_string(set));
        for (int i = 0; i < 5; ++i) {
            graph.setGraphData(-0.1f * static_cast<float>(set * (i + 1)));
            graph.setXPosData(days[i]);
            if (graph.ThisPoint() < graph.NumPoints()) {
                graph.setThisPoint(graph.ThisPoint() + 1);
            }
        }
    }
    graph.setDrawMode(2);
}

// The page size in points from the first MediaBox of a PDF file.
QSizeF pdfPageSize(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    const QString content = QString::fromLatin1(file.readAll());
    const QRegularExpression box(
        R"(/MediaBox\s*\[\s*([\d.]+)\s+([\d.]+)\s+([\d.]+)\s+([\d.]+)\s*\])");
    const auto match = box.match(content);
    if (!match.hasMatch()) {
        return {};
    }
    return {match.captured(3).toDouble() - match.captured(1).toDouble(),
            match.captured(4).toDouble() - match.captured(2).toDouble()};
}

TEST(GraphPrint, PrintsAPdfPageInTheOrientationOfEachJob) {
    QTemporaryDir dir;
    QtDesktop desktop;
    GraphModel graph;
    fillSettlementCurve(graph);
    const struct {
        GraphPrintSetup setup;
        bool landscape;
    } jobs[] = {{kWideLandscapePrint, true}, {GraphPrintSetup{}, false}};
    int n = 0;
    for (const auto& job : jobs) {
        SCOPED_TRACE(n);
        const QString pdf = dir.filePath(QString("graph%1.pdf").arg(n++));
        desktop.setPrintToFile(pdf);
        printGraphWindow(desktop, graph, job.setup);
        ASSERT_GT(QFile(pdf).size(), 1000);
        const QSizeF page = pdfPageSize(pdf);
        ASSERT_FALSE(page.isEmpty());
        EXPECT_EQ(page.width() > page.height(), job.landscape);
    }
    EXPECT_EQ(graph.Width(), 5775);
    EXPECT_EQ(graph.Height(), 6375);
}

TEST(GraphPrint, TextStaysAtReadingSizeOnThePage) {
    const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
    if (pdftotext.isEmpty()) {
        GTEST_SKIP() << "pdftotext not installed";
    }
    QTemporaryDir dir;
    QtDesktop desktop;
    GraphModel graph;
    fillSettlementCurve(graph);
    const QString pdf = dir.filePath("graph.pdf");
    desktop.setPrintToFile(pdf);
    printGraphWindow(desktop, graph, kWideLandscapePrint);

    QProcess process;
    process.start(pdftotext, {"-bbox", pdf, "-"});
    ASSERT_TRUE(process.waitForFinished(20000));
    const QString html = QString::fromUtf8(process.readAllStandardOutput());
    // The title is drawn as text (vector output), and an 11-point font is about 11 to 16 points
    // high on the page; scaling the printer wrongly makes it a hundred points or more.
    const QRegularExpression word(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">against</word>)re");
    const auto match = word.match(html);
    ASSERT_TRUE(match.hasMatch()) << html.left(400).toStdString();
    const double height = match.captured(4).toDouble() - match.captured(2).toDouble();
    EXPECT_GT(height, 6.0);
    EXPECT_LT(height, 25.0);
    EXPECT_TRUE(html.contains(">[days]</word>"));
}

TEST(GraphClipboard, ReceivesAnImageAtTheGraphsSizeAndTwiceTheScreenResolution) {
    QtDesktop desktop;
    GraphModel graph;
    fillSettlementCurve(graph);
    QGuiApplication::clipboard()->clear();
    copyGraphWindowImage(desktop, graph);
    const QImage image = QGuiApplication::clipboard()->image();
    ASSERT_FALSE(image.isNull());
    // 5775 x 6375 twips at 15 twips a pixel on screen is 385 x 425 pixels, here at 192 dpi
    // instead of 96: 7559 dots a metre (192 / 0.0254).
    EXPECT_EQ(image.width(), 770);
    EXPECT_EQ(image.height(), 850);
    EXPECT_EQ(image.dotsPerMeterX(), 7559);
    // Something other than the white background was drawn.
    int dark = 0;
    for (int y = 0; y < image.height(); y += 3) {
        for (int x = 0; x < image.width(); x += 3) {
            dark += qGray(image.pixel(x, y)) < 128 ? 1 : 0;
        }
    }
    EXPECT_GT(dark, 50);
}

} // namespace
} // namespace korvex::gui
