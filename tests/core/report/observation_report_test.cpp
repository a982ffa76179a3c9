#include "report/observation_report.h"

#include "app/text_file.h"
#include "core/observations/observed_site.h"
#include "report/report_sinks.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace korvex::report {
namespace {

std::vector<std::string> reportLines(Module1& st, Output output) {
    ReportWriter out(output, st);
    writeObservationReport(out, test::kObservedHeader, st);
    return out.take();
}

Module1 observedState() {
    Module1 st;
    st.setDefaults();
    test::observedSite(st);
    return st;
}

TEST(ObservationReport, TheFileAndTheListingAreTheHandWrittenOnes) {
    const std::pair<Output, const char*> cases[] = {
        {Output::ObservationFile, "observation_file.obs"},
        {Output::Listing, "observation_listing.txt"},
    };
    for (const auto& [output, golden] : cases) {
        Module1 st = observedState();
        st.LinesDsDlogt(3) = "stale";
        ReportWriter out(output, st);
        writeObservationReport(out, test::kObservedHeader, st);
        EXPECT_EQ(reportFileBytes(out), test::observationData(golden)) << golden;
        // The rows went through their buffers; the ds/log(dt) step after the last reading has
        // none.
        EXPECT_EQ(st.LinesObserved(3), " 30.5\t\t0.1234");
        EXPECT_EQ(st.LinesConsolGL(18), " 40000\t\t-0.181\t\t-0.300\t\t-1.180");
        EXPECT_EQ(st.LinesDsDlogt(3), "stale");
    }
}

TEST(ObservationReport, TheOtherOutputsDifferOnlyWhereTheirTextDiffers) {
    const std::vector<std::string> file =
        textFileLines(test::observationData("observation_file.obs"));
    const std::vector<std::string> listing =
        textFileLines(test::observationData("observation_listing.txt"));
    // The window's printout: an empty line first, prediction rows 17 and 18 (file lines 33, 34,
    // 60 and 61) and the count line 64 left out.
    std::vector<std::string> printout{""};
    for (std::size_t line = 1; line <= file.size(); ++line) {
        if (line != 33 && line != 34 && line != 60 && line != 61 && line != 64) {
            printout.push_back(file[line - 1]);
        }
    }
    const std::pair<Output, std::vector<std::string>> cases[] = {
        {Output::ListingPrintout, listing},
        {Output::SavedListing, std::vector<std::string>(listing.begin() + 1, listing.end())},
        {Output::ObservationPrintout, printout},
    };
    for (const auto& [output, expected] : cases) {
        Module1 st = observedState();
        EXPECT_EQ(reportLines(st, output), expected);
    }
}

TEST(ObservationReport, NoReadingsAndAHundredReadings) {
    Module1 st = observedState();
    st.NObs = 0;
    const std::vector<std::string> none = reportLines(st, Output::ObservationFile);
    // Sections 3, 5, 6 and 7 keep title, header and unit line: 97 lines less 4 x 3 rows plus 1.
    ASSERT_EQ(none.size(), 86u);
    EXPECT_EQ(none[63], "Number of settlementdata : 0");
    EXPECT_EQ(none.back(), "days\t\t[m]");

    st.NObs = 100;
    const std::vector<std::string> full = reportLines(st, Output::SavedListing);
    // 86 lines and 100 rows in sections 3, 5, 6, and 99 steps in section 7.
    EXPECT_EQ(full.size(), 86u + 399u);
    EXPECT_EQ(st.LinesObserved(100), " 0\t\t0.0000");
    EXPECT_EQ(st.LinesDsDlogt(99), " 0\t\t0.0000");
}

} // namespace
} // namespace korvex::report
