#include "app/gui_host.h"
#include "app/window_view.h"
#include "program/program_windows.h"
#include "program/register_views.h"
#include "state/module1.h"
#include "support/fake_desktop.h"
#include "support/typing.h"
#include "ui/grid_view.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

namespace korvex::gui {
namespace {

QPushButton* buttonOf(QWidget* view, const char* caption) {
    for (QPushButton* button : view->findChildren<QPushButton*>()) {
        if (button->text() == QString::fromUtf8(caption) && button->isEnabled()) {
            return button;
        }
    }
    return nullptr;
}

// A refused input takes the cursor back to itself, whichever control had it when the button was
// pressed: a box with its text selected for retyping, a cell as the table's current cell.
TEST(RefusalFocus, EveryInputWindowPutsTheCursorOnWhatItsRefusalNames) {
    struct Case {
        const char* window;
        const char* control;
        // 0 for a box; else the cell, counted as its table counts rows.
        int row;
        int col;
        const char* typed;
        const char* button;
        const char* says;
    };
    const Case cases[] = {
        {"Form1", "Text4", 0, 0, "1,5", "Calculate Settlements", "Text after the number"},
        {"Form1", "Text7", 0, 0, "25", "Calculate Settlements", "Number of Layers"},
        {"Form1", "Fg1", 2, 2, "x", "Correction Bulkdensity ", "layer 2, column"},
        {"Form4", "Text2", 0, 0, "x", "Calculate", "No number"},
        {"Form4", "Text1", 0, 0, "2", "Calculate", "Degree of Consolidation"},
        {"Form4", "Fg4", 2, 1, "0", "Calculation Equiv. Cv", "Cv(i) of layer 2"},
        {"Form10", "Text3", 0, 0, "x", "Calculate", "No number"},
        {"Form10", "Fg8", 2, 2, "2", "Calculate", "Drained 1/0 of layer 2"},
        {"Form13", "Text2", 0, 0, "x", "No Drains IL", "No number"},
        {"Form13", "Fg12", 3, 1, "x", "ds/dt", "row 3, column"},
        {"Form16", "Text2", 0, 0, "x", "OK and Exit", "No number"},
        {"Form17", "Text5", 0, 0, "x", "OK and Exit", "No number"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.window) + " " + c.control);
        test::FakeDesktop desktop;
        Application app{desktop, registerWindowModels};
        GuiHost host{app};
        registerAllViews(host);
        Module1& st = app.state();
        st.setDefaults();
        // Two layers of a finished settlement calculation and a drain spacing: the preload may
        // run, the tables read two rows. The curve-fitting window stores its boxes only for its
        // own method.
        st.Method = std::string(c.window) == "Form17" ? 2 : 1;
        st.NLayers = 2;
        st.SettlementCalculated = 1;
        st.SettlementMethod = 1;
        st.SpacingTri = 2.0f;
        app.runHandler([&] { app.windows().showByName(c.window); });
        QApplication::processEvents();
        WindowView* view = host.viewOf(c.window);
        ASSERT_NE(view, nullptr);
        QPushButton* button = buttonOf(view, c.button);
        ASSERT_NE(button, nullptr);

        QWidget* control = view->findChild<QWidget*>(c.control);
        ASSERT_NE(control, nullptr);
        auto* table = qobject_cast<GridView*>(control);
        auto* box = qobject_cast<QLineEdit*>(control);
        if (c.row > 0) {
            ASSERT_NE(table, nullptr);
            test::typeCell(*table, c.row, c.col, c.typed);
            // The user has moved on before pressing the button.
            table->setCurrentCell(0, 1);
        } else {
            ASSERT_NE(box, nullptr);
            test::typeBox(box, c.typed);
        }
        button->setFocus();
        desktop.messages.clear();
        button->click();
        QApplication::processEvents();

        ASSERT_EQ(desktop.messages.size(), 1u);
        EXPECT_NE(desktop.messages[0].text.find(c.says), std::string::npos)
            << desktop.messages[0].text;
        EXPECT_EQ(view->focusWidget(), control);
        if (table != nullptr) {
            EXPECT_EQ(table->currentRow(), c.row - 1);
            EXPECT_EQ(table->currentColumn(), c.col);
        } else {
            EXPECT_EQ(box->selectedText(), QString::fromUtf8(c.typed));
        }
        app.windows().unloadAll();
    }
}

} // namespace
} // namespace korvex::gui
