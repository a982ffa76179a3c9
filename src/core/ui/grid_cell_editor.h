#pragma once

// Cell-by-cell editing of a table: a single-line text box is laid over the current cell when the
// user types into the table or double-clicks it, and its text goes into the cell when the table
// gets the focus back or the current cell is left. The editor keeps nothing of its own but the
// box's visibility and caret: a visible box means an edit is pending.

#include "app/desktop.h"
#include "app/vb_types.h"
#include "ui/grid.h"

#include <string>

namespace korvex {

// Key codes the editor reacts to.
enum EditKey : int { kKeyEnter = 13, kKeyEscape = 27, kKeyUp = 38, kKeyDown = 40 };

// The linear index r x Cols + c of a cell in the table's text array, as a 16-bit integer; an index
// that does not fit throws (Overflow) instead of wrapping onto another cell.
Integer Fgj(const Grid& grid, Integer r, Integer c);

class GridCellEditor {
public:
    // The table, the window's text box and the desktop (for the beep) must outlive the editor.
    GridCellEditor(Grid& grid, std::string& txtEdit, Desktop& desktop);

    // Opens the editor over the current cell. Codes 0 to 32 (a double click passes 32) take the
    // cell's text with the caret at the end; any other code starts a new text with that character,
    // and a character after "9" (letters, for example) gives "Fault!" and a beep.
    void MSFlexGridEdit(int keyCode);
    void Fg_KeyPress(int keyAscii) { MSFlexGridEdit(keyAscii); }
    void Fg_DblClick() { MSFlexGridEdit(32); }

    // A key pressed in the text box: Enter commits, Esc drops the edit, Up and Down commit and
    // move one row within the table (never onto the heading row, never past the last row).
    // Returns false for every other key, which the text box then handles itself.
    bool EditKeyCode(int keyCode, int shift = 0);

    // The table got the focus back, or its current cell is about to be left: a pending edit is
    // written into the current cell.
    void Fg_GotFocus() { commit(); }
    void Fg_LeaveCell() { commit(); }

    // Writes a pending edit into the current cell and hides the box; nothing when idle.
    void commit();
    // Hides the box without writing (Esc).
    void drop();

    bool visible() const { return visible_; }
    // The caret position in the box's text, from 0 (before the first character) to its length.
    int caretPosition() const;
    void setCaretPosition(int position) { caret_ = position; }

    Grid& grid() { return grid_; }
    const std::string& text() const { return txtEdit_; }
    // What the user types into the visible box.
    void setText(const std::string& text) { txtEdit_ = text; }

private:
    Grid& grid_;
    std::string& txtEdit_;
    Desktop& desktop_;
    bool visible_ = false;
    int caret_ = 0;
};

} // namespace korvex
