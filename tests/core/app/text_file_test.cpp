#include "app/text_file.h"

#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace korvex::test {
namespace {

TEST(TextFile, IsWrittenInWindows1252WithCrLfAndReadsBack) {
    TempFolder folder;
    const std::string path = folder.file("site.txt");
    writeTextFile(path, {
                            "Project: Dijk 3",
                            "Gr\u00fc\u00dfe \u00e9",    // in the code page: FC DF, E9
                            "\u20ac 5",                  // the euro sign is byte 80
                            "\u65e5 \u0394",             // outside it: a CJK letter, a Greek Delta
                            "line one\r\nline two\nend", // a box typed with several lines
                            "\tTAB",
                            "",
                        });
    const std::string expected = "Project: Dijk 3\r\n"
                                 "Gr\xFC\xDF"
                                 "e \xE9\r\n"
                                 "\x80 5\r\n"
                                 "? ?\r\n"
                                 "line one line two end\r\n"
                                 "\tTAB\r\n"
                                 "\r\n";
    EXPECT_EQ(fileBytes(path), expected);
    const std::vector<std::string> read = readTextFile(path);
    const std::vector<std::string> lines = {"Project: Dijk 3",
                                            "Gr\u00fc\u00dfe \u00e9",
                                            "\u20ac 5",
                                            "? ?",
                                            "line one line two end",
                                            "\tTAB",
                                            ""};
    EXPECT_EQ(read, lines);
    // The new file took the place of nothing else: no leftover beside it.
    EXPECT_EQ(folder.names(), std::vector<std::string>{"site.txt"});
}

TEST(TextFile, ReadsEveryKindOfLineEndAlike) {
    const std::vector<std::string> expected = {"a", "", "b\xC3\xA9"};
    for (const char* bytes :
         {"a\r\n\r\nb\xE9\r\n", "a\n\nb\xE9\n", "a\r\rb\xE9\r", "a\r\n\nb\xE9"}) {
        EXPECT_EQ(textFileLines(bytes), expected) << bytes;
    }
    EXPECT_TRUE(textFileLines("").empty());
}

TEST(TextFile, AFailedWriteLeavesTheExistingFileByteForByte) {
    TempFolder folder;
    const std::string path = folder.file("project.txt");
    const std::string original = "old line\r\n";
    struct Case {
        const char* what;
        ScopedWriteFault (*fault)();
    };
    const Case cases[] = {
        {"part way", [] { return ScopedWriteFault::afterBytes(5); }},
        {"before the rename", [] { return ScopedWriteFault::beforeRename(); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        writeBytes(path, original);
        const ScopedWriteFault fault = c.fault();
        try {
            writeTextFile(path, {"a new and longer line", "and another"});
            ADD_FAILURE() << "the write did not fail";
        } catch (const FileError& error) {
            EXPECT_NE(std::string(error.what()).find(path), std::string::npos) << error.what();
        }
        EXPECT_EQ(fileBytes(path), original);
        EXPECT_EQ(folder.names(), std::vector<std::string>{"project.txt"});
    }
    // Without the fault the same write replaces the file.
    writeTextFile(path, {"new"});
    EXPECT_EQ(fileBytes(path), "new\r\n");
}

TEST(TextFile, AFileThatCannotBeWrittenOrReadIsNamed) {
    TempFolder folder;
    const std::string readOnly = folder.file("protected.txt");
    writeBytes(readOnly, "kept\r\n");
    std::filesystem::permissions(readOnly, std::filesystem::perms::owner_read);
    const std::string noFolder = folder.file("missing/x.txt");
    for (const std::string& path : {readOnly, noFolder, folder.path().string()}) {
        try {
            writeTextFile(path, {"x"});
            ADD_FAILURE() << "wrote " << path;
        } catch (const FileError& error) {
            EXPECT_NE(std::string(error.what()).find(path), std::string::npos) << error.what();
        }
    }
    EXPECT_EQ(fileBytes(readOnly), "kept\r\n");
    EXPECT_THROW(readTextFile(noFolder), FileError);
    EXPECT_THROW(readTextFile(folder.path().string()), FileError);
}

} // namespace
} // namespace korvex::test
