#include "app/application.h"
#include "consolidation/form4_consolidation_input.h"
#include "support/test_app.h"

#include <gtest/gtest.h>

namespace korvex {
namespace {

using test::TestApp;

// A window that counts its loads, to see that a window exists at most once.
class CountingWindow : public WindowModel {
public:
    static constexpr const char* kName = "Counting";
    explicit CountingWindow(Application& app) : WindowModel(app) {}
    std::string_view windowName() const override { return kName; }
    void Form_Load() override { ++loads; }
    void Form_Unload() override { ++*unloads; }
    int loads = 0;
    int* unloads = nullptr;
    std::string Text1;
};

TEST(WindowRegistry, AWindowExistsAtMostOnce) {
    TestApp t;
    int unloads = 0;
    CountingWindow& first = t.windows().load<CountingWindow>();
    first.unloads = &unloads;
    CountingWindow& second = t.windows().show<CountingWindow>();
    t.windows().show<CountingWindow>();
    EXPECT_EQ(&first, &second);
    EXPECT_EQ(first.loads, 1);
    EXPECT_EQ(t.host.shown, (std::vector<std::string>{"Counting", "Counting"}));
    t.windows().unload<CountingWindow>();
    EXPECT_EQ(unloads, 1);
    EXPECT_FALSE(t.windows().isLoaded("Counting"));
}

TEST(WindowRegistry, WritingABoxOfAnUnloadedWindowLoadsItHiddenFirst) {
    TestApp t;
    t.state().NLayers = 0;
    Form4& form = t.windows().load<Form4>();
    // Loading ran first: the box holds the start-up text, which the write then replaces.
    EXPECT_EQ(form.Text5, "1");
    form.Text5 = "0.25";
    EXPECT_TRUE(t.host.shown.empty());
    EXPECT_EQ(t.windows().load<Form4>().Text5, "0.25");
}

TEST(WindowRegistry, ClosingAWindowDropsItsFields) {
    TestApp t;
    t.windows().load<Form4>().Text1 = "0.5";
    t.windows().unload<Form4>();
    EXPECT_EQ(t.windows().load<Form4>().Text1, "0.9");
}

TEST(WindowRegistry, AWindowUnloadedByItsOwnHandlerStaysValidUntilReleased) {
    TestApp t;
    Form4& form = t.windows().load<Form4>();
    form.Command3_Click();
    EXPECT_FALSE(t.windows().isAlive(&form));
    // The handler's object is still there for the rest of the event.
    EXPECT_EQ(form.Caption, "Input Consolidation and Vertical drains");
    t.windows().releaseUnloaded();
}

TEST(WindowRegistry, ByNameOnlyWhenModelAndViewExist) {
    TestApp t;
    EXPECT_FALSE(t.windows().canShowByName("Counting"));
    EXPECT_FALSE(t.windows().showByName("Counting"));
    t.windows().registerModel<CountingWindow>();
    EXPECT_TRUE(t.windows().canShowByName("Counting"));
    EXPECT_TRUE(t.windows().showByName("Counting"));
    EXPECT_TRUE(t.windows().isLoaded("Counting"));
    t.host.withoutView = {"Counting"};
    EXPECT_FALSE(t.windows().canShowByName("Counting"));
}

// Every window that is built, in the order a session might open them.
const char* const kBuiltWindows[] = {"frmMain", "frmAbout", "Form1",  "Form3",  "Form2",
                                     "Form8",   "Form9",    "Form16", "Form17", "Form4",
                                     "Form5",   "Form6",    "Form7",  "Form15", "Form10",
                                     "Form11",  "Form12",   "Form13", "Form14", "Form18"};

TEST(WindowRegistry, EveryBuiltWindowOpensByName) {
    TestApp t;
    for (const char* name : kBuiltWindows) {
        EXPECT_TRUE(t.windows().showByName(name)) << name;
    }
}

TEST(WindowRegistry, AReplacedProjectClosesEveryResultWindow) {
    TestApp t;
    for (const char* name : kBuiltWindows) {
        t.windows().showByName(name);
    }
    t.windows().announce(ResultsEvent::ProjectReplaced);
    std::vector<std::string> open;
    for (const WindowModel* model : t.windows().loadedInOrder()) {
        open.emplace_back(model->windowName());
    }
    // The observations and the predictions kept with them are the plate's: Form14 stays.
    EXPECT_EQ(open, (std::vector<std::string>{"frmMain", "frmAbout", "Form1", "Form16", "Form17",
                                              "Form4", "Form10", "Form13", "Form14", "Form18"}));
}

TEST(Application, AnErrorInAHandlerIsShownNotFatal) {
    TestApp t;
    t.app.runHandler([&] { t.state().LDepth(25) = 1.0f; });
    ASSERT_EQ(t.desktop.messages.size(), 1u);
    EXPECT_NE(t.desktop.messages[0].text.find("Subscript out of range"), std::string::npos);
    EXPECT_EQ(t.desktop.messages[0].style, vbExclamation);
}

} // namespace
} // namespace korvex
