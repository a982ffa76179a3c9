#include "gui/settlement/settlement_session.h"
#include "gui/support/screenshot.h"
#include "report/form18_listing_view.h"
#include "report/register_views.h"
#include "settlement/coefficient_window_view.h"
#include "settlement/form17_curve_fitting.h"
#include "settlement/form1_settlement_input.h"
#include "settlement/form1_settlement_input_view.h"
#include "settlement/form2_soil_stresses.h"
#include "settlement/form3_settlement_results.h"
#include "settlement/form3_settlement_results_view.h"
#include "ui/graph_view.h"

#include <QCheckBox>
#include <QLineF>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <gtest/gtest.h>
#include <qcustomplot.h>

namespace korvex::test {
namespace {

// A result state as a calculation leaves it: step j after the k-th time settles
// 0.02 j (1 + 0.15 k) m, the fill steps 0.1 i m at 18 i kPa, stress paths rising to 18 i kPa.
void setKnownResults(Module1& st) {
    SingleArray<20>* arrays[5] = {&st.S1, &st.S10, &st.S100, &st.S1000, &st.S10000};
    for (int k = 0; k < 5; ++k) {
        for (int j = 1; j <= 16; ++j) {
            (*arrays[k])(j) =
                -0.02f * static_cast<float>(j) * (1.0f + 0.15f * static_cast<float>(k)) - 0.000049f;
        }
    }
    for (int i = 1; i <= 15; ++i) {
        const float step = static_cast<float>(i);
        st.FillHeight(i) = step;
        st.FillHeightSettlement(i) = -0.1f * step;
        st.FillHeightStress(i) = 18.0f * step;
        st.EffHeight(i) = 0.9f * step;
        st.SurfaceHeight(i) = 0.9f * step - 1;
    }
    for (int i = 1; i <= 14; ++i) {
        const float step = static_cast<float>(i);
        const float top = 18.0f * step;
        const float pathS[4] = {0, -0.05f * step, -0.1f * step, -0.11f * step};
        const float pathLoad[4] = {0, top, top * 0.95f, top * 0.9f};
        for (int p = 1; p <= 4; ++p) {
            st.StressPathS(i, p) = pathS[p - 1];
            st.StressPathLoad(i, p) = pathLoad[p - 1];
        }
    }
    const float calcPathS[4] = {0, -0.12f, -0.22f, -0.24f};
    const float calcPathLoad[4] = {0, 43.2f, 41, 39};
    for (int k = 1; k <= 4; ++k) {
        st.CalcFillPathS(k) = calcPathS[k - 1];
        st.CalcFillPathLoad(k) = calcPathLoad[k - 1];
    }
    st.NLayers = 2;
    st.LThickness(1) = 2;
    st.LThickness(2) = 4;
    st.Depth(1) = -1;
    st.Depth(2) = -4;
    st.SigmaWat(1) = 0;
    st.SigmaWat(2) = 29.43f;
    st.SigmaTot(1) = 16.68f;
    st.SigmaTot(2) = 61.8f;
    st.SigmaEff(1) = 16.68f;
    st.SigmaEff(2) = 32.37f;
    st.OCR(1) = 1.5f;
    st.OCR(2) = 1;
    st.SettlementTime = 1000;
    st.FillThickness = 2.4f;
    st.FillSettlement = 0.24f;
}

TEST(SettlementInputView, TypedBoxesTableCellsAndCheckBoxReachTheModelBeforeAHandler) {
    SettlementSession s;
    gui::registerReportViews(s.host);
    s.app.state().Method = 1;
    Form1& form = s.app.windows().show<Form1>();
    auto* view = s.view<gui::Form1View>("Form1");
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->windowTitle(), "Input Settlement Calculation");
    EXPECT_EQ(view->box("Text6")->text(), "1.6");
    EXPECT_EQ(view->box("Text3")->text(), "Terzaghi-Bjerrum");

    typeBox(view->box("Text7"), "2");
    typeCell(view->layerTable(), 1, 2, "17");
    typeCell(view->layerTable(), 2, 2, "18.5");
    EXPECT_EQ(form.Fg1.TextMatrix(1, 2), "17");
    view->submergence().setChecked(true);
    // "Correction Bulkdensity " divides both typed densities by ten and the table shows it.
    QTest::mouseClick(view->button("Correction Bulkdensity "), Qt::LeftButton);
    EXPECT_EQ(form.Text7, "2");
    EXPECT_EQ(form.Check1, 1);
    EXPECT_EQ(view->layerTable().item(0, 2)->text(), "1.7");
    EXPECT_EQ(view->layerTable().item(1, 2)->text(), "1.85");

    // The Koppejan helpers are not offered for a Bjerrum site.
    EXPECT_NE(view->button("Line fitting Cc-e0"), nullptr);
    EXPECT_EQ(view->button("Curve fitting 1/Cp,1/Cs"), nullptr);
}

TEST(SettlementInputView, TypedBoxesSurviveAndServeAHandlerOfAnotherWindow) {
    SettlementSession s;
    s.app.state().Method = 2;
    s.app.windows().show<Form1>();
    auto* input = s.view<gui::Form1View>("Form1");
    ASSERT_NE(input, nullptr);
    s.app.windows().show<Form17>();
    auto* coefficients = s.view<gui::CoefficientView>("Form17");
    ASSERT_NE(coefficients, nullptr);

    // Typed in the input window, then "OK and Exit" of the coefficient window, which takes the
    // number of layers from the input window's box.
    typeBox(input->box("Text7"), "3");
    typeBox(input->box("Text4"), "0.5");
    typeBox(coefficients->box(0), "-2");
    QTest::mouseClick(coefficients->okButton(), Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_EQ(s.app.state().NLayers, 3);
    EXPECT_FLOAT_EQ(s.app.state().aCp, -2.0f);
    EXPECT_EQ(input->box("Text7")->text(), "3");
    EXPECT_EQ(input->box("Text4")->text(), "0.5");
}

// The keyboard leaves a table by Tab as it leaves a box, to the control laid out after it.
TEST(SettlementViewsTabOrder, TabLeavesTheLayerTableAndFollowsTheResultWindowsLayout) {
    SettlementSession s;
    Form1& form = s.app.windows().show<Form1>();
    auto* input = s.view<gui::Form1View>("Form1");
    ASSERT_NE(input, nullptr);
    QApplication::setActiveWindow(input);
    ASSERT_TRUE(QTest::qWaitForWindowActive(input));
    gui::GridView& table = input->layerTable();
    const int lastRow = form.Fg1.Rows() - 1;
    const int lastCol = form.Fg1.Cols() - 1;
    // From the last cell, once resting and once while a number is being typed into it.
    table.setFocus();
    table.setCurrentCell(lastRow - 1, lastCol);
    QTest::keyClick(&table, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), input->button("Dimensions "));
    table.setFocus();
    QTest::keyClick(&table, Qt::Key_7);
    ASSERT_TRUE(table.editing());
    QTest::keyClick(table.cellEditor(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), input->button("Dimensions "));
    EXPECT_FALSE(table.editing());
    EXPECT_EQ(form.Fg1.TextMatrix(lastRow, lastCol), "7");

    // The result window: its table, the buttons under it, then the row at the bottom.
    setKnownResults(s.app.state());
    s.app.windows().show<Form3>();
    auto* results = s.view<gui::Form3View>("Form3");
    ASSERT_NE(results, nullptr);
    QApplication::setActiveWindow(results);
    ASSERT_TRUE(QTest::qWaitForWindowActive(results));
    results->gridView()->setFocus();
    QTest::keyClick(results->gridView(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), results->button("Settlements"));
    results->button("Settlement Fill Height")->setFocus();
    // "List" is disabled while there is no listing window.
    QTest::keyClick(results->button("Settlement Fill Height"), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), results->exitButton());
}

TEST(SettlementResultView, ListIsDisabledUntilTheListingWindowExistsAndButtonsRedraw) {
    SettlementSession s;
    setKnownResults(s.app.state());
    Form3& form = s.app.windows().show<Form3>();
    auto* view = s.view<gui::Form3View>("Form3");
    ASSERT_NE(view, nullptr);
    EXPECT_FALSE(view->listButton()->isEnabled());
    // -0.02 * 16 * 1.6 - 0.000049 = -0.512049 -> -0.512 once the window has rounded it.
    EXPECT_EQ(view->gridView()->item(15, 5)->text(), "-0.512");

    QTest::mouseClick(view->button("Settlements/Stresses fill"), Qt::LeftButton);
    EXPECT_EQ(form.Graph1.NumSets(), 20);
    QTest::mouseClick(view->button("Soil stresses"), Qt::LeftButton);
    auto* stresses = s.view<gui::GraphWindowView>("Form2");
    ASSERT_NE(stresses, nullptr);
    EXPECT_EQ(stresses->gridView()->item(1, 5)->text(), "32.37");
    QTest::mouseClick(stresses->printButton(), Qt::LeftButton);
    EXPECT_EQ(s.desktop.printedGraphs, 1);
    EXPECT_EQ(s.app.windows().find<Form2>()->Graph1.Width(), Form2::kLayoutWidth);
    QTest::mouseClick(stresses->exitButton(), Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_EQ(s.app.windows().find<Form2>(), nullptr);
}

TEST(SettlementResultView, TheGraphIsDrawnAgainOnlyWhenItsPictureChangedAndPaintedOnce) {
    SettlementSession s;
    setKnownResults(s.app.state());
    s.app.windows().show<Form3>();
    auto* view = s.view<gui::Form3View>("Form3");
    QCustomPlot& plot = view->graphView().plot();
    QApplication::processEvents();
    int paints = 0;
    QObject::connect(&plot, &QCustomPlot::afterReplot, [&paints] { ++paints; });
    // The buttons of each row are clicked in one turn of the event loop.
    const struct {
        std::vector<std::string> buttons;
        bool drawn;
    } turns[] = {{{"Settlements"}, false},
                 {{"Settlements/Stresses fill"}, true},
                 {{"Settlements/Stresses fill"}, false},
                 {{"Settlements", "Settlements/Stresses fill"}, true}};
    for (const auto& turn : turns) {
        SCOPED_TRACE(turn.buttons.size() == 1 ? turn.buttons[0] : "both");
        const QPointer<QCPAbstractPlottable> curve = plot.plottable(0);
        paints = 0;
        for (const std::string& button : turn.buttons) {
            QTest::mouseClick(view->button(button), Qt::LeftButton);
        }
        QApplication::processEvents();
        EXPECT_EQ(curve.isNull(), turn.drawn);
        EXPECT_EQ(paints, turn.drawn ? 1 : 0);
    }
}

TEST(SettlementViewsScreenshot, InputWindowWithATwoLayerSite) {
    SettlementSession s;
    Module1& st = s.app.state();
    st.Method = 1;
    st.NLayers = 2;
    st.SurfaceLevel = 0;
    st.Watertable = -0.5f;
    st.NewWatertable = -0.5f;
    st.SurfaceLevelRequired = 1;
    const float depth[2] = {-2, -6}, wet[2] = {1.7f, 1.5f}, cr[2] = {0.02f, 0.03f},
                e0[2] = {1.5f, 2.8f}, cc[2] = {0.4f, 1.1f}, sigmac[2] = {20, 35},
                calpha[2] = {0.016f, 0.04f};
    for (int i = 1; i <= 2; ++i) {
        st.LDepth(i) = depth[i - 1];
        st.Soilwet(i) = wet[i - 1];
        st.Cr(i) = cr[i - 1];
        st.e0(i) = e0[i - 1];
        st.ec(i) = e0[i - 1];
        st.Cc(i) = cc[i - 1];
        st.Sigmac(i) = sigmac[i - 1];
        st.Calpha(i) = calpha[i - 1];
    }
    s.app.windows().show<Form1>();
    auto* view = s.view<gui::Form1View>("Form1");
    ASSERT_NE(view, nullptr);
    saveScreenshot(view, "settlement-input");

    Form1& form = *s.app.windows().find<Form1>();
    form.Command4_Click();
    saveScreenshot(s.host.viewOf("Form16"), "settlement-line-fit-coefficients");
    st.Method = 2;
    form.Command9_Click();
    saveScreenshot(s.host.viewOf("Form17"), "settlement-curve-fit-coefficients");
}

// The listing after a calculation of the same site, at section 1's layer table, whose columns
// must line up at the tab stops.
TEST(SettlementViewsScreenshot, ListingAtTheLayerTable) {
    SettlementSession s;
    gui::registerReportViews(s.host);
    s.app.state().Method = 1;
    Form1& form = s.app.windows().show<Form1>();
    form.Text4 = "0";
    form.Text5 = "-0.5";
    form.Text15 = "-0.5";
    form.Text7 = "2";
    form.Text11 = "1";
    const char* rows[2][8] = {{"-2", "1.7", "0.02", "1.5", "0.4", "1.5", "20", "0.016"},
                              {"-6", "1.5", "0.03", "2.8", "1.1", "2.8", "35", "0.04"}};
    for (int i = 1; i <= 2; ++i) {
        for (int c = 1; c <= 8; ++c) {
            form.Fg1.setTextMatrix(i, c, rows[i - 1][c - 1]);
        }
    }
    form.Command1_Click();
    Form3* results = s.app.windows().find<Form3>();
    ASSERT_NE(results, nullptr);
    results->Command9_Click();
    auto* listing = s.view<gui::Form18View>("Form18");
    ASSERT_NE(listing, nullptr);
    QListWidget& list = listing->list();
    const auto scrollTo = [&list](const QString& start) {
        for (int row = 0; row < list.count(); ++row) {
            if (list.item(row)->text().startsWith(start)) {
                list.scrollToItem(list.item(row), QAbstractItemView::PositionAtTop);
                return true;
            }
        }
        return false;
    };
    ASSERT_TRUE(scrollTo("Depth"));
    saveScreenshot(listing, "report-listing-layer-table");
    ASSERT_TRUE(scrollTo("13."));
    saveScreenshot(listing, "report-listing-section-13");
}

// The text of a point label in pixels, without the gap to its point.
QRectF labelText(QCPItemText* label) {
    const QMargins gap = label->padding();
    return QRectF(label->topLeft->pixelPosition(), label->bottomRight->pixelPosition())
        .adjusted(gap.left(), gap.top(), -gap.right(), -gap.bottom());
}

TEST(SettlementResultGraphs, PointLabelsStayWholeApartAndOffTheLines) {
    SettlementSession s;
    setKnownResults(s.app.state());
    Form3& form = s.app.windows().show<Form3>();
    form.Command4_Click();
    form.Command2_Click();
    s.host.refreshAll();
    QApplication::processEvents();
    for (const char* window : {"Form3", "Form2"}) {
        QCustomPlot& plot = s.view<gui::GraphWindowView>(window)->graphView().plot();
        const QRectF inside = plot.axisRect()->rect();
        std::vector<QRectF> texts;
        for (int i = 0; i < plot.itemCount(); ++i) {
            auto* label = qobject_cast<QCPItemText*>(plot.item(i));
            const QRectF text = labelText(label);
            // The soil-stress graph lost the labels of its top layer above the axes.
            EXPECT_TRUE(inside.contains(text)) << window << " " << label->text().toStdString();
            for (const QRectF& other : texts) {
                EXPECT_FALSE(text.intersects(other))
                    << window << " " << label->text().toStdString();
            }
            texts.push_back(text);
        }
        EXPECT_GE(texts.size(), 6u) << window;
    }

    // The caption of the fill thicknesses sits at the start of the first stress path, where all
    // the paths begin: no line may run through it.
    QCustomPlot& plot = s.view<gui::GraphWindowView>("Form3")->graphView().plot();
    QRectF caption;
    for (int i = 0; i < plot.itemCount(); ++i) {
        auto* label = qobject_cast<QCPItemText*>(plot.item(i));
        if (label->text() == "FillLayer thickness (m)") {
            caption = labelText(label);
        }
    }
    ASSERT_FALSE(caption.isEmpty());
    for (int c = 0; c < plot.plottableCount(); ++c) {
        auto* curve = qobject_cast<QCPCurve*>(plot.plottable(c));
        QPointF previous;
        bool first = true;
        for (auto it = curve->data()->constBegin(); it != curve->data()->constEnd(); ++it) {
            const QPointF point(plot.xAxis->coordToPixel(it->key),
                                plot.yAxis->coordToPixel(it->value));
            // Every half pixel along the line.
            const int steps = first ? 0 : static_cast<int>(QLineF(previous, point).length() * 2);
            for (int k = 0; k <= steps; ++k) {
                const QPointF on = previous + (point - previous) * (k / std::max(1.0 * steps, 1.0));
                EXPECT_FALSE(caption.contains(first ? point : on)) << "set " << c;
            }
            previous = point;
            first = false;
        }
    }
}

TEST(SettlementViewsScreenshot, ResultWindowWithItsGraphAndTheFillWindows) {
    SettlementSession s;
    setKnownResults(s.app.state());
    Form3& form = s.app.windows().show<Form3>();
    saveScreenshot(s.host.viewOf("Form3"), "settlement-result");
    form.Command4_Click();
    s.host.refreshAll();
    saveScreenshot(s.host.viewOf("Form3"), "settlement-result-stress-paths");
    form.Command2_Click();
    form.Command6_Click();
    form.Command7_Click();
    s.host.refreshAll();
    saveScreenshot(s.host.viewOf("Form2"), "settlement-soil-stresses");
    saveScreenshot(s.host.viewOf("Form8"), "settlement-fill-height");
    saveScreenshot(s.host.viewOf("Form9"), "settlement-fill-height-time");
}

} // namespace
} // namespace korvex::test
