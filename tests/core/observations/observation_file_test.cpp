#include "app/number_text.h"
#include "app/text_file.h"
#include "core/observations/observed_site.h"
#include "observations/form13_observations.h"
#include "observations/form14_observation_graph.h"
#include "observations/measurement_table.h"
#include "report/header_texts.h"
#include "report/observation_report.h"
#include "support/same_state.h"
#include "support/temp_folder.h"
#include "support/test_app.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace korvex {
namespace {

// The observation window of a fresh run, with files in a folder of its own.
struct Session {
    test::TestApp t;
    test::TempFolder dir;
    Form13& form = t.windows().load<Form13>();

    void type(const std::vector<std::pair<const char*, const char*>>& readings) {
        int row = 1;
        for (const auto& [time, settlement] : readings) {
            form.Fg12.setTextMatrix(row, kTimeColumn, time);
            form.Fg12.setTextMatrix(row++, kSettlementColumn, settlement);
        }
    }
    void open(const std::string& path) {
        t.desktop.openAnswers.emplace_back(path);
        form.openmnu_Click();
    }
    void save(const std::string& path) {
        t.desktop.saveAnswers.emplace_back(path);
        form.saveobmnu_Click();
    }
    std::string openData(const std::string& name, const std::string& bytes) {
        std::string path = dir.file(name);
        test::writeBytes(path, bytes);
        open(path);
        return path;
    }
    // Everything an opening may change but the extra code (which a save does not write), as
    // text: the file the state would be saved as, the other read variables, the rows after the
    // file's and the window's boxes and table.
    std::string snapshot() {
        report::ReportWriter out(report::Output::ObservationFile, t.state());
        report::writeObservationReport(out, headerTexts(t.app), t.state());
        const Module1& st = t.state();
        std::string text = textFileBytes(out.lines()) + st.PlateCode + "|" +
                           num::boxText(st.FileNr) + "|" + num::boxText(st.SHorIL(19)) + "|" +
                           num::boxText(st.TObs(4)) + "|" + form.Text1 + form.Text5;
        for (int row = 0; row <= kMeasurementRows; ++row) {
            text += form.Fg12.TextMatrix(row, 1) + "," + form.Fg12.TextMatrix(row, 2) + ";";
        }
        return text;
    }
};

std::vector<std::string> goldenLines() {
    return textFileLines(test::observationData("observation_file.obs"));
}

TEST(ObservationFile, OpeningTheHandWrittenFileReplacesReadingsPredictionsAndResults) {
    Session s;
    Module1& st = s.t.state();
    // Five readings analysed, a comparison on show, and results of a calculation.
    s.type({{"5", "0.1"}, {"10", "0.16"}, {"15", "0.2"}, {"20", "0.22"}, {"25", "0.23"}});
    s.form.Command5_Click();
    s.form.Command3_Click();
    ASSERT_TRUE(s.t.windows().isLoaded("Form14"));
    st.FillThickness = st.FillSettlement = st.SPrimVert = st.SPrimHor = -9.0f;
    st.SHorIL.fill(-9.0f);
    st.TPred(3) = 45.0f;
    const Module1 calculation = st;
    s.t.desktop.messages.clear();

    const std::string path = s.dir.file("P1.obs");
    test::writeBytes(path, test::observationData("observation_file.obs"));
    s.open(path);

    ASSERT_EQ(s.t.desktop.messages.size(), 1u) << s.t.desktop.messages[0].text;
    EXPECT_EQ(s.t.desktop.messages[0].text, "The opened File is:  " + path);
    EXPECT_EQ(s.t.desktop.messages[0].style, vbOKOnly);
    EXPECT_EQ(s.t.desktop.messages[0].caption, "Korvex Open file");
    const FileDialogRequest& dialog = s.t.desktop.openRequests.at(0);
    EXPECT_EQ(dialog.title, "Open Observation file");
    EXPECT_EQ(dialog.filter, "All Files (*.*)|*.*|Observation Files_*.obs|*.obs|");
    EXPECT_EQ(dialog.filterIndex, 2);

    EXPECT_EQ(s.form.Text1, "P1");
    EXPECT_EQ(st.PlateCode, "P1");
    EXPECT_EQ(st.ProjectName, "Dike A");
    EXPECT_EQ(st.BoreHole, "BH 7");
    EXPECT_EQ(st.ExtraCode, "Terzaghi-Bjerrum");
    EXPECT_EQ(st.FileNr, 2);
    // The predictions are kept with the readings (rows 1 and 18 of the hand-written tables); the
    // calculation's own results are untouched.
    const PlatePredictions& p = st.Predictions;
    EXPECT_EQ(p.FillThickness, 2.5f);
    EXPECT_EQ(p.FillSettlement, 0.75f);
    EXPECT_EQ(p.SPrimVert, 0.6f);
    EXPECT_EQ(p.SPrimHor, 0.7f);
    EXPECT_EQ(p.TPred(3), 40.0f);
    EXPECT_EQ(p.TPred(18), 40000.0f);
    EXPECT_EQ(p.SHorIL(1), -0.01f);
    EXPECT_EQ(p.SVertIL(18), -0.018f);
    EXPECT_EQ(p.SHorVertIL(18), -0.38f);
    EXPECT_EQ(p.SHorGL(18), -0.181f);
    EXPECT_EQ(p.SVertGL(1), -0.3f);
    EXPECT_EQ(p.SHorVertGL(18), -1.18f);
    EXPECT_TRUE(test::samePart<SettlementResults>(st, calculation));
    EXPECT_TRUE(test::samePart<ConsolidationState>(st, calculation));
    // The three readings, the two typed after them gone from table and state.
    EXPECT_EQ(st.NObs, 3.0f);
    EXPECT_EQ(st.TObs(3), 30.5f);
    EXPECT_EQ(st.SObs(3), 0.1234f);
    EXPECT_EQ(st.TObs(4) + st.SObs(5), 0.0f);
    EXPECT_EQ(s.form.Fg12.TextMatrix(3, kTimeColumn), "30.5");
    EXPECT_EQ(s.form.Fg12.TextMatrix(3, kSettlementColumn), "0.1234");
    EXPECT_EQ(s.form.Fg12.TextMatrix(4, kTimeColumn) + s.form.Fg12.TextMatrix(5, 2), "");
    // The Asaoka results were those of the five readings.
    EXPECT_EQ(st.Beta1, 0.0f);
    EXPECT_EQ(st.DsDlogt(1), 0.0f);
    EXPECT_EQ(s.form.Text5 + s.form.Text7, "");
    EXPECT_FALSE(s.t.windows().isLoaded("Form14"));
}

TEST(ObservationFile, SaveOpenSaveGivesTheSameBytes) {
    Session s;
    Module1& st = s.t.state();
    test::observedSite(st);
    // No analysis: an opening drops the results, which belong to the readings on show before.
    st.Beta1 = st.Beta0 = st.Correlation = st.SFinal = st.CvOverall = st.ChOverall = 0.0f;
    st.TSRatio.fill(0.0f);
    st.DsDt.fill(0.0f);
    st.DsDlogt.fill(0.0f);
    st.Predictions.TPred(1) = 12.3456f;
    st.ProjectName = "Dijk, Noordé";
    s.form.Text1 = "Plaat 3, oost é";
    // Typed, not yet analysed: the save takes what the table shows.
    s.type({{"7", "0.0123"}, {"14.5", "0.05"}, {"30", "0"}, {"45", "0.1"}});

    const std::string first = s.dir.file("first.obs");
    const std::string second = s.dir.file("second.obs");
    s.save(first);
    s.open(first);
    s.save(second);
    ASSERT_EQ(s.t.desktop.messages.size(), 3u) << s.t.desktop.messages.back().text;
    EXPECT_EQ(s.t.desktop.messages[0].text, "The saved observation File is:  " + first);
    EXPECT_EQ(s.t.desktop.messages[0].caption, "Korvex saving Observational file");
    EXPECT_EQ(test::fileBytes(second), test::fileBytes(first));
    EXPECT_EQ(st.ProjectName, "Dijk, Noordé");
    EXPECT_EQ(st.NObs, 4.0f);
    const FileDialogRequest& dialog = s.t.desktop.saveRequests.at(1);
    EXPECT_EQ(dialog.title, "Save Observation file");
    EXPECT_EQ(dialog.filter,
              "Text files(*.txt)|*.txt|Observation files(*.obs)|*.obs|All files(*.*)|*.*|");
    EXPECT_EQ(dialog.filterIndex, 2);
    // One file name for both dialogs: the save starts with the file just opened.
    EXPECT_EQ(dialog.fileName, first);
}

TEST(ObservationFile, ASavedListingAndFilesOfOtherEditorsOpen) {
    const std::string listing = test::observationData("observation_listing.txt");
    std::vector<std::string> lines = goldenLines();
    lines[1] = "Checked by J. Smith: 12 May, plate renewed";
    std::string unixEnds;
    for (const std::string& line : lines) {
        unixEnds += line + "\n";
    }
    // Another program put one comma between the numbers of a row.
    std::string commas = test::observationData("observation_file.obs");
    for (std::size_t at = 0; (at = commas.find("\t\t", at)) != std::string::npos;) {
        commas.replace(at, 2, ", ");
    }
    const std::pair<const char*, std::string> cases[] = {
        {"saved listing", listing.substr(2)},
        {"LF ends and another notice", unixEnds},
        {"commas", commas},
    };
    for (const auto& [name, bytes] : cases) {
        Session s;
        const std::string path = s.openData("file.obs", bytes);
        ASSERT_EQ(s.t.desktop.messageTexts(),
                  std::vector<std::string>{"The opened File is:  " + path})
            << name;
        EXPECT_EQ(s.t.state().NObs, 3.0f) << name;
        EXPECT_EQ(s.t.state().Predictions.SHorVertGL(18), -1.18f) << name;
    }
}

// The table of an opened file is entered at its top, not at the last of the 100 rows filled.
TEST(ObservationFile, OpeningPutsTheCurrentCellOnTheFirstTime) {
    Session s;
    s.form.Fg12.setRow(40);
    s.openData("P1.obs", test::observationData("observation_file.obs"));
    EXPECT_EQ(s.form.Fg12.Row(), 1);
    EXPECT_EQ(s.form.Fg12.Col(), kTimeColumn);
}

TEST(ObservationFile, ABadFileIsRefusedByLineAndChangesNothing) {
    struct Case {
        const char* name;
        int line; // the line replaced, 0 for a whole file
        std::string text;
        int refusedLine;
    };
    const std::string row = "\t\t-0.010\t\t-0.001\t\t-0.210";
    std::string random(3000, ' ');
    std::mt19937 generator(17);
    for (char& c : random) {
        c = static_cast<char>(generator() % 256);
    }
    std::string projectFile = test::observationData("observation_file.obs");
    projectFile.replace(0, projectFile.find('\r'), "Program: KORVEX version 3.0  +++");
    const Case cases[] = {
        {"N of 101", 64, "Number of settlementdata : 101", 64},
        {"N of 2.5", 64, "Number of settlementdata : 2.5", 64},
        {"N of -1", 64, "Number of settlementdata : -1", 64},
        {"no N", 64, "Number of settlementdata :", 64},
        {"nan in a prediction", 20, " 60\t\tnan\t\t-0.004\t\t-0.240", 20},
        {"falling times", 25, " 300" + row, 25},
        {"time 0", 17, " 0" + row, 17},
        {"last time not above the one before", 34, " 20000" + row, 34},
        {"gradual times differ", 50, " 201\t\t-0.071\t\t-0.300\t\t-1.070", 50},
        {"three numbers", 44, " 10\t\t-0.011\t\t-0.300", 44},
        {"two commas", 17, " 10,,-0.010,-0.001,-0.210", 17},
        {"text after a number", 18, " 20\t\t-0.020\t\t-0.002\t\t-0.220x", 18},
        {"a reading lost its settlement", 68, " 20", 68},
        {"inf in a reading", 69, " 30.5\t\tinf", 69},
        {"a D exponent", 69, " 30.5\t\t1.234d-1", 69},
        // The window would not count it: the table would hold two readings under a count of 3.
        {"a last reading of 0", 69, " 30.5\t\t0", 69},
        {"no fill settlement", 12, "Calculated settlement for fillthickness [m] :", 12},
        {"a settlement beyond a Single", 13,
         "Calculated primary settlement Vertical flow [m] :1e39", 13},
        {"project label", 5, "Projekt: Dike A", 5},
        {"plate label", 4, "Plate: P1", 4},
        {"count label", 64, "Number: 3", 64},
        {"a project file", 0, projectFile, 1},
        {"empty", 0, "", 1},
        {"random bytes", 0, random, 1},
    };
    for (const Case& c : cases) {
        Session s;
        s.type({{"5", "0.1"}, {"10", "0.16"}});
        s.t.state().SHorIL(19) = -9.0f;
        const std::string before = s.snapshot();
        std::string bytes = c.text;
        if (c.line > 0) {
            std::vector<std::string> lines = goldenLines();
            lines.at(static_cast<std::size_t>(c.line - 1)) = c.text;
            bytes = textFileBytes(lines);
        }
        const std::string path = s.openData("bad.obs", bytes);
        ASSERT_EQ(s.t.desktop.messages.size(), 1u) << c.name;
        const test::RecordedMessage& m = s.t.desktop.messages[0];
        EXPECT_NE(m.text.find(path), std::string::npos) << c.name;
        EXPECT_NE(m.text.find("line " + std::to_string(c.refusedLine) + ","), std::string::npos)
            << c.name << ": " << m.text;
        EXPECT_EQ(m.style, vbExclamation) << c.name;
        EXPECT_EQ(s.snapshot(), before) << c.name;
        EXPECT_EQ(s.t.state().ExtraCode, "") << c.name;
    }
}

TEST(ObservationFile, AFileCutBeforeItsLastReadingIsRefusedAndAfterItReadsWhole) {
    const std::vector<std::string> lines = goldenLines();
    // The last reading is line 66 + 3.
    for (std::size_t kept = 0; kept <= lines.size(); ++kept) {
        Session s;
        const std::string before = s.snapshot();
        s.openData("cut.obs",
                   textFileBytes({lines.begin(), lines.begin() + static_cast<long>(kept)}));
        const std::string message = s.t.desktop.messageTexts().at(0);
        if (kept < 69) {
            EXPECT_NE(message.find("the file ends before this line"), std::string::npos) << kept;
            EXPECT_EQ(s.snapshot(), before) << kept;
        } else {
            EXPECT_EQ(message.rfind("The opened File is:  ", 0), 0u) << kept << ": " << message;
            EXPECT_EQ(s.t.state().SObs(3), 0.1234f) << kept;
        }
    }
}

// A changed file is either refused with nothing changed, or read whole: then the readings and
// predictions make sense, and the program reads back what it saves of them.
TEST(ObservationFile, MutatedFilesAreRefusedOrReadWhole) {
    const std::vector<std::string> golden = goldenLines();
    const char* numbers[] = {"nan", "inf", "-3", "0", "101", "1e40", "2.5", "7", "-0.5", ","};
    std::mt19937 generator(2024);
    auto pick = [&generator](std::size_t n) { return generator() % n; };
    int read = 0;
    for (int round = 0; round < 300; ++round) {
        std::vector<std::string> lines = golden;
        const std::size_t line = pick(lines.size());
        std::string bytes;
        switch (round % 4) {
        case 0: // a line's numbers or text replaced
            lines[line].replace(pick(lines[line].size() + 1) / 2, 2, numbers[pick(10)]);
            break;
        case 1: // two lines swapped
            std::swap(lines[line], lines[pick(lines.size())]);
            break;
        }
        bytes = textFileBytes(lines);
        if (round % 4 == 2) { // a byte flipped
            // The bit is drawn before the byte: each seed keeps flipping the bit it always flipped.
            const std::size_t bit = pick(8);
            char& flipped = bytes[pick(bytes.size())];
            flipped = static_cast<char>(flipped ^ (1 << bit));
        } else if (round % 4 == 3) { // cut anywhere
            bytes.resize(pick(bytes.size()));
        }
        Session s;
        const std::string before = s.snapshot();
        s.openData("mutated.obs", bytes);
        const std::vector<test::RecordedMessage>& messages = s.t.desktop.messages;
        ASSERT_EQ(messages.size(), 1u) << round;
        if (messages[0].style == vbExclamation) {
            EXPECT_EQ(s.snapshot(), before) << round << ": " << messages[0].text;
            EXPECT_EQ(s.t.state().ExtraCode, "") << round;
            continue;
        }
        ++read;
        const Module1& st = s.t.state();
        EXPECT_TRUE(st.NObs >= 0 && st.NObs <= 100 && st.NObs == static_cast<int>(st.NObs));
        for (int i = 1; i <= kObservedPredictionRows; ++i) {
            EXPECT_GT(st.Predictions.TPred(i), st.Predictions.TPred(i - 1))
                << round << " row " << i;
        }
        const std::string first = s.snapshot();
        const std::string resaved = s.dir.file("resaved.obs");
        s.save(resaved);
        s.open(resaved);
        EXPECT_EQ(s.snapshot(), first) << round;
    }
    // The mutations leave some files readable, or the test proves little.
    EXPECT_GT(read, 30);
}

TEST(ObservationFile, SavingOverAFileAsksAndAFailedWriteKeepsTheOldFile) {
    Session s;
    s.type({{"5", "0.1"}});
    const std::string path = s.dir.file("old.obs");
    test::writeBytes(path, "old bytes");
    s.save(path); // No to the question
    EXPECT_EQ(s.t.desktop.questions.size(), 1u);
    s.t.desktop.yesNoAnswers = {true};
    {
        const ScopedWriteFault full = ScopedWriteFault::afterBytes(100);
        s.save(path);
    }
    EXPECT_EQ(test::fileBytes(path), "old bytes");
    ASSERT_EQ(s.t.desktop.messages.size(), 1u);
    EXPECT_EQ(s.t.desktop.messages[0].style, vbExclamation);
    EXPECT_NE(s.t.desktop.messages[0].text.find(path), std::string::npos);
    EXPECT_EQ(s.t.desktop.messages[0].text.find("saved"), std::string::npos);
}

TEST(ObservationFile, AnalysisResultsAreSavedOnlyBesideTheirReadings) {
    Session s;
    s.type({{"5", "0.1"}, {"10", "0.16"}, {"15", "0.2"}, {"20", "0.22"}});
    s.form.Command5_Click();
    const std::string analysed = s.dir.file("analysed.obs");
    s.save(analysed);
    s.form.Fg12.setTextMatrix(4, kSettlementColumn, "0.25");
    const std::string edited = s.dir.file("edited.obs");
    s.save(edited);
    // Slope 0.6079 of the four readings (see the Asaoka test of the observation views).
    EXPECT_EQ(textFileLines(test::fileBytes(analysed)).at(72), "Slope [-] : .6079");
    EXPECT_EQ(textFileLines(test::fileBytes(edited)).at(72), "Slope [-] : 0");
    EXPECT_EQ(textFileLines(test::fileBytes(edited)).at(69), " 20\t\t0.2500");
    EXPECT_EQ(s.form.Text5, "");

    // A cell that is no number is refused before the dialog.
    s.form.Fg12.setTextMatrix(2, kTimeColumn, "1,5");
    s.t.desktop.messages.clear();
    s.form.saveobmnu_Click();
    s.form.printobservmnu_Click();
    EXPECT_EQ(s.t.desktop.saveRequests.size(), 2u);
    EXPECT_EQ(s.t.desktop.messages.size(), 2u);
    EXPECT_TRUE(s.t.desktop.printedText.empty());
}

// The file writes a settlement to four decimals: one it would write as 0 would not read back as
// the reading it was, so it is refused before the dialog, naming its row.
TEST(ObservationFile, ASettlementTheFileWouldWriteAsZeroIsRefused) {
    struct Case {
        std::vector<std::pair<const char*, const char*>> readings;
        const char* refusal; // empty when saved
    };
    const Case cases[] = {
        {{{"10", "0.05"}, {"20", "0.00003"}},
         "The observation file writes a settlement to four decimals: 3E-05 in row 2, column "
         "\"Settlement(m)\" would be written as 0 and not read back; correct the input."},
        {{{"10", "-0.00004"}, {"20", "0.05"}},
         "The observation file writes a settlement to four decimals: -4E-05 in row 1, column "
         "\"Settlement(m)\" would be written as 0 and not read back; correct the input."},
        // Written 0.0001, half away from zero.
        {{{"10", "0.00005"}}, ""},
    };
    for (const Case& c : cases) {
        Session s;
        s.type(c.readings);
        const std::string path = s.dir.file("P1.obs");
        s.save(path);
        if (*c.refusal != '\0') {
            EXPECT_EQ(s.t.desktop.messageTexts(), std::vector<std::string>{c.refusal});
            EXPECT_TRUE(s.t.desktop.saveRequests.empty());
            continue;
        }
        s.open(path);
        EXPECT_EQ(s.t.desktop.messageTexts().back(), "The opened File is:  " + path);
        EXPECT_EQ(s.t.state().SObs(1), 0.0001f);
    }
}

TEST(ObservationFile, ThePrintoutAndAPrinterThatFails) {
    struct Case {
        bool printerInstalled;
        bool printSucceeds;
        std::size_t messages;
        std::size_t printed;
        std::size_t pdf;
    };
    const Case cases[] = {{true, true, 0, 1, 0}, {true, false, 1, 1, 0}, {false, true, 0, 0, 1}};
    for (const Case& c : cases) {
        Session s;
        s.t.desktop.printerInstalled = c.printerInstalled;
        s.t.desktop.printSucceeds = c.printSucceeds;
        s.type({{"5", "0.1"}, {"10", "0.16"}});
        const std::string pdf = s.dir.file("printout.pdf");
        s.t.desktop.saveAnswers.emplace_back(pdf);
        s.form.printobservmnu_Click();
        EXPECT_EQ(s.t.desktop.messages.size(), c.messages);
        ASSERT_EQ(s.t.desktop.printedText.size() + s.t.desktop.pdfText.size(), 1u);
        EXPECT_EQ(s.t.desktop.printedText.size(), c.printed);
        const TextPrintJob& job = c.printed ? s.t.desktop.printedText[0] : s.t.desktop.pdfText[0];
        // 97 lines of three readings less a row in sections 3, 5, 6 and 7, plus the empty first
        // line, less four prediction rows and the count line.
        EXPECT_EQ(job.lines.size(), 97u - 4u + 1u - 5u);
        EXPECT_EQ(job.lines[0], "");
        EXPECT_EQ(job.marginMillimetres, 25.0);
        EXPECT_EQ(job.fontSizePoints, 8.0);
        EXPECT_EQ(test::fileBytes(pdf).empty(), c.pdf == 0);
    }
}

TEST(ObservationFile, CancelledDialogsChangeNothing) {
    Session s;
    s.type({{"5", "0.1"}});
    const std::string before = s.snapshot();
    s.t.desktop.openAnswers.emplace_back(std::nullopt);
    s.form.openmnu_Click();
    s.t.desktop.saveAnswers.emplace_back(std::nullopt);
    s.form.saveobmnu_Click();
    EXPECT_TRUE(s.t.desktop.messages.empty());
    EXPECT_TRUE(s.dir.names().empty());
    EXPECT_EQ(s.snapshot(), before);
}

} // namespace
} // namespace korvex
