#include "app/application.h"
#include "app/gui_host.h"
#include "app/printing.h"
#include "app/qt_desktop.h"
#include "app/text_file.h"
#include "program/frm_main.h"
#include "program/frm_main_view.h"
#include "program/program_windows.h"
#include "program/register_views.h"
#include "settlement/form2_soil_stresses.h"
#include "state/module1.h"
#include "support/dialog_script.h"
#include "support/screenshot.h"
#include "ui/graph_window_view.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <tuple>

namespace korvex::test {
namespace {

struct NoPrinterDesktop : gui::QtDesktop {
    bool printerAvailable() override { return false; }
};

// The program on a machine without a printer, every window's view registered.
struct NoPrinterProgram {
    QTemporaryDir dir;
    NoPrinterDesktop desktop;
    Application app{desktop, registerWindowModels};
    gui::GuiHost host{app};

    NoPrinterProgram() {
        app.state().setDefaults();
        gui::registerAllViews(host);
    }
    ~NoPrinterProgram() { app.windows().unloadAll(); }

    template <class View, class Model> View* show() {
        return dynamic_cast<View*>(host.viewOf(app.windows().show<Model>()));
    }
};

TEST(PrintWithoutPrinter, PrintInAGraphWindowWritesAPdfThroughTheSaveDialog) {
    NoPrinterProgram p;
    auto* view = p.show<gui::GraphWindowView, Form2>();
    ASSERT_NE(view, nullptr);
    const QString pdf = p.dir.filePath("soil stresses.pdf");

    DialogScript script;
    script.cancel().chooseFile(pdf);
    QTest::mouseClick(view->printButton(), Qt::LeftButton);
    EXPECT_TRUE(QDir(p.dir.path()).isEmpty());
    QTest::mouseClick(view->printButton(), Qt::LeftButton);

    const QString title = "save: No printer is installed: save the printout as PDF";
    EXPECT_EQ(script.seen(), (QStringList{title, title}));
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    EXPECT_GT(bytes.size(), 1000);
    EXPECT_EQ(QDir(p.dir.path()).entryList(QDir::Files), QStringList{"soil stresses.pdf"});
}

TEST(PrintWithoutPrinter, FilePrintAsksOnceForThePdfAndWritesTheFileNamedThere) {
    NoPrinterProgram p;
    auto* main = p.show<gui::FrmMainView, frmMain>();
    ASSERT_NE(main, nullptr);
    p.app.state().Method = 1;
    const QString pdf = p.dir.filePath("report.pdf");

    DialogScript script;
    script.cancel().chooseFile(pdf);
    main->action("mnuFilePrint")->trigger();
    EXPECT_TRUE(QDir(p.dir.path()).isEmpty());
    main->action("mnuFilePrint")->trigger();

    const QString title = "save: No printer is installed: save the printout as PDF";
    EXPECT_EQ(script.seen(), (QStringList{title, title}));
    QFile file(pdf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().startsWith("%PDF"));
    EXPECT_EQ(QDir(p.dir.path()).entryList(QDir::Files), QStringList{"report.pdf"});
}

// A word of a PDF as poppler reads it, in points from the page's top left corner.
struct PdfWord {
    int page;
    double left, top;
    QString text;
};

struct PdfText {
    std::vector<PdfWord> words;

    // Every word in reading order, one blank between them: a line wrapped on the page reads as
    // the line it was.
    QString joined() const {
        std::vector<PdfWord> sorted = words;
        std::sort(sorted.begin(), sorted.end(), [](const PdfWord& a, const PdfWord& b) {
            return std::tuple(a.page, std::round(a.top), a.left) <
                   std::tuple(b.page, std::round(b.top), b.left);
        });
        QStringList texts;
        for (const PdfWord& word : sorted) {
            texts << word.text;
        }
        return texts.join(' ');
    }
    // The first word with this text on the line of the first word of the other text.
    const PdfWord* onLineOf(const QString& text, const QString& lineWord) const {
        for (const PdfWord& anchor : words) {
            if (anchor.text != lineWord) {
                continue;
            }
            for (const PdfWord& word : words) {
                if (word.text == text && word.page == anchor.page &&
                    std::abs(word.top - anchor.top) < 0.5) {
                    return &word;
                }
            }
        }
        return nullptr;
    }
};

PdfText pdfWords(const QString& pdf) {
    QProcess poppler;
    poppler.start("pdftotext", {"-bbox", pdf, "-"});
    EXPECT_TRUE(poppler.waitForFinished(30000)) << "pdftotext (poppler-utils) is needed";
    // Compatibility forms undo the font's ligatures ("fi" is drawn as one glyph).
    const QString html = QString::fromUtf8(poppler.readAllStandardOutput())
                             .normalized(QString::NormalizationForm_KC);
    PdfText text;
    const QRegularExpression item(
        R"re(<page |<word xMin="([\d.]+)" yMin="([\d.]+)"[^>]*>([^<]*)</word>)re");
    int page = 0;
    for (auto it = item.globalMatch(html); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        if (!m.hasCaptured(1)) {
            ++page;
        } else {
            text.words.push_back({page, m.captured(1).toDouble(), m.captured(2).toDouble(),
                                  m.captured(3).replace("&apos;", "'").replace("&amp;", "&")});
        }
    }
    return text;
}

// The reference listing printed on a machine without a printer, into the PDF the user names.
struct PrintedListing {
    QTemporaryDir dir;
    QString pdf = dir.filePath("listing.pdf");
    std::vector<std::string> lines =
        readTextFile(KORVEX_TEST_DATA "/report/settlement_listing_method1.txt");

    PrintedListing() {
        NoPrinterDesktop desktop;
        DialogScript script;
        script.chooseFile(pdf);
        printTextPages(desktop, TextPrintJob{lines});
    }
};

TEST(PrintWithoutPrinter, APrintedListingHoldsEveryLineWholeWithItsHeadingsOverTheirColumns) {
    PrintedListing printed;
    const PdfText text = pdfWords(printed.pdf);
    ASSERT_FALSE(text.words.empty());

    const QString all = text.joined();
    for (const std::string& line : printed.lines) {
        const QString words = QString::fromStdString(line).simplified();
        EXPECT_TRUE(all.contains(words)) << line;
    }

    // A heading and the value of its column in tables of sections 1, 2, 7, 12 and 13, each word
    // found on the line of another: the headings wider than a stop, the eight-character numbers
    // (0.00E+00 is drawn wider than a stop) and "Mid Layer", which ends just short of a stop, all
    // take the stops their values take.
    struct Column {
        const char *heading, *headingLine, *value, *valueLine;
    };
    const Column columns[] = {
        {"Cr", "Depth", "0.0200", "-0.50"},
        {"Calpha", "Depth", "0.0120", "-0.50"},
        {"Ch", "Cv(i)", "3.00E-07", "2.50E-08"},
        {"Cv", "Cv(i)", "7.50E-08", "0.00E+00"},
        {"Hor.Vert.Flow", "Time", "0.00", "-0.347"},
        {"Total", "Mid", "18.38", "-3.13"},
        {"OCR", "Mid", "1.00", "-3.13"},
        {"1000", "Layerthickness", "-0.046", "-0.063"},
    };
    for (const Column& c : columns) {
        SCOPED_TRACE(c.heading);
        const PdfWord* heading = text.onLineOf(c.heading, c.headingLine);
        const PdfWord* value = text.onLineOf(c.value, c.valueLine);
        ASSERT_TRUE(heading != nullptr && value != nullptr);
        EXPECT_NEAR(heading->left, value->left, 0.5);
    }
}

TEST(PrintedReportScreenshot, PageOneOfTheListing) {
    if (!screenshotsWanted()) {
        return;
    }
    PrintedListing printed;
    const QString png =
        QString::fromLocal8Bit(std::getenv("KORVEX_SCREENSHOT_DIR")) + "/report-printout-page1";
    EXPECT_EQ(QProcess::execute("pdftoppm", {"-png", "-r", "110", "-f", "1", "-l", "1",
                                             "-singlefile", printed.pdf, png}),
              0);
}

} // namespace
} // namespace korvex::test
