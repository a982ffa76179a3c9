#include "report/report_sinks.h"
#include "report/report_writer.h"

// fake_desktop.h includes the registry inside its namespace: the registry comes first.
#include "app/window_registry.h"
#include "support/fake_desktop.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <stdexcept>

namespace korvex::report {
namespace {

TEST(ReportWriter, PiecesJoinWithNothingBetweenThemAndNumbersKeepTheirType) {
    struct Case {
        std::string built;
        std::string expected;
    };
    const Case cases[] = {
        {line("Calculated fillthickness [m] :", plain(2.5f)), "Calculated fillthickness [m] : 2.5"},
        // A prediction row: -0.4567 to three decimals is -0.457; zero keeps its decimals.
        {line(plain(10.0f), tab, tab, pattern(-0.4567f, "##0.000"), tabs(2),
              pattern(0.0f, "##0.000")),
         " 10\t\t-0.457\t\t0.000"},
        {line(plain(-0.25f), tab, pattern(0.05f, "##0.0000")), "-.25\t0.0500"},
        // An Integer is written as its digits, a Single with 7 significant digits at most.
        {line(plain(Integer{5}), plain(-12)), " 5-12"},
        {line(plain(0.1f)), " .1"},
        {line(plain(12345678.0f)), " 1.234568E+07"},
        {line(rule(3), tabs(0)), "___"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.built, c.expected);
    }

    // Rows 1 to NObs: the last whole row not above the count.
    EXPECT_EQ(wholeRows(2.5f), 2);
    EXPECT_EQ(wholeRows(100.0f), 100);
    EXPECT_EQ(wholeRows(0.0f), 0);
    EXPECT_EQ(wholeRows(-1.0f), 0);
    EXPECT_EQ(wholeRows(std::numeric_limits<Single>::quiet_NaN()), 0);
    EXPECT_EQ(wholeRows(1e30f), std::numeric_limits<int>::max());
}

TEST(ReportWriter, RowsPassThroughTheirBufferAndTheLinesReachFileAndPrinter) {
    ReportLines buffers;
    ReportWriter out(Output::SavedListing, buffers);
    out.empty();
    out.line("Number of settlementdata :", plain(1.0f));
    out.row(&ReportLines::LinesObserved, 1, plain(10.0f), tabs(2), pattern(0.05f, "##0.0000"));
    out.rule(3);
    out.empty();
    EXPECT_EQ(buffers.LinesObserved(1), " 10\t\t0.0500");
    // A row beyond the buffer is refused and adds no line.
    EXPECT_THROW(out.row(&ReportLines::LinesObserved, 101, "x"), std::out_of_range);

    const std::string bytes = "\r\nNumber of settlementdata : 1\r\n 10\t\t0.0500\r\n___\r\n\r\n";
    EXPECT_EQ(reportFileBytes(out), bytes);
    test::TempFolder folder;
    writeReportFile(folder.file("listing.txt"), out);
    EXPECT_EQ(test::fileBytes(folder.file("listing.txt")), bytes);

    test::FakeDesktop desktop;
    printReport(desktop, out);
    ASSERT_EQ(desktop.printedText.size(), 1u);
    EXPECT_EQ(desktop.printedText[0].lines, out.lines());
    EXPECT_EQ(desktop.printedText[0].fontName, "MS sans Serif");
    EXPECT_EQ(desktop.printedText[0].fontSizePoints, 8.0);
    EXPECT_EQ(desktop.printedText[0].marginMillimetres, 25.0);

    struct Differences {
        Output output;
        const char* unit;
    };
    const Differences table[] = {{Output::Listing, "[days/mm]"},
                                 {Output::SavedListing, "[day/mm]"}};
    EXPECT_STREQ(forOutput(table, out.output()).unit, "[day/mm]");
    EXPECT_THROW(forOutput(table, Output::ProjectFile), std::logic_error);

    EXPECT_EQ(out.take().size(), 5u);
    EXPECT_TRUE(out.lines().empty());
}

} // namespace
} // namespace korvex::report
