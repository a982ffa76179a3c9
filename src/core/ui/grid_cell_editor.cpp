#include "ui/grid_cell_editor.h"

#include <algorithm>
#include <limits>
#include <stdexcept>

namespace korvex {

Integer Fgj(const Grid& grid, Integer r, Integer c) {
    const long index = static_cast<long>(r) * grid.Cols() + c;
    if (index < std::numeric_limits<Integer>::min() ||
        index > std::numeric_limits<Integer>::max()) {
        throw std::overflow_error("Overflow (cell index of row " + std::to_string(r) + ", column " +
                                  std::to_string(c) + ")");
    }
    return static_cast<Integer>(index);
}

GridCellEditor::GridCellEditor(Grid& grid, std::string& txtEdit, Desktop& desktop)
    : grid_(grid), txtEdit_(txtEdit), desktop_(desktop) {}

void GridCellEditor::MSFlexGridEdit(int keyCode) {
    if (keyCode >= 0 && keyCode <= 32) {
        txtEdit_ = grid_.Text();
        // Far past any realistic text: the caret lands at the end.
        caret_ = 1000;
    } else {
        // A single character compared by its code: above "9" or below code 7 is no number.
        if (keyCode > '9' || keyCode < 7) {
            desktop_.beep();
            txtEdit_ = "Fault!";
        } else {
            txtEdit_ = std::string(1, static_cast<char>(keyCode));
        }
        caret_ = 1;
    }
    visible_ = true;
}

bool GridCellEditor::EditKeyCode(int keyCode, int /*shift*/) {
    switch (keyCode) {
    case kKeyEnter:
        commit();
        return true;
    case kKeyEscape:
        drop();
        return true;
    case kKeyUp:
        commit();
        if (grid_.Row() > grid_.FixedRows()) {
            grid_.setRow(grid_.Row() - 1);
        }
        return true;
    case kKeyDown:
        commit();
        // The table's size belongs to its window: the last row stays the last.
        if (grid_.Row() < grid_.Rows() - 1) {
            grid_.setRow(grid_.Row() + 1);
        }
        return true;
    default:
        return false;
    }
}

void GridCellEditor::commit() {
    if (!visible_) {
        return;
    }
    grid_.setText(txtEdit_);
    visible_ = false;
}

void GridCellEditor::drop() {
    visible_ = false;
}

int GridCellEditor::caretPosition() const {
    return std::clamp(caret_, 0, static_cast<int>(txtEdit_.size()));
}

} // namespace korvex
