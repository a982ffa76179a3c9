#include "ui/grid_view.h"

#include "app/gui_host.h"
#include "app/window_view.h"
#include "gui/support/screenshot.h"
#include "program/program_windows.h"
#include "support/test_app.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

namespace korvex::gui {
namespace {

struct GridViewFixture : ::testing::Test {
    test::FakeDesktop desktop;
    Grid grid{21, 9};
    std::string txtEdit;
    GridCellEditor editor{grid, txtEdit, desktop};
    std::unique_ptr<GridView> view;

    void SetUp() override {
        prepareEditableTable(grid);
        grid.setTextMatrix(0, 1, "LDepth(i)");
        grid.setTextMatrix(2, 1, "3.5");
        grid.setRow(2);
        grid.setCol(1);
        view = std::make_unique<GridView>(grid, editor);
        view->resize(700, 500);
        view->show();
        QApplication::processEvents();
    }

    void type(const QString& text) {
        QTest::keyClick(view.get(), text.at(0).toLatin1());
        QTest::keyClicks(view->cellEditor(), text.mid(1));
    }
    QString shown(int row, int col) const { return view->item(row - 1, col)->text(); }
};

TEST_F(GridViewFixture, ShowsHeadingsRowNumbersAndTwipWidths) {
    EXPECT_EQ(view->rowCount(), 20);
    EXPECT_EQ(view->horizontalHeaderItem(1)->text(), "LDepth(i)");
    EXPECT_EQ(shown(20, 0), "20");
    // 1000 twips of design width is 1000 / 15 = 67 pixels; the numbers column has half of it.
    EXPECT_EQ(view->columnWidth(1), 67);
    EXPECT_EQ(view->columnWidth(0), 33);
}

TEST_F(GridViewFixture, TypingAndEnterWritesTheCell) {
    type("-1.25");
    ASSERT_TRUE(view->cellEditor()->isVisible());
    EXPECT_EQ(view->cellEditor()->geometry(), view->visualRect(view->model()->index(1, 1)));
    QTest::keyClick(view->cellEditor(), Qt::Key_Return);
    EXPECT_FALSE(view->cellEditor()->isVisible());
    EXPECT_EQ(grid.TextMatrix(2, 1), "-1.25");
    EXPECT_EQ(shown(2, 1), "-1.25");
}

TEST_F(GridViewFixture, EscapeLeavesTheCell) {
    type("77");
    QTest::keyClick(view->cellEditor(), Qt::Key_Escape);
    EXPECT_FALSE(view->cellEditor()->isVisible());
    EXPECT_EQ(grid.TextMatrix(2, 1), "3.5");
    EXPECT_EQ(shown(2, 1), "3.5");
}

TEST_F(GridViewFixture, LetterGivesFaultAndABeep) {
    QTest::keyClick(view.get(), Qt::Key_A);
    EXPECT_EQ(view->cellEditor()->text(), "Fault!");
    EXPECT_EQ(desktop.beeps, 1);
}

TEST_F(GridViewFixture, DownOnTheLastRowCommitsAndStays) {
    grid.setRow(20);
    view->refreshFromModel();
    type("9");
    QTest::keyClick(view->cellEditor(), Qt::Key_Down);
    EXPECT_EQ(grid.TextMatrix(20, 1), "9");
    EXPECT_EQ(grid.Row(), 20);
    EXPECT_EQ(view->currentRow(), 19);
    EXPECT_EQ(view->rowCount(), 20);
    EXPECT_EQ(grid.Rows(), 21);
}

TEST_F(GridViewFixture, UpCommitsAndMovesOneRow) {
    type("4");
    QTest::keyClick(view->cellEditor(), Qt::Key_Up);
    EXPECT_EQ(grid.TextMatrix(2, 1), "4");
    EXPECT_EQ(grid.Row(), 1);
    EXPECT_EQ(view->currentRow(), 0);
}

TEST_F(GridViewFixture, DoubleClickEditsTheCurrentText) {
    const QRect cell = view->visualRect(view->model()->index(1, 1));
    QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, cell.center());
    ASSERT_TRUE(view->cellEditor()->isVisible());
    EXPECT_EQ(view->cellEditor()->text(), "3.5");
    EXPECT_EQ(view->cellEditor()->cursorPosition(), 3);
}

TEST_F(GridViewFixture, ClickingAnotherCellCommitsIntoTheCellLeft) {
    type("12");
    const QRect other = view->visualRect(view->model()->index(4, 3));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, other.center());
    EXPECT_EQ(grid.TextMatrix(2, 1), "12");
    EXPECT_EQ(grid.TextMatrix(5, 3), "");
    EXPECT_EQ(grid.Row(), 5);
    EXPECT_EQ(grid.Col(), 3);
    EXPECT_FALSE(view->cellEditor()->isVisible());
}

TEST_F(GridViewFixture, AWindowCommitsAPendingEditBeforeItsHandler) {
    type("6");
    QTest::keyClicks(view->cellEditor(), "5");
    view->commitPendingEdit();
    EXPECT_EQ(grid.TextMatrix(2, 1), "65");
    EXPECT_FALSE(view->editing());
}

TEST(GridViewFocus, TheTableRegainingTheFocusCommits) {
    test::FakeDesktop desktop;
    Grid grid(21, 9);
    std::string txtEdit;
    GridCellEditor editor(grid, txtEdit, desktop);
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    auto* view = new GridView(grid, editor);
    auto* elsewhere = new QLineEdit;
    layout->addWidget(view);
    layout->addWidget(elsewhere);
    window.show();
    QApplication::setActiveWindow(&window);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));

    QTest::keyClick(view, Qt::Key_3);
    elsewhere->setFocus();
    QApplication::processEvents();
    // Focus elsewhere keeps the edit pending; the table getting it back writes it.
    EXPECT_TRUE(view->editing());
    EXPECT_EQ(grid.TextMatrix(1, 1), "");
    view->setFocus();
    QApplication::processEvents();
    EXPECT_FALSE(view->editing());
    EXPECT_EQ(grid.TextMatrix(1, 1), "3");
}

// In an active window the editor box holds the keyboard focus, so ending an edit hands the focus
// back to the table: that must never move the current cell sideways (the next value typed would
// land in the column to the right).
TEST(GridViewFocus, EndingAnEditInAnActiveWindowKeepsTheColumn) {
    struct Case {
        Qt::Key key;
        const char* written; // into row 3, column 2
        int row;             // current row afterwards
    };
    const Case cases[] = {
        {Qt::Key_Return, "5", 3}, {Qt::Key_Enter, "5", 3}, {Qt::Key_Escape, "", 3},
        {Qt::Key_Down, "5", 4},   {Qt::Key_Up, "5", 2},
    };
    for (const Case& c : cases) {
        test::FakeDesktop desktop;
        Grid grid(21, 9);
        std::string txtEdit;
        GridCellEditor editor(grid, txtEdit, desktop);
        prepareEditableTable(grid);
        grid.setRow(3);
        grid.setCol(2);
        QWidget window;
        auto* layout = new QVBoxLayout(&window);
        auto* view = new GridView(grid, editor);
        layout->addWidget(view);
        window.resize(700, 500);
        window.show();
        QApplication::setActiveWindow(&window);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
        view->setFocus();
        QApplication::processEvents();

        QTest::keyClick(view, Qt::Key_5);
        ASSERT_TRUE(view->cellEditor()->hasFocus()) << static_cast<int>(c.key);
        QTest::keyClick(view->cellEditor(), c.key);
        QApplication::processEvents();
        EXPECT_EQ(grid.TextMatrix(3, 2), c.written) << static_cast<int>(c.key);
        EXPECT_EQ(grid.Row(), c.row) << static_cast<int>(c.key);
        EXPECT_EQ(grid.Col(), 2) << static_cast<int>(c.key);
        EXPECT_EQ(view->currentColumn(), 2) << static_cast<int>(c.key);
        EXPECT_TRUE(view->hasFocus()) << static_cast<int>(c.key);
    }
}

TEST_F(GridViewFixture, DestroyingTheTableDuringAnEditLeavesTheModelAlone) {
    type("5");
    view->cellEditor()->setFocus();
    QApplication::processEvents();
    view.reset();
    QApplication::processEvents();
    EXPECT_EQ(grid.TextMatrix(2, 1), "3.5");
}

TEST_F(GridViewFixture, ScreenshotOfALayerTableDuringAnEdit) {
    const char* headings[] = {"Lno", "LDepth(i)", "Soilwet(i)", "Cr",    "e0",
                              "Cc",  "ec",        "Sigmac",     "Calpha"};
    for (int c = 0; c < 9; ++c) {
        grid.setTextMatrix(0, c, headings[c]);
    }
    grid.setTextMatrix(1, 1, "2.5");
    grid.setTextMatrix(1, 2, "17");
    view->refreshFromModel();
    type("4.7");
    EXPECT_TRUE(view->cellEditor()->isVisible());
    test::saveScreenshot(view.get(), "layer_table_editing");
}

TEST(GridViewReadOnly, NeverOpensAnEditor) {
    Grid results(5, 3);
    results.setTextMatrix(1, 1, "0.25");
    GridView view(results);
    QTest::keyClick(&view, Qt::Key_5);
    QTest::mouseDClick(view.viewport(), Qt::LeftButton, {},
                       view.visualRect(view.model()->index(0, 1)).center());
    EXPECT_EQ(view.cellEditor(), nullptr);
    EXPECT_EQ(results.TextMatrix(1, 1), "0.25");
}

TEST(GridViewReadOnly, NumbersStandRightAndWholeInColumnsAcrossTheTable) {
    // 300 twips give 20 pixels, too narrow for any of these numbers.
    Grid results(3, 3, 300);
    const char* cells[2][3] = {{"10", "-0.1192087", "ok"}, {"80000", "-0.1", "-2"}};
    for (int r = 0; r < 2; ++r) {
        for (int c = 0; c < 3; ++c) {
            results.setTextMatrix(r + 1, c, cells[r][c]);
        }
    }
    GridView view(results);
    view.resize(600, 200);
    view.show();
    QApplication::processEvents();
    EXPECT_EQ(view.selectionMode(), QAbstractItemView::NoSelection);
    EXPECT_TRUE(view.item(0, 1)->textAlignment() & Qt::AlignRight);
    EXPECT_TRUE(view.item(1, 0)->textAlignment() & Qt::AlignRight);
    EXPECT_TRUE(view.item(0, 2)->textAlignment() & Qt::AlignLeft);
    // Wide enough for the longest number, and no blank band after the last column.
    EXPECT_GT(view.columnWidth(1), view.fontMetrics().horizontalAdvance("-0.1192087"));
    EXPECT_EQ(view.columnWidth(0) + view.columnWidth(1) + view.columnWidth(2),
              view.viewport()->width());
}

// A window with a layer table, closed by its own handler while a cell is being edited.
class TableWindow : public WindowModel {
public:
    static constexpr const char* kName = "TableWindow";
    explicit TableWindow(Application& app) : WindowModel(app) {}
    std::string_view windowName() const override { return kName; }
    void Command2_Click() { windows().unload(*this); }
    Grid Fg1{21, 9};
    std::string TxtEdit;
};

class TableWindowView : public WindowView {
public:
    TableWindowView(TableWindow& model, GuiHost& host)
        : WindowView(model, host),
          table(new GridView(model.Fg1, model.TxtEdit, host.app().desktop(), this)) {
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(table);
    }
    void refreshFromModel() override { table->refreshFromModel(); }
    void exit() {
        handle([this] { static_cast<TableWindow&>(model()).Command2_Click(); });
    }
    GridView* table;

protected:
    void commitEdits() override { table->commitPendingEdit(); }
};

TEST(GridViewClosing, ClosingTheWindowDuringAnEditDoesNotCrash) {
    test::FakeDesktop desktop;
    Application app(desktop, registerWindowModels);
    {
        GuiHost host(app);
        host.registerView(TableWindow::kName, [](WindowModel& model, GuiHost& h) {
            return new TableWindowView(static_cast<TableWindow&>(model), h);
        });
        TableWindow& model = app.windows().show<TableWindow>();
        auto* view = static_cast<TableWindowView*>(host.viewOf(model));
        ASSERT_NE(view, nullptr);
        QApplication::processEvents();
        QTest::keyClick(view->table, Qt::Key_7);
        ASSERT_TRUE(view->table->editing());
        view->exit();
        // The view goes with the next turn of the event loop, the model with it.
        for (int i = 0; i < 5; ++i) {
            QApplication::processEvents();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
        EXPECT_EQ(app.windows().find<TableWindow>(), nullptr);

        // The close box during an edit, with the host going away right after.
        TableWindow& again = app.windows().show<TableWindow>();
        auto* second = static_cast<TableWindowView*>(host.viewOf(again));
        QTest::keyClick(second->table, Qt::Key_8);
        second->close();
        QApplication::processEvents();
    }
    SUCCEED();
}

} // namespace
} // namespace korvex::gui
