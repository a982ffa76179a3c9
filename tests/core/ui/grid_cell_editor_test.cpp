#include "ui/grid_cell_editor.h"

// fake_desktop.h includes the registry inside its namespace: the registry comes first.
#include "app/window_registry.h"
#include "support/fake_desktop.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace korvex::test {
namespace {

// A layer table as the input windows have it: headings, 20 layer rows, 9 columns.
struct EditorFixture : ::testing::Test {
    FakeDesktop desktop;
    Grid grid{21, 9};
    std::string txtEdit;
    GridCellEditor editor{grid, txtEdit, desktop};

    void SetUp() override {
        prepareEditableTable(grid);
        grid.setTextMatrix(3, 2, "17.5");
        grid.setRow(3);
        grid.setCol(2);
    }
};

TEST_F(EditorFixture, DoubleClickEditsTheCellTextWithTheCaretAtTheEnd) {
    editor.Fg_DblClick();
    EXPECT_TRUE(editor.visible());
    EXPECT_EQ(txtEdit, "17.5");
    EXPECT_EQ(editor.caretPosition(), 4);
    EXPECT_EQ(desktop.beeps, 0);
}

struct TypedKey {
    int code;
    const char* text;
    int caret;
    int beeps;
};

TEST_F(EditorFixture, ATypedKeyStartsANewTextOrFault) {
    // Codes 0..32 keep the cell text (caret at its end, 4); 33..57 ("!" to "9") start with the
    // character; anything above "9" (58 ":") is no number and gives "Fault!" with a beep.
    const TypedKey cases[] = {
        {0, "17.5", 4, 0},     {8, "17.5", 4, 0},     {13, "17.5", 4, 0},     {32, "17.5", 4, 0},
        {'!', "!", 1, 0},      {'-', "-", 1, 0},      {'.', ".", 1, 0},       {'+', "+", 1, 0},
        {'0', "0", 1, 0},      {'9', "9", 1, 0},      {':', "Fault!", 1, 1},  {'A', "Fault!", 1, 1},
        {'e', "Fault!", 1, 1}, {127, "Fault!", 1, 1}, {0xE9, "Fault!", 1, 1},
    };
    for (const TypedKey& key : cases) {
        SCOPED_TRACE(key.code);
        desktop.beeps = 0;
        editor.drop();
        editor.Fg_KeyPress(key.code);
        EXPECT_TRUE(editor.visible());
        EXPECT_EQ(txtEdit, key.text);
        EXPECT_EQ(editor.caretPosition(), key.caret);
        EXPECT_EQ(desktop.beeps, key.beeps);
    }
}

TEST_F(EditorFixture, FaultIsWrittenIntoTheCellOnCommit) {
    editor.Fg_KeyPress('A');
    EXPECT_TRUE(editor.EditKeyCode(kKeyEnter));
    EXPECT_FALSE(editor.visible());
    EXPECT_EQ(grid.TextMatrix(3, 2), "Fault!");
    EXPECT_EQ(desktop.beeps, 1);
}

TEST_F(EditorFixture, EscapeDropsTheEditAndLeavesTheCell) {
    editor.Fg_KeyPress('5');
    editor.setText("5.25");
    EXPECT_TRUE(editor.EditKeyCode(kKeyEscape));
    EXPECT_FALSE(editor.visible());
    EXPECT_EQ(grid.TextMatrix(3, 2), "17.5");
    // The table getting the focus back afterwards must not bring the dropped text in.
    editor.Fg_GotFocus();
    EXPECT_EQ(grid.TextMatrix(3, 2), "17.5");
}

struct Move {
    int key;
    int startRow;
    int endRow;
};

TEST_F(EditorFixture, UpAndDownCommitAndMoveWithinTheTable) {
    // Rows 1..20 hold layers; row 0 is the heading, and no row 21 is ever added.
    const Move moves[] = {
        {kKeyDown, 3, 4}, {kKeyUp, 3, 2}, {kKeyDown, 20, 20}, {kKeyUp, 1, 1}, {kKeyDown, 19, 20},
    };
    for (const Move& move : moves) {
        SCOPED_TRACE(move.startRow);
        grid.setRow(move.startRow);
        editor.Fg_KeyPress('4');
        editor.setText("42");
        EXPECT_TRUE(editor.EditKeyCode(move.key));
        EXPECT_FALSE(editor.visible());
        EXPECT_EQ(grid.TextMatrix(move.startRow, 2), "42");
        EXPECT_EQ(grid.Row(), move.endRow);
        EXPECT_EQ(grid.Rows(), 21);
    }
}

TEST_F(EditorFixture, OtherKeysAreLeftToTheTextBox) {
    editor.Fg_KeyPress('1');
    for (int code : {37, 39, 46, 65}) {
        EXPECT_FALSE(editor.EditKeyCode(code, 1));
    }
    EXPECT_TRUE(editor.visible());
    EXPECT_EQ(grid.TextMatrix(3, 2), "17.5");
}

TEST_F(EditorFixture, LeavingTheCellOrRefocusingCommitsOnlyAPendingEdit) {
    const unsigned before = grid.revision();
    editor.Fg_LeaveCell();
    editor.Fg_GotFocus();
    EXPECT_EQ(grid.revision(), before);

    editor.Fg_KeyPress('.');
    editor.setText(".75");
    editor.Fg_LeaveCell();
    EXPECT_EQ(grid.TextMatrix(3, 2), ".75");

    grid.setRow(4);
    editor.Fg_DblClick();
    editor.setText("");
    editor.Fg_GotFocus();
    EXPECT_EQ(grid.TextMatrix(4, 2), "");
}

TEST(Fgj, IsTheLinearCellIndexAndOverflowsPast32767) {
    const Grid layers(21, 9);
    // Row 20, column 8 of 9 columns: 20 * 9 + 8 = 188.
    EXPECT_EQ(Fgj(layers, 20, 8), 188);
    EXPECT_EQ(Fgj(layers, 0, 0), 0);
    const Grid wide(12, 3000);
    // 10 * 3000 + 2767 = 32767 still fits; 11 * 3000 + 0 = 33000 does not.
    EXPECT_EQ(Fgj(wide, 10, 2767), 32767);
    EXPECT_THROW(Fgj(wide, 11, 0), std::overflow_error);
}

} // namespace
} // namespace korvex::test
