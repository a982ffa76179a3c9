#include "app/window_view.h"

#include "app/gui_host.h"
#include "consolidation/form15_drains_no_drains_graph.h"
#include "consolidation/form4_consolidation_input.h"
#include "consolidation/form5_consolidation_results.h"
#include "consolidation/form6_settlement_time_graph.h"
#include "consolidation/form7_settlement_time_list.h"
#include "program/frm_about.h"
#include "program/frm_main.h"
#include "program/frm_splash.h"
#include "program/program_windows.h"
#include "program/register_views.h"
#include "settlement/form16_cc_e0_regression.h"
#include "settlement/form17_curve_fitting.h"
#include "settlement/form1_settlement_input.h"
#include "settlement/form2_soil_stresses.h"
#include "settlement/form3_settlement_results.h"
#include "settlement/form8_fill_height.h"
#include "settlement/form9_fill_height_required_time.h"
#include "state/module1.h"
#include "support/fake_desktop.h"

#include <QAccessible>
#include <QApplication>
#include <gtest/gtest.h>

namespace korvex::gui {
namespace {

// Assistive tools took every window for a filler; each must be a window, named by its caption.
TEST(WindowViewAccessibility, EveryWindowIsAnnouncedAsAWindowByItsCaption) {
    test::FakeDesktop desktop;
    Application app{desktop, registerWindowModels};
    GuiHost host{app};
    registerAllViews(host);
    app.state().setDefaults();
    WindowRegistry& windows = app.windows();
    app.runHandler([&] {
        windows.show<frmSplash>();
        windows.show<frmMain>();
        windows.show<frmAbout>();
        windows.show<Form1>();
        windows.show<Form2>();
        windows.show<Form3>();
        windows.show<Form8>();
        windows.show<Form9>();
        windows.show<Form16>();
        windows.show<Form17>();
        windows.show<Form4>();
        windows.show<Form5>();
        windows.show<Form6>();
        windows.show<Form15>();
        windows.show<Form7>();
    });
    ASSERT_TRUE(desktop.messages.empty()) << desktop.messages[0].text;
    const std::vector<WindowModel*> loaded = windows.loadedInOrder();
    EXPECT_EQ(loaded.size(), 15u);
    for (WindowModel* model : loaded) {
        WindowView* view = host.viewOf(*model);
        ASSERT_NE(view, nullptr) << model->windowName();
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(view);
        ASSERT_NE(accessible, nullptr) << model->windowName();
        EXPECT_EQ(accessible->role(), QAccessible::Window) << model->windowName();
        EXPECT_EQ(accessible->text(QAccessible::Name), view->windowTitle()) << model->windowName();
    }
    windows.unloadAll();
}

} // namespace
} // namespace korvex::gui
