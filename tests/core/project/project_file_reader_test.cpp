#include "app/number_text.h"
#include "app/text_file.h"
#include "consolidation/form4_consolidation_input.h"
#include "consolidation/form7_settlement_time_list.h"
#include "core/project/input_window_texts.h"
#include "project/project_file_reader.h"
#include "settlement/form1_settlement_input.h"
#include "support/same_state.h"
#include "support/temp_folder.h"
#include "support/test_app.h"

#include <gtest/gtest.h>

#if defined(__linux__)
#include <sys/resource.h>
#include <unistd.h>
#endif

#include <fstream>
#include <random>
#include <string>
#include <vector>

namespace korvex {
namespace {

std::string dataPath(const std::string& name) {
    return std::string(KORVEX_TEST_DATA) + "/" + name;
}

// The hand-written Terzaghi-Koppejan project of two layers; its last line read is line 69.
const std::string kDikeFile = dataPath("project/dike_koppejan.prj");
constexpr int kLastLineRead = 69;

std::vector<std::string> dikeLines() {
    return textFileLines(test::fileBytes(kDikeFile));
}

// A run that worked on another project: both input windows open with its values and some typing
// of its own, a result window open, its results marked as calculated.
struct BusySession {
    test::TestApp t;
    test::TempFolder dir;
    Module1 before;
    std::string windowsBefore;

    BusySession() {
        Module1& st = t.state();
        st.Method = 1;
        st.NLayers = 4;
        for (int i = 1; i <= 4; ++i) {
            st.LDepth(i) = static_cast<Single>(-2 * i);
            st.Cv(i) = 1e-7f;
        }
        st.ProjectName = "Old project";
        st.SettlementCalculated = st.ConsolidationCalculated = 1;
        st.SettlementMethod = 1;
        st.SettlementSubmergence = st.ConsolidationOption4 = 1;
        st.FileNr = 2;
        st.FileName = "old.obs";
        Form1& form1 = t.windows().show<Form1>();
        form1.Text14 = "30";
        form1.Fg1.setTextMatrix(15, 3, "0.5");
        Form4& form4 = t.windows().load<Form4>();
        // An equivalent Cv of these four layers, which the file's two must not inherit.
        form4.Command4_Click();
        form4.Fg4.setTextMatrix(4, 1, "2E-07");
        t.windows().show<Form7>();
        t.desktop.messages.clear();
        before = st;
        windowsBefore = test::windowTexts(t);
    }

    const std::vector<test::RecordedMessage>& open(const std::string& path) {
        t.desktop.openAnswers.emplace_back(path);
        openProjectFile(t.app);
        return t.desktop.messages;
    }

    ::testing::AssertionResult unchanged() {
        const Module1& st = t.state();
        if (!test::sameState(st, before) || st.ProjectName != before.ProjectName ||
            st.BoreHole != before.BoreHole || st.ExtraCode != before.ExtraCode ||
            st.FileNr != before.FileNr || st.FileName != before.FileName) {
            return ::testing::AssertionFailure() << "the shared state changed";
        }
        if (test::windowTexts(t) != windowsBefore || !t.windows().isLoaded("Form7")) {
            return ::testing::AssertionFailure() << "a window changed";
        }
        return ::testing::AssertionSuccess();
    }
};

// Every field of the hand-written file, in the state and in both windows, into a fresh run (the
// windows loaded only by the opening, after the state holds the file) and into a run busy with
// another project, none of whose fill-layer box, Cv table, rows below the layers, equivalent Cv
// or results may survive.
TEST(ProjectFileReader, TheHandWrittenFileRestoresEveryField) {
    for (const bool busy : {false, true}) {
        BusySession b;
        test::TestApp fresh;
        test::TestApp& t = busy ? b.t : fresh;
        t.desktop.openAnswers.emplace_back(kDikeFile);
        openProjectFile(t.app);
        const Module1& st = t.state();

        ASSERT_EQ(t.desktop.messageTexts(),
                  std::vector<std::string>{"The opened File is:  " + kDikeFile});
        EXPECT_EQ(t.desktop.messages[0].caption, "Korvex Open file");
        EXPECT_EQ(t.desktop.messages[0].style, vbOKOnly);
        ASSERT_EQ(t.desktop.openRequests.size(), 1u);
        EXPECT_EQ(t.desktop.openRequests[0].title, "Open");
        EXPECT_EQ(t.desktop.openRequests[0].filter, "All Files (*.*)|*.*");

        // Byte 0xE9 is "é" in Windows-1252; the comma stays in the name and the blank the writer
        // puts after "Project:" is dropped.
        EXPECT_EQ(st.ProjectName, "Dike Zuid\u00e9, km 3");
        EXPECT_EQ(st.BoreHole, "B 7");
        EXPECT_EQ(st.ExtraCode, "Terzaghi-Koppejan");
        EXPECT_EQ(st.Method, 2);
        EXPECT_EQ(st.FileNr, 1);
        EXPECT_EQ(st.FileName, kDikeFile);
        const Single site[] = {st.SurfaceLevel,    st.SurfaceLevelRequired, st.Watertable,
                               st.NewWatertable,   st.SettlementTime,       st.SoilmassFill,
                               st.SoilmassFillSat, st.SoilmassAvg,          st.SoilmassAvgSat,
                               st.FillIncrement,   st.NFillLayers};
        const Single siteInFile[] = {-1.2f, 1.5f,  -0.6f, -0.9f, 10000, 1.9f,
                                     2.1f,  1.45f, 1.6f,  0.2f,  12};
        for (std::size_t k = 0; k < std::size(site); ++k) {
            EXPECT_EQ(site[k], siteInFile[k]) << k;
        }
        EXPECT_EQ(st.NLayers, 2);
        EXPECT_EQ(st.LDepth(2), -8.0f);
        EXPECT_EQ(st.Soilwet(1), 1.4f);
        EXPECT_EQ(st.InvCp(1), 12.5f);
        EXPECT_EQ(st.InvCs(2), 120.0f);
        EXPECT_EQ(st.InvCp2(1), 410.0f);
        EXPECT_EQ(st.InvCs2(2), 60.0f);
        EXPECT_EQ(st.Sigmac(1), 22.5f);
        EXPECT_EQ(st.CKoppejan(2), 0.0025f);
        const Single consolidation[] = {st.DegreeCons,
                                        st.ConsolidationPeriod,
                                        st.DrainDiameter,
                                        st.RestSettlement,
                                        st.ConstructionTime,
                                        st.DrainArea,
                                        st.SoilThickness,
                                        st.CvAvg,
                                        st.ChAvg,
                                        st.TimeFactor,
                                        st.FillThickness,
                                        st.FillSettlement,
                                        st.S10Cons,
                                        st.S10000Cons};
        const Single consolidationInFile[] = {0.9f,   180,    0.066f,  0.15f,   45,
                                              2500,   6.8f,   3.2e-8f, 9.6e-8f, 0.85f,
                                              3.125f, 0.825f, 0.215f,  0.94f};
        for (std::size_t k = 0; k < std::size(consolidation); ++k) {
            EXPECT_EQ(consolidation[k], consolidationInFile[k]) << k;
        }
        EXPECT_EQ(st.Cv(1), 2.5e-8f);
        EXPECT_EQ(st.Cv(2), 4.15e-8f);
        EXPECT_EQ(st.ChExtraFill(2), 1.2e-7f);
        EXPECT_EQ(st.CvExtraFill(1), 3.1e-8f);
        // Nothing calculated; the few results the file brings belong to its method.
        EXPECT_EQ(st.SettlementCalculated + st.ConsolidationCalculated + st.SettlementSubmergence +
                      st.ConsolidationOption4,
                  0);
        EXPECT_EQ(st.SettlementMethod, 2);

        const Form1& f1 = *t.windows().find<Form1>();
        EXPECT_EQ(t.host.shown.back(), "Form1");
        EXPECT_EQ(f1.methodLoadedFor, 2);
        const std::vector<std::string> boxes1 = {
            f1.Text1, f1.Text2, f1.Text3, f1.Text4,  f1.Text11, f1.Text5,  f1.Text15, f1.Text12,
            f1.Text6, f1.Text8, f1.Text9, f1.Text10, f1.Text13, f1.Text14, f1.Text7};
        EXPECT_EQ(boxes1,
                  (std::vector<std::string>{"Dike Zuid\u00e9, km 3", "B 7", "Terzaghi-Koppejan",
                                            "-1.2", "1.5", "-0.6", "-0.9", "10000", "1.9", "2.1",
                                            "1.45", "1.6", "0.2", "12", "2"}));
        std::vector<std::string> grid;
        for (int r = 0; r <= 3; ++r) {
            for (int c = 3; c <= 8; ++c) {
                grid.push_back(f1.Fg1.TextMatrix(r, c));
            }
        }
        EXPECT_EQ(grid, (std::vector<std::string>{
                            "1/Cp(i)", "1/Cs(i)", "1/Cp'(i)", "1/Cs'(i)", "SigmaC(i)", "C(i)",
                            "12.5",    "55",      "410",      "90",       "22.5",      "0.005",
                            "20",      "120",     "260",      "60",       "48",        "0.0025",
                            "",        "",        "",         "",         "",          ""}));
        EXPECT_EQ(f1.Fg1.TextMatrix(1, 1) + " " + f1.Fg1.TextMatrix(2, 2), "-3.5 1.75");
        EXPECT_EQ(f1.Fg1.TextMatrix(15, 3), "");

        const Form4& f4 = *t.windows().find<Form4>();
        const std::vector<std::string> boxes4 = {
            f4.Text1,  f4.Text2,  f4.Text3,  f4.Text4,  f4.Text7,  f4.Text9, f4.Text10,
            f4.Text12, f4.Text11, f4.Text13, f4.Text15, f4.Text16, f4.Text5, f4.Text6};
        EXPECT_EQ(boxes4, (std::vector<std::string>{"0.9", "180", "0.066", "0.15", "45", "2500",
                                                    "6.8", "3.2E-08", "9.6E-08", "0.85", "3.125",
                                                    "0.825", "0.215", "0.94"}));
        EXPECT_EQ(f4.Fg4.TextMatrix(1, 1) + " " + f4.Fg4.TextMatrix(2, 1) + " [" +
                      f4.Fg4.TextMatrix(3, 1) + f4.Fg4.TextMatrix(4, 1) + "]",
                  "2.5E-08 4.15E-08 []");
        // The previous project's result window is gone.
        EXPECT_FALSE(t.windows().isLoaded("Form7")) << busy;
        EXPECT_EQ(f4.Text14, "") << busy;
    }
}

// The extra code is text only: the method line gives the method, whatever the menu chose before.
TEST(ProjectFileReader, ATypedExtraCodeLeavesTheMethodToTheMethodLine) {
    for (const Integer menuMethod : {Integer{0}, Integer{1}}) {
        test::TestApp t;
        test::TempFolder dir;
        t.state().Method = menuMethod;
        std::vector<std::string> lines = dikeLines();
        lines[5] = "Extra code:Site A";
        const std::string path = dir.file("site.prj");
        test::writeBytes(path, textFileBytes(lines));
        t.desktop.openAnswers.emplace_back(path);
        openProjectFile(t.app);
        EXPECT_EQ(t.state().Method, 2);
        EXPECT_EQ(t.state().ExtraCode, "Site A");
        EXPECT_EQ(t.windows().find<Form1>()->Text3, "Site A");
        EXPECT_EQ(t.state().CKoppejan(1), 0.005f);
    }
}

// The equivalent Cv that Form4's button computed belongs to its layers' thicknesses and Cv values:
// a project with the same stack but another Cv must not be calculated with it.
TEST(ProjectFileReader, AnEquivalentCvOfOtherCvValuesIsDropped) {
    test::TestApp t;
    test::TempFolder dir;
    t.desktop.openAnswers.emplace_back(kDikeFile);
    openProjectFile(t.app);
    Form4& form4 = *t.windows().find<Form4>();
    form4.Command4_Click();
    ASSERT_NE(form4.Text14, "");
    std::vector<std::string> lines = dikeLines();
    ASSERT_EQ(lines[48], " 1\t\t2.50E-08\t0.00E+00\t3.10E-08");
    lines[48] = " 1\t\t9.00E-08\t0.00E+00\t3.10E-08";
    const std::string path = dir.file("other_cv.prj");
    test::writeBytes(path, textFileBytes(lines));
    t.desktop.openAnswers.emplace_back(path);
    openProjectFile(t.app);
    EXPECT_EQ(form4.Text14, "");
}

// The reference listings of the report have the lines of a project file where it is read.
TEST(ProjectFileReader, SavedListingsOpenAndOneWithoutAMethodDoesNot) {
    struct Case {
        const char* file;
        Integer method;
        const char* layer3Sigmac;
        const char* refusal; // empty when the listing opens
    };
    const Case cases[] = {
        {"report/settlement_listing_method1.txt", 1, "123.46", ""},
        {"report/settlement_listing_method2.txt", 2, "123.46", ""},
        {"report/settlement_listing_method0.txt", 0, "", "line 10, no method line"},
    };
    for (const Case& c : cases) {
        BusySession b;
        b.open(dataPath(c.file));
        const std::string message = b.t.desktop.messageTexts().at(0);
        if (*c.refusal != '\0') {
            EXPECT_NE(message.find(c.refusal), std::string::npos) << message;
            EXPECT_TRUE(b.unchanged()) << c.file;
            continue;
        }
        EXPECT_EQ(b.t.state().Method, c.method) << c.file;
        EXPECT_EQ(b.t.state().NLayers, 3) << c.file;
        EXPECT_EQ(b.t.windows().find<Form1>()->Fg1.TextMatrix(3, 7), c.layer3Sigmac) << c.file;
        EXPECT_EQ(b.t.state().ChAvg, 3.46e-7f) << c.file;
    }
}

// A file that is not a whole project file says which line is wrong and changes nothing, not even
// the file name.
TEST(ProjectFileReader, ABadFileIsRefusedByLineAndChangesNothing) {
    struct Case {
        const char* name;
        int line; // the line replaced, 0 for a whole file
        std::string text;
        int refusedLine;
    };
    std::string random(3000, ' ');
    std::mt19937 generator(20);
    for (char& c : random) {
        c = static_cast<char>(generator() % 256);
    }
    const Case cases[] = {
        {"21 layers", 25, "Number of Layers [m]:   21", 25},
        {"2.5 layers", 25, "Number of Layers [m]:   2.5", 25},
        {"-1 layers", 25, "Number of Layers [m]:  -1", 25},
        {"text for a number", 13, "Surface level required vs reference level [m]:   high", 13},
        {"nan", 35, "Time for consolidationperiod [days] : nan", 35},
        {"number beyond a Single", 44,
         "Coefficient of consolidation for horizontal flow of porewater [m2/s] : 1E+39", 44},
        {"text after a number", 68, "Setttlement after 10 days [m] : .215 m", 68},
        {"no colon", 18, "Soil mass of fill 1.9", 18},
        {"comma in a value", 16, "Settlement time [days]:   10,000", 16},
        {"no method line", 10, "", 10},
        {"other method's heading", 27, "Depth\tSoilmasswet\tCr\te0\tCc\tec\tPc\tCalpha", 27},
        {"seven numbers", 31, "-8.00\t1.75\t\t20.0000\t120.0000\t260.0000\t60.0000\t48.00", 31},
        {"nine numbers", 30, "-3.50\t1.40\t\t12.5\t55\t410\t90\t22.50\t0.0050\t1", 30},
        {"a letter in a row", 30, "-3.50\t1.40\t\t12.5\t55\t410\tx\t22.50\t0.0050", 30},
        {"rows out of order", 49, " 2\t\t2.50E-08\t0.00E+00\t3.10E-08", 49},
        {"three numbers", 50, " 2\t\t4.15E-08\t1.20E-07", 50},
        {"no section 2", 33, "INPUT PARAMETERS CONSOLIDATION", 33},
        {"project label", 4, "Projekt: Dike", 4},
        {"program label", 1, "KORVEX", 1},
        {"an observation file", 0, test::fileBytes(dataPath("observations/observation_file.obs")),
         4},
        {"empty", 0, "", 1},
        {"random bytes", 0, random, 1},
    };
    for (const Case& c : cases) {
        BusySession b;
        std::string bytes = c.text;
        if (c.line > 0) {
            std::vector<std::string> lines = dikeLines();
            lines.at(static_cast<std::size_t>(c.line - 1)) = c.text;
            bytes = textFileBytes(lines);
        }
        const std::string path = b.dir.file("bad.prj");
        test::writeBytes(path, bytes);
        const auto& messages = b.open(path);
        ASSERT_EQ(messages.size(), 1u) << c.name;
        EXPECT_NE(messages[0].text.find(path), std::string::npos) << c.name;
        EXPECT_NE(messages[0].text.find("line " + std::to_string(c.refusedLine) + ","),
                  std::string::npos)
            << c.name << ": " << messages[0].text;
        EXPECT_EQ(messages[0].caption, "Korvex Open file") << c.name;
        EXPECT_TRUE(b.unchanged()) << c.name;
    }
}

// A value is read only under its writer's label at its place, and a refusal names the problem.
TEST(ProjectFileReader, AValueIsReadOnlyUnderItsLabelAndARefusalNamesTheProblem) {
    const std::vector<std::string> golden = dikeLines();
    struct Case {
        std::vector<std::pair<int, std::string>> lines;
        const char* refusal; // empty when the file opens
    };
    const Case cases[] = {
        // The two levels swapped would trade places.
        {{{12, golden[12]}, {13, golden[11]}},
         "line 12, \"Original groundlevel vs reference level [m]:\" expected"},
        {{{13, golden[11]}},
         "line 13, \"Surface level required vs reference level [m]:\" expected"},
        {{{36, "Drain diameter [m] : .066"}}, "line 36, \"Draindiameter [m] :\" expected"},
        {{{68, "Settlement after 10 days [m] : .215"}},
         "line 68, \"Setttlement after 10 days [m] :\" expected"},
        {{{36, "Draindiameter [m] : .065 m"}}, "line 36, text after the number"},
        {{{36, "Draindiameter [m] : 1d2"}}, "line 36, text after the number"},
        {{{16, "Settlement time [days]:   10,000"}}, "line 16, text after the number"},
        {{{44, "Coefficient of consolidation for horizontal flow of porewater [m2/s] : 1E+39"}},
         "line 44, the number is out of range"},
        {{{30, "-3.50\t1.40\t\t12.5\t55\t410\t1e39\t22.50\t0.0050"}},
         "line 30, the number is out of range (layer 1 of section 1)"},
        {{{33, "2.   INPUT PARAMETERS SETTLEMENT"}}, "line 33, the title of section 2 expected"},
        // Other capitals and other blanks around a label are the same label.
        {{{36, "  DRAINDIAMETER [M] :\t.066"},
          {9, "1. Input parameters for settlement calculation"}},
         ""},
    };
    for (const Case& c : cases) {
        BusySession b;
        std::vector<std::string> lines = golden;
        for (const auto& [line, text] : c.lines) {
            lines.at(static_cast<std::size_t>(line - 1)) = text;
        }
        const std::string path = b.dir.file("edited.prj");
        test::writeBytes(path, textFileBytes(lines));
        const std::string message = b.open(path).at(0).text;
        if (*c.refusal == '\0') {
            EXPECT_EQ(message, "The opened File is:  " + path);
            EXPECT_EQ(b.t.state().DrainDiameter, 0.066f);
            continue;
        }
        EXPECT_EQ(message, "The file " + path + " cannot be read as a project file: " + c.refusal +
                               ". Nothing was changed.");
        EXPECT_TRUE(b.unchanged()) << c.refusal;
    }
}

#if defined(__linux__) && !defined(__SANITIZE_ADDRESS__)
// Holds the process to `extra` bytes of address space beyond what it uses now, while it lives.
// (AddressSanitizer reserves its shadow memory up front and cannot run under such a limit.)
class AddressSpaceLimit {
public:
    explicit AddressSpaceLimit(std::size_t extra) {
        getrlimit(RLIMIT_AS, &before_);
        std::ifstream statm("/proc/self/statm");
        std::size_t pages = 0;
        statm >> pages;
        rlimit limit = before_;
        limit.rlim_cur = pages * static_cast<std::size_t>(sysconf(_SC_PAGESIZE)) + extra;
        setrlimit(RLIMIT_AS, &limit);
    }
    ~AddressSpaceLimit() { setrlimit(RLIMIT_AS, &before_); }
    AddressSpaceLimit(const AddressSpaceLimit&) = delete;
    AddressSpaceLimit& operator=(const AddressSpaceLimit&) = delete;

private:
    rlimit before_{};
};

// What follows the last line read is never split: a project followed by 16 MB of empty lines
// opens with little more memory than the file's bytes (splitting them took over 500 MB).
TEST(ProjectFileReader, WhatFollowsTheLastLineReadIsNotSplit) {
    BusySession b;
    const std::string path = b.dir.file("long.prj");
    test::writeBytes(path, test::fileBytes(kDikeFile) + std::string(16 << 20, '\n'));
    std::string message;
    {
        const AddressSpaceLimit limit(64 << 20);
        message = b.open(path).at(0).text;
    }
    EXPECT_EQ(message, "The opened File is:  " + path);
    EXPECT_EQ(b.t.state().S10000Cons, 0.94f);
}
#endif

TEST(ProjectFileReader, AFileCutBeforeItsLastLineReadIsRefusedAndAfterItReadsWhole) {
    const std::vector<std::string> lines = dikeLines();
    for (std::size_t kept = 0; kept <= lines.size(); ++kept) {
        BusySession b;
        const std::string path = b.dir.file("cut.prj");
        test::writeBytes(path,
                         textFileBytes({lines.begin(), lines.begin() + static_cast<long>(kept)}));
        const std::string message = b.open(path).at(0).text;
        if (kept < kLastLineRead) {
            EXPECT_NE(message.find("line " + std::to_string(kept + 1) +
                                   ", the file ends before this line"),
                      std::string::npos)
                << kept << ": " << message;
            EXPECT_TRUE(b.unchanged()) << kept;
        } else {
            EXPECT_EQ(message, "The opened File is:  " + path) << kept;
            EXPECT_EQ(b.t.state().S10000Cons, 0.94f) << kept;
        }
    }
}

// A changed file is refused with nothing changed, or read whole: the layer count and the rows
// then agree.
TEST(ProjectFileReader, MutatedFilesAreRefusedOrReadWhole) {
    const std::vector<std::string> golden = dikeLines();
    const char* pieces[] = {"nan", "inf", "-3", "0", "21", "1e40", "2.5", "7", ",", "\t", "1."};
    std::mt19937 generator(2020);
    auto pick = [&generator](std::size_t n) { return generator() % n; };
    int read = 0;
    for (int round = 0; round < 300; ++round) {
        std::vector<std::string> lines = golden;
        const std::size_t line = pick(lines.size());
        switch (round % 4) {
        case 0:
            lines[line].replace(pick(lines[line].size() + 1) / 2, 2, pieces[pick(11)]);
            break;
        case 1:
            std::swap(lines[line], lines[pick(lines.size())]);
            break;
        }
        std::string bytes = textFileBytes(lines);
        if (round % 4 == 2) {
            // The bit is drawn before the byte: each seed keeps flipping the bit it always flipped.
            const std::size_t bit = pick(8);
            char& flipped = bytes[pick(bytes.size())];
            flipped = static_cast<char>(flipped ^ (1 << bit));
        } else if (round % 4 == 3) {
            bytes.resize(pick(bytes.size()));
        }
        BusySession b;
        const std::string path = b.dir.file("mutated.prj");
        test::writeBytes(path, bytes);
        const auto& messages = b.open(path);
        ASSERT_EQ(messages.size(), 1u) << round;
        if (messages[0].style == vbExclamation) {
            EXPECT_TRUE(b.unchanged()) << round << ": " << messages[0].text;
            continue;
        }
        ++read;
        const Module1& st = b.t.state();
        ASSERT_TRUE(st.NLayers >= 0 && st.NLayers <= 20) << round;
        EXPECT_TRUE(st.Method == 1 || st.Method == 2) << round;
        EXPECT_EQ(st.FileName, path) << round;
        const Form1& f1 = *b.t.windows().find<Form1>();
        for (int i = 1; i <= Form1::kLayerRows; ++i) {
            EXPECT_EQ(f1.Fg1.TextMatrix(i, 1).empty(), i > st.NLayers) << round << " row " << i;
        }
    }
    EXPECT_GT(read, 20);
}

// Cancel ends the command, also after an earlier choice; a file that cannot be read says so.
TEST(ProjectFileReader, CancelAndAMissingFileChangeNothing) {
    BusySession b;
    b.open(kDikeFile);
    b.t.windows().show<Form7>();
    b.before = b.t.state();
    b.windowsBefore = test::windowTexts(b.t);
    b.t.desktop.messages.clear();
    openProjectFile(b.t.app);
    EXPECT_EQ(b.t.desktop.openRequests.back().fileName, "");
    EXPECT_TRUE(b.t.desktop.messages.empty());
    const std::string missing = b.dir.file("missing.prj");
    const auto& messages = b.open(missing);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_NE(messages[0].text.find(missing), std::string::npos);
    EXPECT_TRUE(b.unchanged());
}

} // namespace
} // namespace korvex
