#include "app/application.h"
#include "app/gui_host.h"
#include "app/printing.h"
#include "app/qt_desktop.h"
#include "app/text_file.h"
#include "core/observations/observed_site.h"
#include "core/report/reported_site.h"
#include "observations/form13_observations.h"
#include "observations/form13_observations_view.h"
#include "program/frm_main.h"
#include "program/frm_main_view.h"
#include "program/program_windows.h"
#include "program/register_views.h"
#include "report/form18_listing.h"
#include "report/form18_listing_view.h"
#include "state/module1.h"
#include "support/dialog_script.h"
#include "support/screenshot.h"

#include <QAction>
#include <QFile>
#include <QFontInfo>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <optional>
#include <tuple>

namespace korvex::test {
namespace {

// A machine without a printer: every printout becomes a PDF through the save dialog. The lines of
// the last one are kept.
struct NoPrinterDesktop : gui::QtDesktop {
    std::vector<std::string> printedLines;

    bool printerAvailable() override { return false; }
    std::optional<std::string> textPdf(const TextPrintJob& job) override {
        printedLines = job.lines;
        return gui::QtDesktop::textPdf(job);
    }
};

// A word of a PDF as poppler reads it, in points from the page's top left corner.
struct PdfWord {
    int page;
    double left, top;
    QString text;
};

// The words of a PDF in reading order: a line wrapped on the page reads on as the line it was.
struct PdfText {
    std::vector<PdfWord> words;

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
            QString word = m.captured(3);
            word.replace("&apos;", "'").replace("&quot;", "\"").replace("&lt;", "<");
            word.replace("&gt;", ">").replace("&amp;", "&");
            text.words.push_back({page, m.captured(1).toDouble(), m.captured(2).toDouble(), word});
        }
    }
    std::sort(text.words.begin(), text.words.end(), [](const PdfWord& a, const PdfWord& b) {
        return std::tuple(a.page, std::round(a.top), a.left) <
               std::tuple(b.page, std::round(b.top), b.left);
    });
    return text;
}

// What a reader takes for a line's columns: a run of tabs begins the next one.
QStringList columnsOf(const std::string& line) {
    static const QRegularExpression tabs("\t+");
    return QString::fromStdString(line).split(tabs);
}

// A report as it was laid out: for each line where each of its columns begins, where it holds
// text.
struct LaidOutReport {
    std::vector<std::string> lines;
    std::vector<std::vector<std::optional<double>>> columnLefts;
    double halfColumn = 0;
};

// The printed lines found word by word on the pages, each whole and in order; a column begins
// where its first word does.
LaidOutReport onPaper(const std::vector<std::string>& lines, const PdfText& pdf) {
    // Half a column of eight average letters: about two em of the report's 8 point font.
    LaidOutReport laidOut{lines, {}, 2 * 8.0};
    const std::vector<PdfWord>& words = pdf.words;
    std::size_t next = 0;
    for (const std::string& line : lines) {
        std::vector<std::optional<double>> lefts;
        for (const QString& column : columnsOf(line)) {
            std::optional<double> left;
            for (const QString& word : column.split(' ', Qt::SkipEmptyParts)) {
                if (next >= words.size() || words[next].text != word) {
                    ADD_FAILURE() << "not printed whole: " << line;
                    return {};
                }
                left = left.value_or(words[next++].left);
            }
            lefts.push_back(left);
        }
        laidOut.columnLefts.push_back(lefts);
    }
    EXPECT_EQ(next, words.size()) << "the pages hold more than the report";
    return laidOut;
}

LaidOutReport onScreen(gui::Form18View& view, const std::vector<std::string>& lines) {
    LaidOutReport laidOut{lines, {}, 2.0 * QFontInfo(view.list().font()).pixelSize()};
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::vector<PlacedText>& placed = view.placedLines().at(i);
        std::vector<std::optional<double>> lefts;
        std::size_t k = 0;
        for (const QString& column : columnsOf(lines[i])) {
            lefts.push_back(column.isEmpty() || k >= placed.size()
                                ? std::nullopt
                                : std::optional<double>(placed[k++].x));
        }
        laidOut.columnLefts.push_back(lefts);
    }
    return laidOut;
}

bool hasTab(const std::string& line) {
    return line.find('\t') != std::string::npos;
}

// In every table (tabbed lines with the empty lines and rules between them), every column of a
// line that is no row of values stands within half a column of the values below and above it.
// The count of tables with headings and values.
int checkTables(const LaidOutReport& r) {
    int tables = 0;
    for (std::size_t first = 0; first < r.lines.size();) {
        if (!hasTab(r.lines[first])) {
            ++first;
            continue;
        }
        std::size_t end = first + 1;
        for (std::size_t i = end; i < r.lines.size(); ++i) {
            if (hasTab(r.lines[i])) {
                end = i + 1;
            } else if (r.lines[i].find_first_not_of('_') != std::string::npos) {
                break;
            }
        }
        std::vector<std::size_t> headings, values;
        for (std::size_t i = first; i < end; ++i) {
            if (hasTab(r.lines[i])) {
                const QString start = columnsOf(r.lines[i]).first().trimmed();
                const bool number =
                    !start.isEmpty() && (start[0].isDigit() || start[0] == '-' || start[0] == '.');
                (number ? values : headings).push_back(i);
            }
        }
        tables += !headings.empty() && !values.empty() ? 1 : 0;
        for (std::size_t h : headings) {
            const std::vector<std::optional<double>>& heading = r.columnLefts.at(h);
            for (std::size_t k = 0; k < heading.size(); ++k) {
                for (std::size_t v : values) {
                    const std::vector<std::optional<double>>& row = r.columnLefts.at(v);
                    if (heading[k] && k < row.size() && row[k] &&
                        std::abs(*heading[k] - *row[k]) > r.halfColumn) {
                        ADD_FAILURE()
                            << "column " << k << " of \"" << r.lines[h] << "\" at " << *heading[k]
                            << ", of \"" << r.lines[v] << "\" at " << *row[k];
                        break;
                    }
                }
            }
        }
        first = end;
    }
    return tables;
}

// The reported site and the observed plate, every window's view registered, no printer.
struct ReportProgram {
    QTemporaryDir dir;
    NoPrinterDesktop desktop;
    Application app{desktop, registerWindowModels};
    gui::GuiHost host{app};

    ReportProgram() {
        app.state().setDefaults();
        reportedSite(app.state(), 1);
        observedSite(app.state());
        gui::registerAllViews(host);
    }
    ~ReportProgram() { app.windows().unloadAll(); }

    template <class View, class Model> View& show() {
        return dynamic_cast<View&>(*host.viewOf(app.windows().show<Model>()));
    }
    gui::Form18View& listing(Integer listMode) {
        app.state().ListMode = listMode;
        return show<gui::Form18View, Form18>();
    }
    // The words of the pages a print command saves as PDF.
    PdfText printed(const std::function<void()>& print) {
        const QString pdf = dir.filePath("printout.pdf");
        QFile::remove(pdf);
        DialogScript script;
        script.chooseFile(pdf);
        print();
        return pdfWords(pdf);
    }
    LaidOutReport onPaper(const std::function<void()>& print) {
        const PdfText pdf = printed(print);
        return test::onPaper(desktop.printedLines, pdf);
    }
    LaidOutReport onScreen(Integer listMode) {
        gui::Form18View& view = listing(listMode);
        return test::onScreen(view, app.windows().find<Form18>()->List1);
    }
    void filePrint() { show<gui::FrmMainView, frmMain>().action("mnuFilePrint")->trigger(); }
};

void clickPrint(gui::Form18View& view) {
    for (QPushButton* button : view.findChildren<QPushButton*>()) {
        if (button->text() == "Print") {
            button->click();
        }
    }
}

constexpr int kSettlementTables = 26; // sections 1, 2, 7 to 12, 14, 15 and 16 load steps
constexpr int kObservationTables = 6; // sections 1, 2, 3, 5, 6 and 7

TEST(ReportLayout, EveryTableHasItsHeadingsOverItsColumnsOnPaperAndOnScreen) {
    struct Output {
        const char* name;
        std::function<LaidOutReport(ReportProgram&)> layOut;
        int tables;
    };
    const Output outputs[] = {
        {"File, Print", [](ReportProgram& p) { return p.onPaper([&p] { p.filePrint(); }); },
         kSettlementTables},
        {"the listing's Print, settlement report",
         [](ReportProgram& p) { return p.onPaper([&p] { clickPrint(p.listing(0)); }); },
         kSettlementTables},
        {"the listing's Print, observation report",
         [](ReportProgram& p) { return p.onPaper([&p] { clickPrint(p.listing(1)); }); },
         kObservationTables},
        {"Print Observationdata",
         [](ReportProgram& p) {
             return p.onPaper(
                 [&p] { p.show<gui::Form13View, Form13>().fileItems().at(2)->trigger(); });
         },
         kObservationTables},
        {"the listing window, settlement report", [](ReportProgram& p) { return p.onScreen(0); },
         kSettlementTables},
        {"the listing window, observation report", [](ReportProgram& p) { return p.onScreen(1); },
         kObservationTables},
    };
    for (const Output& output : outputs) {
        SCOPED_TRACE(output.name);
        ReportProgram program;
        const LaidOutReport laidOut = output.layOut(program);
        ASSERT_FALSE(laidOut.lines.empty());
        EXPECT_EQ(checkTables(laidOut), output.tables);
    }
}

// The headings wider than a stop, the eight-character numbers (0.00E+00 is drawn wider than a
// stop) and "Mid Layer", which ends just short of a stop, take the stops their values take, to the
// point.
TEST(ReportLayout, ThePrintedReferenceListingsHeadingsStandExactlyOverTheirValues) {
    ReportProgram program;
    const std::vector<std::string> reference =
        readTextFile(KORVEX_TEST_DATA "/report/settlement_listing_method1.txt");
    const PdfText text =
        program.printed([&] { printTextPages(program.desktop, TextPrintJob{reference}); });
    // A heading and the value of its column in tables of sections 1, 2, 7, 12 and 13, each word
    // found on the line of another.
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

// Page 1 and page 4, a load-step table, of File, Print.
TEST(PrintedReportScreenshot, PagesOneAndFourOfTheReport) {
    if (!screenshotsWanted()) {
        return;
    }
    ReportProgram program;
    program.printed([&] { program.filePrint(); });
    for (const char* page : {"1", "4"}) {
        const QString png = QString::fromLocal8Bit(std::getenv("KORVEX_SCREENSHOT_DIR")) +
                            "/report-printout-page" + page;
        EXPECT_EQ(QProcess::execute("pdftoppm",
                                    {"-png", "-r", "110", "-f", page, "-l", page, "-singlefile",
                                     program.dir.filePath("printout.pdf"), png}),
                  0);
    }
}

} // namespace
} // namespace korvex::test
