#include "app/save_to_file.h"

// fake_desktop.h includes the registry inside its namespace: the registry comes first.
#include "app/window_registry.h"
#include "support/fake_desktop.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace korvex::test {
namespace {

const FileDialogRequest kDialog{"Save", "All Files (*.*)|*.*", 1, ""};

struct SaveRun {
    FakeDesktop& desktop;
    std::vector<std::string> events;

    std::optional<std::string> save(FileDialogRequest dialog, std::string bytes) {
        return saveToChosenFile(
            desktop, std::move(dialog),
            [&](const std::string& path) { events.push_back("step " + path); },
            [this, bytes = std::move(bytes)] {
                events.push_back("content");
                return bytes;
            });
    }
};

TEST(SaveToFile, CancelEndsTheCommandEvenAfterAnEarlierChoice) {
    TempFolder folder;
    const std::string path = folder.file("project.txt");
    FakeDesktop desktop;
    SaveRun run{desktop, {}};

    desktop.saveAnswers = {path};
    EXPECT_EQ(run.save(kDialog, "first\r\n"), path);
    EXPECT_EQ(run.events, (std::vector<std::string>{"step " + path, "content"}));

    // The window offers the name chosen before; the user cancels, or confirms no name at all.
    FileDialogRequest again = kDialog;
    again.fileName = path;
    desktop.saveAnswers = {std::nullopt, std::string()};
    EXPECT_EQ(run.save(again, "second\r\n"), std::nullopt);
    EXPECT_EQ(run.save(again, "second\r\n"), std::nullopt);

    EXPECT_EQ(fileBytes(path), "first\r\n");
    EXPECT_EQ(run.events.size(), 2u);
    EXPECT_TRUE(desktop.messages.empty());
    EXPECT_TRUE(desktop.questions.empty());
    ASSERT_EQ(desktop.saveRequests.size(), 3u);
    EXPECT_EQ(desktop.saveRequests[1].fileName, path);
    // The dialog itself never asks about replacing: the helper does, once.
    for (const auto& request : desktop.saveRequests) {
        EXPECT_EQ(request.title, "Save");
        EXPECT_EQ(request.filter, "All Files (*.*)|*.*");
        EXPECT_FALSE(request.confirmReplace);
    }
}

TEST(SaveToFile, AnExistingFileIsReplacedOnlyAfterYes) {
    TempFolder folder;
    const std::string path = folder.file("listing.txt");
    writeBytes(path, "old\r\n");
    FakeDesktop desktop;
    SaveRun run{desktop, {}};

    desktop.saveAnswers = {path, path};
    desktop.yesNoAnswers = {false, true};
    EXPECT_EQ(run.save(kDialog, "new\r\n"), std::nullopt);
    EXPECT_EQ(fileBytes(path), "old\r\n");
    EXPECT_TRUE(run.events.empty());

    EXPECT_EQ(run.save(kDialog, "new\r\n"), path);
    EXPECT_EQ(fileBytes(path), "new\r\n");
    EXPECT_EQ(run.events, (std::vector<std::string>{"step " + path, "content"}));
    ASSERT_EQ(desktop.questions.size(), 2u);
    EXPECT_NE(desktop.questions[0].text.find(path), std::string::npos);
}

TEST(SaveToFile, AFailureIsShownWithTheFileAndItsReason) {
    TempFolder folder;
    const std::string unwritable = folder.file("no such folder/project.txt");
    const std::string writable = folder.file("report.pdf");
    FakeDesktop desktop;
    desktop.saveAnswers = {unwritable, writable};

    EXPECT_EQ(saveToChosenFile(desktop, kDialog, nullptr, [] { return std::string("x"); }),
              std::nullopt);
    EXPECT_EQ(saveToChosenFile(
                  desktop, kDialog, nullptr,
                  []() -> std::string { throw std::runtime_error("the pages could not be made"); }),
              std::nullopt);

    ASSERT_EQ(desktop.messages.size(), 2u);
    EXPECT_EQ(desktop.messages[0].text,
              "The file " + unwritable + " could not be written: No such file or directory.");
    EXPECT_EQ(desktop.messages[1].text,
              "The file " + writable + " could not be written: the pages could not be made.");
    EXPECT_EQ(desktop.messages[0].style, vbExclamation);
    EXPECT_EQ(folder.names(), std::vector<std::string>{});
}

TEST(SaveToFile, ANameTypedWithoutAnExtensionGetsTheChosenFiltersOne) {
    struct Case {
        const char *path, *pattern, *expected;
    };
    const Case cases[] = {
        {"/d/readings", "*.obs", "/d/readings.obs"},
        {"/d/readings.obs", "*.obs", "/d/readings.obs"},
        {"/d/readings.txt", "*.obs", "/d/readings.txt"},
        // A dot in a folder is no extension of the name.
        {"/d/site.2/readings", "*.pdf", "/d/site.2/readings.pdf"},
        {"/d/readings", "*.txt;*.lst", "/d/readings.txt"},
        // "All Files" and patterns that name no single extension.
        {"/d/readings", "*.*", "/d/readings"},
        {"/d/readings", "*", "/d/readings"},
        {"/d/readings", "*.t?t", "/d/readings"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.path) + " " + c.pattern);
        EXPECT_EQ(withFilterExtension(c.path, c.pattern), c.expected);
    }
}

} // namespace
} // namespace korvex::test
