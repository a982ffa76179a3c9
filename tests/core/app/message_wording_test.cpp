#include "core/preload/preload_site.h"
#include "observations/form13_observations.h"
#include "project/project_file_reader.h"
#include "project/project_file_writer.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>

namespace korvex::test {
namespace {

std::string lastMessage(const TestApp& t) {
    return t.desktop.messages.empty() ? std::string() : t.desktop.messages.back().text;
}

// A message of the program's own wording is a sentence: it ends with one full stop, also where it
// is assembled from a reason written elsewhere.
TEST(MessageWording, EveryOwnRefusalEndsWithOneFullStop) {
    struct Case {
        const char* name;
        std::function<std::string(TempFolder&)> shown;
    };
    const Case cases[] = {
        {"a box of the settlement input",
         [](TempFolder&) {
             TestApp t;
             SiteInput site = softBjerrumSite();
             site.surface = "1,5";
             loadSite(t, site).Command1_Click();
             return lastMessage(t);
         }},
        {"a fit over the layers",
         [](TempFolder&) {
             TestApp t;
             SiteInput site = softBjerrumSite();
             site.rows[0][1] = "x";
             loadSite(t, site).Command6_Click();
             return lastMessage(t);
         }},
        {"the consolidation input",
         [](TempFolder&) {
             PreloadSite site;
             Form4& form = site.t.windows().load<Form4>();
             form.Text1 = "2";
             form.Command1_Click();
             return lastMessage(site.t);
         }},
        {"the drained flag of the preload",
         [](TempFolder&) {
             PreloadSite site;
             site.window().Fg8.setTextMatrix(1, 2, "2");
             site.calculate();
             return lastMessage(site.t);
         }},
        {"a project file",
         [](TempFolder& folder) {
             TestApp t;
             writeBytes(folder.file("a.prj"), "no project\r\n");
             t.desktop.openAnswers.emplace_back(folder.file("a.prj"));
             openProjectFile(t.app);
             return lastMessage(t);
         }},
        {"an observation file",
         [](TempFolder& folder) {
             TestApp t;
             writeBytes(folder.file("a.obs"), "no observations\r\n");
             t.desktop.openAnswers.emplace_back(folder.file("a.obs"));
             t.windows().load<Form13>().openmnu_Click();
             return lastMessage(t);
         }},
        {"a file that is not there",
         [](TempFolder& folder) {
             TestApp t;
             t.desktop.openAnswers.emplace_back(folder.file("missing.prj"));
             openProjectFile(t.app);
             return lastMessage(t);
         }},
        {"a project value no file can hold",
         [](TempFolder& folder) {
             TestApp t;
             t.state().Method = 1;
             t.state().NLayers = 1;
             t.state().Cc(1) = NAN;
             t.desktop.saveAnswers.emplace_back(folder.file("b.prj"));
             saveProjectFile(t.app);
             return lastMessage(t);
         }},
        {"a failure without a text",
         [](TempFolder&) {
             TestApp t;
             t.app.runHandler([] { throw 0; });
             return lastMessage(t);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempFolder folder;
        const std::string text = c.shown(folder);
        ASSERT_FALSE(text.empty());
        EXPECT_EQ(text.back(), '.') << text;
        EXPECT_EQ(text.find(".."), std::string::npos) << text;
    }
}

} // namespace
} // namespace korvex::test
