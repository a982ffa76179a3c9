#include "app/number_text.h"
#include "preload_site.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace korvex::test {
namespace {

// What the preload writes, to see that a refused Calculate changed none of it.
std::vector<float> preloadResults(const Module1& st) {
    std::vector<float> v = {st.SpacingTriPre,     st.DrainZonePre, st.FnPre,
                            st.RestSettlementPre, st.SRemoveLevel, static_cast<float>(st.Method)};
    for (int i = 1; i <= 20; ++i) {
        v.insert(v.end(), {static_cast<float>(st.Drained(i)), st.ChExtraFill(i), st.CvExtraFill(i),
                           st.ExtraFill(i), st.LoadPre10(i), st.SettlementPre10000(i)});
    }
    for (int c = 1; c <= 6; ++c) {
        v.push_back(st.TRemove(c));
        for (int t = 1; t <= 16; ++t) {
            v.insert(v.end(), {st.SPreloadTotal(t, c), st.SPreloadHor(t, c)});
        }
    }
    return v;
}

TEST(PreloadRefusals, EachNamesItsFieldAndChangesNothing) {
    struct Case {
        const char* name;
        std::function<void(Form10&, Module1&)> enter;
        const char* message;
    };
    const Case cases[] = {
        {"spacing 0", [](Form10& f, Module1&) { f.Text3 = "0"; },
         "The Calculated Drainspacing Triangular based on average Ch-value (m) must be a number "
         "greater than 0."},
        {"drain zone inside the drain", [](Form10& f, Module1&) { f.Text3 = "0.05"; },
         "The drain zone, 1.05 x the Calculated Drainspacing Triangular based on average Ch-value "
         "(m), must be larger than the Equivalent draindiameter [m] (0.065 m)."},
        {"Ch 0", [](Form10& f, Module1&) { f.Fg8.setTextMatrix(2, 1, "0"); },
         "The Ch(i) of layer 2 must be a number greater than 0."},
        {"text after the number of a cell",
         [](Form10& f, Module1&) { f.Fg8.setTextMatrix(1, 1, "1E-07m"); },
         "Text after the number in layer 1, column \"Ch(i)\"; the decimal symbol is a point (.); "
         "correct the input."},
        {"empty Ch cell", [](Form10& f, Module1&) { f.Fg8.setTextMatrix(2, 1, ""); },
         "The Ch(i) of layer 2 must be a number greater than 0."},
        {"text in a box", [](Form10& f, Module1&) { f.Text2 = "none"; },
         "No number in \"Rest Settlement (m):\"; correct the input."},
        {"Cv 0 of a rest layer",
         [](Form10& f, Module1& st) {
             f.Fg8.setTextMatrix(2, 2, "0");
             st.Cv(2) = 0.0f;
         },
         "The Cv(i) of layer 2 under the drain depth must be greater than 0; please give it in the "
         "consolidation input and calculate the consolidation."},
        {"flag 2", [](Form10& f, Module1&) { f.Fg8.setTextMatrix(1, 2, "2"); },
         "Drained 1/0 of layer 1 must be 0 or 1."},
        {"flag 0.5", [](Form10& f, Module1&) { f.Fg8.setTextMatrix(2, 2, "0.5"); },
         "Drained 1/0 of layer 2 must be 0 or 1."},
        {"empty flag", [](Form10& f, Module1&) { f.Fg8.setTextMatrix(2, 2, ""); },
         "Drained 1/0 of layer 2 must be 0 or 1."},
        {"rest layers without thickness",
         [](Form10& f, Module1& st) {
             f.Fg8.setTextMatrix(2, 2, "0");
             st.LThickness(2) = 0.0f;
         },
         "The layers under the drain depth (Drained 1/0 = 0) have no thickness; please check the "
         "layer depths."},
        {"negative increment", [](Form10& f, Module1&) { f.Text1 = "-0.5"; },
         "The Increment Extra Fill Thickness (m) must be a number of 0 or more."},
        {"negative rest settlement", [](Form10& f, Module1&) { f.Text2 = "-0.1"; },
         "The Rest Settlement (m) must be a number of 0 or more."},
        {"time factor 0 with the end of primary at tp",
         [](Form10&, Module1& st) {
             st.ConsolidationOption4 = 1;
             st.TimeFactor = 0.0f;
         },
         "The Time factor for End of Primary [-] must be greater than 0 for the End of Primary tp "
         "for Time factor; please calculate the consolidation again."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        PreloadSite site;
        ASSERT_TRUE(site.calculate());
        Form10& form = site.window();
        c.enter(form, site.t.state());
        const std::vector<float> before = preloadResults(site.state());
        const std::string table = form.Fg9.TextMatrix(2, 3) + form.Fg8.TextMatrix(1, 1);
        site.calculate();
        ASSERT_EQ(site.t.desktop.messages.size(), 1u);
        EXPECT_EQ(site.t.desktop.messages[0].text, c.message);
        EXPECT_EQ(preloadResults(site.state()), before);
        EXPECT_EQ(form.Fg9.TextMatrix(2, 3) + form.Fg8.TextMatrix(1, 1), table);
    }
}

// The stages have written the extra-fill cases and the curves when the results are found out of
// range: the refusal must still leave every part as the Calculate before left it.
TEST(PreloadRefusals, OutOfRangeResultsLeaveTheStateAsItWas) {
    PreloadSite site;
    ASSERT_TRUE(site.calculate());
    const std::vector<float> before = preloadResults(site.state());
    // Case 2 already carries 2 x 3E+38 m of extra fill, beyond the largest Single.
    site.window().Text1 = "3E+38";
    site.calculate();
    ASSERT_EQ(site.t.desktop.messages.size(), 1u);
    EXPECT_EQ(site.t.desktop.messages[0].text,
              "The preload of these inputs is out of range; please check the increment, the drain "
              "spacing and the Ch(i) values.");
    EXPECT_EQ(preloadResults(site.state()), before);
}

TEST(PreloadRefusals, WithoutACompletedSettlementCalculation) {
    TestApp t;
    t.state().NLayers = 1;
    t.windows().load<Form10>().Command2_Click();
    ASSERT_EQ(t.desktop.messages.size(), 1u);
    EXPECT_EQ(t.desktop.messages[0].text,
              "It is not possible to calculate a preload; For a preload is necessary to make "
              "settlement calculations first.");
    EXPECT_EQ(t.state().SpacingTriPre, 0.0f);
}

// The preload builds on the completed calculations with the choices they were made with, whatever
// the menus and the input windows show afterwards.
TEST(PreloadRecordedChoices, MenusAndClosedWindowsChangeNothing) {
    auto curves = [](const Module1& st) {
        std::vector<float> v;
        for (int c = 1; c <= 6; ++c) {
            v.insert(v.end(), {st.SettlementPre10(c), st.SettlementPre10000(c),
                               st.SPreloadTotal(5, c), st.TRemove(c)});
        }
        return v;
    };
    auto calculated = [&](const SiteInput& input, bool tp,
                          const std::function<void(PreloadSite&)>& change) {
        PreloadSite site(input, tp);
        change(site);
        EXPECT_TRUE(site.calculate());
        return curves(site.state());
    };
    const SiteInput on = twoLayerPreloadSite();
    SiteInput off = on;
    off.submergence = false;
    const auto nothing = [](PreloadSite&) {};
    const auto reference = calculated(on, false, nothing);
    // Each choice matters on this site, so a preload that lost it would differ.
    ASSERT_NE(calculated(off, false, nothing), reference);
    const auto referenceAtTp = calculated(on, true, nothing);
    ASSERT_NE(referenceAtTp, reference);

    // The other method from the menu after the settlement calculation, or none: the preload
    // still runs with Terzaghi-Bjerrum, and the menu's choice stays.
    for (Integer method : {Integer{0}, Integer{2}}) {
        PreloadSite site(on);
        site.t.state().Method = method;
        ASSERT_TRUE(site.calculate());
        EXPECT_EQ(curves(site.state()), reference) << method;
        EXPECT_EQ(site.state().Method, method);
    }
    // Form1 closed and opened again shows submergence off; the calculation had it on.
    EXPECT_EQ(calculated(on, false,
                         [](PreloadSite& s) {
                             s.t.windows().unload<Form1>();
                             s.t.windows().load<Form1>();
                         }),
              reference);
    // Form4 closed after a calculation with the end of primary at tp: the preload neither reopens
    // it (which would show the default option) nor lets it write the layers' Cv.
    PreloadSite site(on, true);
    site.t.windows().unload<Form4>();
    site.t.state().Cv(1) = 0.0f;
    ASSERT_TRUE(site.calculate());
    EXPECT_EQ(site.t.windows().find<Form4>(), nullptr);
    EXPECT_EQ(site.state().Cv(1), 0.0f);
    EXPECT_EQ(curves(site.state()), referenceAtTp);
}

// An open preload window once kept the spacing and layer rows of the previous calculations, so
// its next Calculate sized the preload with a spacing that no longer held.
TEST(PreloadWindowRefill, NewResultsOrProjectRefillTheStateBoxesAndDropTheResults) {
    struct Case {
        const char* name;
        std::function<void(PreloadSite&)> event;
    };
    const Case cases[] = {
        {"settlement calculated again",
         [](PreloadSite& s) { loadSite(s.t, twoLayerPreloadSite()).Command1_Click(); }},
        {"consolidation in half the period, so with closer drains",
         [](PreloadSite& s) {
             const Single before = s.state().SpacingTri;
             Form4& consolidation = s.t.windows().load<Form4>();
             consolidation.Text2 = "182.5";
             consolidation.Command1_Click();
             ASSERT_LT(s.state().SpacingTri, before);
         }},
        {"project replaced",
         [](PreloadSite& s) { s.t.windows().announce(ResultsEvent::ProjectReplaced); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        PreloadSite site;
        Form10& form = site.window();
        ASSERT_TRUE(site.calculate());
        form.Text1 = "0.5";
        form.Text3 = "9";
        form.Fg8.setTextMatrix(1, 2, "0");
        c.event(site);
        ASSERT_EQ(site.t.windows().find<Form10>(), &form);
        EXPECT_EQ(form.Text3, num::boxText(site.state().SpacingTri));
        EXPECT_EQ(form.Fg8.TextMatrix(1, 2), "1");
        // The increment is the user's own, not taken from any calculation.
        EXPECT_EQ(form.Text1, "0.5");
        EXPECT_EQ(form.Fg9.TextMatrix(1, 0), "");
        EXPECT_FALSE(form.Graph1.sets()[0].points[0].written);
    }
}

} // namespace
} // namespace korvex::test
