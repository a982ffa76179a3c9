#include "consolidation/form4_consolidation_input.h"
#include "consolidation/form4_consolidation_input_view.h"
#include "consolidation/form5_consolidation_results_view.h"
#include "consolidation/register_views.h"
#include "gui/settlement/settlement_session.h"
#include "settlement/form1_settlement_input.h"
#include "settlement/form1_settlement_input_view.h"

#include <QPushButton>
#include <gtest/gtest.h>

namespace korvex::test {
namespace {

void click(QPushButton* button) {
    ASSERT_NE(button, nullptr);
    QTest::mouseClick(button, Qt::LeftButton);
    QApplication::processEvents();
}

// Two soft layers under a surface at 0, the water table far below, a required level of 2 m; the
// second layer ends at `bottom`, so the soil is -bottom metres thick.
void typeSite(gui::Form1View& view, const char* bottom) {
    typeBox(view.box("Text4"), "0");
    typeBox(view.box("Text5"), "-5");
    typeBox(view.box("Text15"), "-5");
    typeBox(view.box("Text7"), "2");
    typeBox(view.box("Text11"), "2");
    typeBox(view.box("Text6"), "1");
    const char* rows[2][8] = {{"-1", "1", "0", "1", "1", "0", "0", "0"},
                              {bottom, "1", "0", "1", "1", "0", "0", "0"}};
    for (int r = 1; r <= 2; ++r) {
        for (int c = 1; c <= 8; ++c) {
            typeCell(view.layerTable(), r, c, rows[r - 1][c - 1]);
        }
    }
}

TEST(ConsolidationFollowsSettlement, TheOpenInputWindowTakesEachSiteAndOldResultsClose) {
    SettlementSession s;
    gui::registerConsolidationViews(s.host);
    s.app.state().Method = 1;
    s.app.windows().show<Form1>();
    s.app.windows().show<Form4>();
    auto* settlement = s.view<gui::Form1View>("Form1");
    auto* consolidation = s.view<gui::Form4View>("Form4");
    ASSERT_NE(settlement, nullptr);
    ASSERT_NE(consolidation, nullptr);

    typeSite(*settlement, "-2");
    click(settlement->button("Calculate Settlements"));
    EXPECT_EQ(consolidation->box("Text10")->text(), "2");
    click(consolidation->button("Calculate"));
    auto* results = s.view<gui::Form5View>("Form5");
    ASSERT_NE(results, nullptr) << (s.desktop.messages.empty() ? "" : s.desktop.messages[0].text);
    EXPECT_TRUE(results->isVisible());

    typeCell(settlement->layerTable(), 2, 1, "-6");
    click(settlement->button("Calculate Settlements"));
    EXPECT_EQ(consolidation->box("Text10")->text(), "6");
    EXPECT_EQ(s.host.viewOf("Form5"), nullptr);
    EXPECT_FALSE(s.app.windows().isLoaded("Form5"));
}

} // namespace
} // namespace korvex::test
