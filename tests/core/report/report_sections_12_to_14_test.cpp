#include "report/report_sections_12_to_14.h"

#include "state/module1.h"
#include "support/same_lines.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace korvex::report {
namespace {

TEST(ReportSections12To14, WriteEveryValueAsStoredWithEachOutputsColumnHeaders) {
    auto st = std::make_unique<Module1>();
    st->NLayers = 3;
    const Single steps[] = {5,   10,  20,  40,  60,  80,  100, 120,
                            140, 160, 180, 200, 220, 240, 260, 280};
    for (int j = 1; j <= 16; ++j) {
        st->StressStep(j) = steps[j - 1];
    }
    // Shown as its two-decimal text read back: "12.35", not the stored 12.345.
    st->StressStep(2) = 12.345f;

    st->Depth(1) = -3.5f;
    st->SigmaTot(1) = 45.678f;
    st->SigmaWat(1) = 25.0f;
    st->SigmaEff(1) = 20.678f;
    st->OCR(1) = 1.0f;
    st->OCR(3) = 1.234f;
    st->OCR(4) = 9.0f; // beyond NLayers: not read

    st->LThickness(1) = 1.5f;
    st->LThickness(2) = 2.0f;
    st->LThickness(3) = 0.25f;
    st->CumDepth(1) = 9.0f; // the top of the stack, not its total thickness
    st->CumDepth(4) = 3.75f;
    st->SLayer1(1, 1) = -0.0456f;
    st->SLayer10(1, 1) = -0.12f;
    st->SLayer100(1, 1) = -1.2f;
    st->SLayer10000(3, 1) = -0.1234f;
    st->S1(1) = -0.0456f;
    st->S10000(1) = -0.5f; // not the sum of the layers above it: written as stored
    st->SLayer10000(2, 16) = -2.3456f;
    st->S10000(16) = -2.3456f;

    st->FillHeight(1) = 1.0f;
    st->FillHeightSettlement(1) = -0.456f;
    st->FillHeightStress(1) = 1234.567f;
    st->SurfaceHeight(1) = -0.5f;
    st->FillHeight(15) = 15.0f;
    st->FillHeight(16) = 16.0f; // beyond the 15 fill steps: not read

    const std::vector<std::string> section12 = {
        "12.   SOIL STRESSES",
        "All stresses are calculated for mid Layers versus reference level.",
        "Mid Layer\tTotal Stress\tWater pressure\tEffective stress\tOCR",
        "\t\tkPa\t\tkPa\t\tkPa\t\t-",
        std::string(72, '_'),
        "-3.50\t\t45.68\t\t25.00\t\t20.68\t\t1.00",
        "0.00\t\t0.00\t\t0.00\t\t0.00\t\t0.00",
        "0.00\t\t0.00\t\t0.00\t\t0.00\t\t1.23",
        "",
        "",
    };
    const std::string units = "m\t\tm\t\tm\t\tm\t\tm\t\tm";
    const std::string separator = "______\t\t______\t\t______\t\t______\t\t_____\t\t_____";
    const std::string secondLayerAtRest = "2.00\t\t0.00\t\t0.00\t\t0.00\t\t0.00\t\t0.00";

    struct Case {
        Output output;
        const char* blockHeader;
        const char* fillHeader;
    };
    const Case cases[] = {
        {Output::Listing, "Layerthickness\t1 day\t\t10 days\t\t100 days\t\t1000 days\t10 000 days",
         "Fill Height\tSettlement\tStress\t\tSurface Height"},
        {Output::ListingPrintout,
         "Layerthickness\t1 day\t\t10 days\t100 days\t1000 days\t10 000 days",
         "Fill Height\tSettlement\tStress\t\tSurface Height"},
        {Output::SavedListing, "Layerthickness\t1 day\t\t10 days\t100 days\t1000 days\t10 000 days",
         "Fill Height\tSettlement\tStress\tSurface Height"},
        {Output::MainMenuPrintout,
         "Layerthickness\t1 day\t\t10 days\t100 days\t1000 days\t10 000 days",
         "Fill Height\tSettlement\tStress\t\tSurface Height"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.output));
        const auto block = [&](const std::string& stress, std::vector<std::string> rows) {
            std::vector<std::string> lines = {"", "Stress [kPa] : " + stress, c.blockHeader, units,
                                              ""};
            lines.insert(lines.end(), rows.begin(), rows.end());
            return lines;
        };
        std::vector<std::string> expected = section12;
        const std::vector<std::string> head13 = {
            "13.   SETTLEMENTS",
            "The settlements are given for 5 timeseries and 15 stressincrements", ""};
        expected.insert(expected.end(), head13.begin(), head13.end());
        for (int j = 1; j <= 16; ++j) {
            std::vector<std::string> lines;
            if (j == 1) {
                lines = block(" 5",
                              {"1.50\t\t-0.046\t\t-0.12\t\t-1.20\t\t0.00\t\t0.00",
                               secondLayerAtRest, "0.25\t\t0.00\t\t0.00\t\t0.00\t\t0.00\t\t-0.123",
                               separator, "3.75\t\t-0.046\t\t0.00\t\t0.00\t\t0.00\t\t-0.50"});
            } else if (j == 16) {
                lines = block(" 280", {"1.50\t\t0.00\t\t0.00\t\t0.00\t\t0.00\t\t0.00",
                                       "2.00\t\t0.00\t\t0.00\t\t0.00\t\t0.00\t\t-2.346",
                                       "0.25\t\t0.00\t\t0.00\t\t0.00\t\t0.00\t\t0.00", separator,
                                       "3.75\t\t0.00\t\t0.00\t\t0.00\t\t0.00\t\t-2.346"});
            } else {
                const char* stress[] = {"",     "",     " 12.35", " 20",  " 40",  " 60",
                                        " 80",  " 100", " 120",   " 140", " 160", " 180",
                                        " 200", " 220", " 240",   " 260"};
                const std::string stackZero = "3.75\t\t0.00\t\t0.00\t\t0.00\t\t0.00\t\t0.00";
                lines =
                    block(stress[j],
                          {"1.50\t\t0.00\t\t0.00\t\t0.00\t\t0.00\t\t0.00", secondLayerAtRest,
                           "0.25\t\t0.00\t\t0.00\t\t0.00\t\t0.00\t\t0.00", separator, stackZero});
            }
            expected.insert(expected.end(), lines.begin(), lines.end());
        }
        expected.emplace_back();
        expected.insert(expected.end(),
                        {"14.    FILL HEIGHT AND RELATED SETTLEMENTS AND STRESSES", c.fillHeader,
                         "m\t\tm\t\tkPA\t\tm", "1.00\t\t-0.46\t\t1234.57\t\t-0.50"});
        expected.insert(expected.end(), 13, "0.00\t\t0.00\t\t0.00\t\t0.00");
        expected.insert(expected.end(), {"15.00\t\t0.00\t\t0.00\t\t0.00", ""});

        ReportWriter out(c.output, *st);
        writeSection12(out, *st);
        writeSection13(out, *st);
        writeSection14(out, *st);
        const std::vector<std::string> lines = out.take();
        EXPECT_TRUE(test::sameLines(lines, expected));
        // 10 lines of section 12, 16 x 10 + 4 of section 13 with three layers, 19 of section 14.
        EXPECT_EQ(lines.size(), 10u + 164u + 19u);
    }

    EXPECT_EQ(st->LinesStresses(1), "-3.50\t\t45.68\t\t25.00\t\t20.68\t\t1.00");
    EXPECT_EQ(st->LinesStressHeader(1), "5.00");
    EXPECT_EQ(st->LinesStressHeader(2), "12.35");
    EXPECT_EQ(st->LinesSettlLayer(1), "3.75\t\t-0.046\t\t0.00\t\t0.00\t\t0.00\t\t-0.50");
    // Every block writes the same layer elements: the last block's rows remain.
    EXPECT_EQ(st->LinesSettlements(2), "2.00\t\t0.00\t\t0.00\t\t0.00\t\t0.00\t\t-2.346");
    EXPECT_EQ(st->LinesFillHeight(15), "15.00\t\t0.00\t\t0.00\t\t0.00");
}

} // namespace
} // namespace korvex::report
