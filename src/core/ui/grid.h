#pragma once

// The table control of the input and result windows: one fixed heading row, one fixed column of
// row numbers, and the text of every cell. Its size is set by its window and never changes while
// the user types (no row is ever added).

#include <cstdint>
#include <string>
#include <vector>

namespace korvex {

class Grid {
public:
    Grid(int rows, int cols, int designColWidthTwips = 1000);

    int Rows() const { return rows_; }
    int Cols() const { return cols_; }
    int FixedRows() const { return 1; }
    int FixedCols() const { return 1; }
    // Changes the size; cells that stay keep their text, new cells are empty.
    void setSize(int rows, int cols);

    // The current cell.
    int Row() const { return row_; }
    int Col() const { return col_; }
    void setRow(int row);
    void setCol(int col);
    const std::string& Text() const { return cell(row_, col_); }
    void setText(const std::string& text) { setCell(row_, col_, text); }

    // Any cell, by row and column; out of range throws.
    const std::string& TextMatrix(int row, int col) const { return cell(row, col); }
    void setTextMatrix(int row, int col, const std::string& text) { setCell(row, col, text); }

    // Column widths in twips, as the window's layout gives them.
    int ColWidth(int col) const;
    void setColWidth(int col, int twips);
    int ColAlignment(int col) const;
    void setColAlignment(int col, int alignment);

    // Empties every cell below the heading row and right of the row-number column.
    void clearBody();

    // Changes with every change of a cell, the size, a column's width or alignment (not with the
    // current cell), so a view knows when to copy the table again. Stamps come from one count for
    // every table of the run, so a table made afresh (its window loaded again) never repeats the
    // stamp of the one a view showed before.
    std::uint64_t revision() const { return revision_; }

private:
    const std::string& cell(int row, int col) const;
    void setCell(int row, int col, const std::string& text);
    void check(int row, int col) const;

    int rows_;
    int cols_;
    int row_ = 1;
    int col_ = 1;
    std::vector<std::string> cells_;
    std::vector<int> colWidths_;
    std::vector<int> colAlignments_;
    void changed();

    std::uint64_t revision_;
};

} // namespace korvex

namespace korvex {

// The usual set-up of an editable table when its window loads: column 0 at half its design width
// and alignment 1, every row below the headings numbered in column 0.
void prepareEditableTable(Grid& grid);

} // namespace korvex
