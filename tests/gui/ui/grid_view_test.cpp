#include "ui/grid_view.h"

#include "app/gui_host.h"
#include "app/window_view.h"
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

TEST_F(GridViewFixture, DestroyingTheTableDuringAnEditLeavesTheModelAlone) {
    type("5");
    view->cellEditor()->setFocus();
    QApplication::processEvents();
    view.reset();
    QApplication::processEvents();
    EXPECT_EQ(grid.TextMatrix(2, 1), "3.5");
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
    Application app(desktop);
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
