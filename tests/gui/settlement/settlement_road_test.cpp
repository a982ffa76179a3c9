#include "app/number_text.h"
#include "gui/settlement/settlement_session.h"
#include "settlement/form1_settlement_input.h"
#include "settlement/form1_settlement_input_view.h"
#include "settlement/form3_settlement_results.h"
#include "settlement/form3_settlement_results_view.h"
#include "settlement/form8_fill_height.h"

#include <QPushButton>
#include <gtest/gtest.h>

namespace korvex::test {
namespace {

struct Site {
    const char* surface;
    const char* watertable;
    const char* required;
    const char* layers[2][8];
};

// Two soft layers of 1 m under a surface at 0, wet mass 1 t/m3, water table far below them:
// sigma'0 = 0.5 g and 1.5 g at the middles (g = 9.80665). Cc/(1+e0) = 1/2, no recompression,
// no creep, preconsolidated to sigma'0 only; a fill of 1 t/m3 (load k g for k m), required
// level 2.
//   S(q) = -1 x 0.5 x [log10((0.5g + q)/0.5g) + log10((1.5g + q)/1.5g)] at every time:
//   5 kPa:   -0.5 x (0.305291 + 0.127073) = -0.2161822 -> -0.2162
//   40 kPa:  -0.5 x (0.961160 + 0.571082) = -0.7661212 -> -0.7661
//   280 kPa: -0.5 x (1.764318 + 1.301672) = -1.5329949 -> -1.533
// Fill steps: surface k + S(k g) = 0.650515, 1.466527, 2.338890 for k = 1, 2, 3, so the
// thickness for level 2 is 2 + (2 - 1.466527) / (2.338890 - 1.466527) = 2.6115263 m.
constexpr Site kSite = {
    "0",
    "-5",
    "2",
    {{"-1", "1", "0", "1", "1", "0", "0", "0"}, {"-2", "1", "0", "1", "1", "0", "0", "0"}}};

gui::Form1View& openBjerrumInput(SettlementSession& s) {
    // The method menu sets the method, then shows the input window through the registry.
    s.app.state().Method = 1;
    s.app.windows().show<Form1>();
    auto* view = s.view<gui::Form1View>("Form1");
    EXPECT_NE(view, nullptr);
    return *view;
}

void typeSite(gui::Form1View& view, const Site& site) {
    typeBox(view.box("Text4"), site.surface);
    typeBox(view.box("Text5"), site.watertable);
    typeBox(view.box("Text15"), site.watertable);
    typeBox(view.box("Text7"), "2");
    typeBox(view.box("Text11"), site.required);
    typeBox(view.box("Text6"), "1");
    for (int r = 1; r <= 2; ++r) {
        for (int c = 1; c <= 8; ++c) {
            typeCell(view.layerTable(), r, c, site.layers[r - 1][c - 1]);
        }
    }
}

TEST(SettlementRoad, ATypedTwoLayerSiteGivesItsSettlementsAndFillThickness) {
    SettlementSession s;
    gui::Form1View& input = openBjerrumInput(s);
    typeSite(input, kSite);
    QTest::mouseClick(input.button("Calculate Settlements"), Qt::LeftButton);
    QApplication::processEvents();

    auto* result = s.view<gui::Form3View>("Form3");
    ASSERT_NE(result, nullptr) << (s.desktop.messages.empty() ? "" : s.desktop.messages[0].text);
    EXPECT_TRUE(result->isVisible());
    EXPECT_EQ(s.desktop.beeps, 1);
    // Every time gives the same settlement without creep.
    struct Row {
        int step;
        const char* load;
        const char* settlement;
    };
    const Row rows[] = {{1, "5", "-0.2162"}, {4, "40", "-0.7661"}, {16, "280", "-1.533"}};
    for (const Row& row : rows) {
        EXPECT_EQ(result->gridView()->item(row.step - 1, 0)->text(), row.load);
        for (int c = 1; c <= 5; ++c) {
            EXPECT_EQ(result->gridView()->item(row.step - 1, c)->text(), row.settlement)
                << "step " << row.step << " column " << c;
        }
    }

    QTest::mouseClick(result->button("Fill Height vs Surface level"), Qt::LeftButton);
    auto* fill = s.view<gui::GraphWindowView>("Form8");
    ASSERT_NE(fill, nullptr);
    // The marker of the calculated thickness carries it as its label.
    const auto& marker = s.app.windows().find<Form8>()->Graph1.sets().at(3).points;
    const std::string shown = marker.back().label;
    EXPECT_NEAR(num::leadingNumber(shown), 2.6115263, 2e-4) << shown;
    EXPECT_NEAR(marker.front().x, 2.6115263, 2e-4);
}

TEST(SettlementRoad, ARequiredLevelBelowTheSurfaceIsRefusedAndOpensNoResultWindow) {
    SettlementSession s;
    gui::Form1View& input = openBjerrumInput(s);
    Site site = kSite;
    site.required = "-0.5";
    typeSite(input, site);
    QTest::mouseClick(input.button("Calculate Settlements"), Qt::LeftButton);
    QApplication::processEvents();

    ASSERT_EQ(s.desktop.messages.size(), 1u);
    EXPECT_EQ(s.desktop.messages[0].text,
              "Surface level required lower than Original surfacelevel;Calculations are not "
              "possible!!!");
    EXPECT_EQ(s.desktop.messages[0].style, 0);
    EXPECT_EQ(s.app.windows().find<Form3>(), nullptr);
    EXPECT_EQ(s.host.viewOf("Form3"), nullptr);
    EXPECT_TRUE(input.isVisible());
}

} // namespace
} // namespace korvex::test
