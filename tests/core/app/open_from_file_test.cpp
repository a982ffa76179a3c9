#include "app/open_from_file.h"

// fake_desktop.h includes the registry inside its namespace: the registry comes first.
#include "app/window_registry.h"
#include "support/fake_desktop.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <functional>
#include <new>
#include <stdexcept>

namespace korvex::test {
namespace {

// Whatever stops the reading, lack of memory included, is a refusal of the file: apply never runs
// and the program goes on. The name is remembered for the next dialog all the same.
TEST(OpenFromFile, EveryFailureOfTheReadingIsARefusalThatAppliesNothing) {
    TempFolder folder;
    const std::string path = folder.file("site.txt");
    writeBytes(path, "line 1\r\n");
    const std::string refused = "The file " + path + " cannot be read as a site file: ";
    struct Case {
        std::function<void()> reading;
        std::string message; // empty when the file is applied
    };
    const Case cases[] = {
        {[] {}, ""},
        {[] { throw FileLineRefusal(7, "a number expected"); },
         refused + "line 7, a number expected. Nothing was changed."},
        {[] { throw std::bad_alloc(); },
         refused + "there is not enough memory to read it. Nothing was changed."},
        {[] { throw std::out_of_range("row 101 of 100"); },
         refused + "row 101 of 100. Nothing was changed."},
    };
    for (const Case& c : cases) {
        FakeDesktop desktop;
        desktop.openAnswers = {path};
        std::string events;
        const bool applied = openChosenFile(
            desktop, {"Open", "All Files (*.*)|*.*", 1, ""}, "Open file", "a site file",
            [&](const std::string& chosen) { events += "chosen " + chosen + ";"; },
            [&](std::string_view bytes) {
                events += "read " + std::string(bytes.substr(0, 6)) + ";";
                c.reading();
            },
            [&](const std::string&) { events += "applied;"; });
        EXPECT_EQ(applied, c.message.empty()) << c.message;
        EXPECT_EQ(events, "chosen " + path + ";read line 1;" + (applied ? "applied;" : ""));
        EXPECT_EQ(desktop.messageTexts(), c.message.empty() ? std::vector<std::string>{}
                                                            : std::vector<std::string>{c.message});
    }
}

} // namespace
} // namespace korvex::test
