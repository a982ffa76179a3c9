// Results belong to the inputs they were calculated from: a new settlement or consolidation
// calculation, or the other method, leaves nothing further down the chain that was calculated
// before.

#include "app/text_file.h"
#include "core/preload/preload_site.h"
#include "core/project/project_outputs.h"
#include "program/frm_main.h"
#include "report/settlement_report_labels.h"
#include "support/same_lines.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

namespace korvex::test {
namespace {

void chooseMethod(TestApp& t, Integer method) {
    frmMain& main = t.windows().load<frmMain>();
    main.mnuInputSett_Click();
    if (method == 1) {
        main.MnuBjerrum_Click();
    } else {
        main.MnuKoppejan_Click();
    }
}

// The consolidation with the drain diameter typed.
void calculateConsolidation(TestApp& t, const char* drainDiameter) {
    Form4& form = t.windows().load<Form4>();
    form.Text3 = drainDiameter;
    form.Command1_Click();
}

// The lines of an output from the title of section 3 on: the results. The sections before show
// the inputs as they reached the state.
std::vector<std::string> results(const std::vector<std::string>& lines) {
    const std::string title = "3.   " + std::string(report::kSection3Title);
    const auto section3 = std::find(lines.begin(), lines.end(), title);
    EXPECT_NE(section3, lines.end());
    return {section3, lines.end()};
}

// A site calculated for settlement, consolidation and preload, then one input changed and only the
// named calculation or choice made, shows, prints and saves from section 3 on what a program just
// started shows that is given the same inputs and only the calculations that follow the change.
TEST(ResultsChain, ResultsFurtherDownTheChainGoWithAChangeAndOnlyThoseMadeSinceShow) {
    struct Sequence {
        const char* name;
        std::function<void(TestApp& used)> change;
        std::function<void(TestApp& fresh, const Module1& used)> fresh;
    };
    // Each of these sites differs from the one calculated in one input.
    SiteInput required = twoLayerPreloadSite();
    required.required = "1.5";
    SiteInput layer = twoLayerPreloadSite();
    layer.rows[1][4] = "0.5";
    SiteInput watertable = twoLayerPreloadSite();
    watertable.newWatertable = "-1.5";
    SiteInput dry = twoLayerPreloadSite();
    dry.submergence = false;
    // Typed into the settlement input window and calculated, in the used program or a fresh one.
    const auto settlementsOf = [](const SiteInput& site) {
        return [site](TestApp& t, auto&&...) { loadSite(t, site).Command1_Click(); };
    };
    const auto koppejan = [](TestApp& t, auto&&...) {
        chooseMethod(t, 2);
        loadSite(t, softKoppejanSite()).Command1_Click();
    };
    const Sequence sequences[] = {
        {"surface level required", settlementsOf(required), settlementsOf(required)},
        {"a layer's Cc", settlementsOf(layer), settlementsOf(layer)},
        {"new water table", settlementsOf(watertable), settlementsOf(watertable)},
        {"submergence off", settlementsOf(dry), settlementsOf(dry)},
        {"Terzaghi-Koppejan calculated", koppejan, koppejan},
        {"drain diameter", [](TestApp& t) { calculateConsolidation(t, "0.2"); },
         [](TestApp& fresh, const Module1&) {
             loadSite(fresh, twoLayerPreloadSite()).Command1_Click();
             calculateConsolidation(fresh, "0.2");
         }},
        // Nothing is calculated after the choice: the fresh program holds the inputs as they
        // reached the state.
        {"Terzaghi-Koppejan chosen", [](TestApp& t) { chooseMethod(t, 2); },
         [](TestApp& fresh, const Module1& used) {
             static_cast<SettlementInput&>(fresh.state()) = used;
             chooseMethod(fresh, 2);
         }},
        // The method of the results: nothing changes.
        {"Terzaghi-Bjerrum chosen again", [](TestApp& t) { chooseMethod(t, 1); },
         [](TestApp& fresh, const Module1&) {
             loadSite(fresh, twoLayerPreloadSite()).Command1_Click();
             fresh.windows().load<Form4>().Command1_Click();
             fresh.windows().load<Form10>().Command2_Click();
         }},
    };
    for (const Sequence& s : sequences) {
        SCOPED_TRACE(s.name);
        TempFolder folder;
        PreloadSite used;
        ASSERT_TRUE(used.calculate());
        s.change(used.t);
        TestApp fresh;
        s.fresh(fresh, used.state());

        const ProjectOutputs actual = projectOutputs(used.t, folder.file("used.prj"));
        const ProjectOutputs expected = projectOutputs(fresh, folder.file("fresh.prj"));
        EXPECT_TRUE(sameLines(results(actual.listing), results(expected.listing)));
        EXPECT_TRUE(sameLines(results(actual.printout), results(expected.printout)));
        EXPECT_TRUE(
            sameLines(results(textFileLines(actual.file)), results(textFileLines(expected.file))));
    }
}

} // namespace
} // namespace korvex::test
