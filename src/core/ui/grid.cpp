#include "ui/grid.h"

#include <atomic>
#include <cmath>
#include <stdexcept>

namespace korvex {

namespace {

std::uint64_t nextStamp() {
    static std::atomic<std::uint64_t> stamps{0};
    return ++stamps;
}

// Widened before multiplying, so a product can never overflow int on its way to an index.
std::size_t cellIndex(int row, int col, int cols) {
    return static_cast<std::size_t>(row) * static_cast<std::size_t>(cols) +
           static_cast<std::size_t>(col);
}

} // namespace

Grid::Grid(int rows, int cols, int designColWidthTwips)
    : rows_(rows), cols_(cols),
      cells_(static_cast<std::size_t>(rows) * static_cast<std::size_t>(cols)),
      colWidths_(static_cast<std::size_t>(cols), designColWidthTwips),
      colAlignments_(static_cast<std::size_t>(cols), 0), revision_(nextStamp()) {
    if (rows < 2 || cols < 2) {
        throw std::invalid_argument("a grid needs a heading row and a row-number column");
    }
}

void Grid::setSize(int rows, int cols) {
    if (rows < 2 || cols < 2) {
        throw std::invalid_argument("a grid needs a heading row and a row-number column");
    }
    if (rows == rows_ && cols == cols_) {
        return;
    }
    std::vector<std::string> cells(static_cast<std::size_t>(rows) * static_cast<std::size_t>(cols));
    for (int r = 0; r < std::min(rows, rows_); ++r) {
        for (int c = 0; c < std::min(cols, cols_); ++c) {
            cells[cellIndex(r, c, cols)] = std::move(cells_[cellIndex(r, c, cols_)]);
        }
    }
    cells_ = std::move(cells);
    colWidths_.resize(static_cast<std::size_t>(cols),
                      colWidths_.empty() ? 1000 : colWidths_.back());
    colAlignments_.resize(static_cast<std::size_t>(cols), 0);
    rows_ = rows;
    cols_ = cols;
    row_ = std::min(row_, rows_ - 1);
    col_ = std::min(col_, cols_ - 1);
    changed();
}

void Grid::setRow(int row) {
    check(row, col_);
    row_ = row;
}

void Grid::setCol(int col) {
    check(row_, col);
    col_ = col;
}

int Grid::ColWidth(int col) const {
    check(0, col);
    return colWidths_[static_cast<std::size_t>(col)];
}

void Grid::setColWidth(int col, int twips) {
    check(0, col);
    int& width = colWidths_[static_cast<std::size_t>(col)];
    if (width != twips) {
        width = twips;
        changed();
    }
}

int Grid::ColAlignment(int col) const {
    check(0, col);
    return colAlignments_[static_cast<std::size_t>(col)];
}

void Grid::setColAlignment(int col, int alignment) {
    check(0, col);
    int& current = colAlignments_[static_cast<std::size_t>(col)];
    if (current != alignment) {
        current = alignment;
        changed();
    }
}

void Grid::clearBody() {
    bool cleared = false;
    for (int r = 1; r < rows_; ++r) {
        for (int c = 1; c < cols_; ++c) {
            std::string& text = cells_[cellIndex(r, c, cols_)];
            cleared = cleared || !text.empty();
            text.clear();
        }
    }
    if (cleared) {
        changed();
    }
}

void Grid::changed() {
    revision_ = nextStamp();
}

const std::string& Grid::cell(int row, int col) const {
    check(row, col);
    return cells_[cellIndex(row, col, cols_)];
}

void Grid::setCell(int row, int col, const std::string& text) {
    check(row, col);
    std::string& current = cells_[cellIndex(row, col, cols_)];
    // A text written again as it stands is no change: a view need not copy the table for it.
    if (current != text) {
        current = text;
        changed();
    }
}

void Grid::check(int row, int col) const {
    if (row < 0 || row >= rows_ || col < 0 || col >= cols_) {
        throw std::out_of_range("Subscript out of range (grid cell " + std::to_string(row) + ", " +
                                std::to_string(col) + ")");
    }
}

} // namespace korvex

namespace korvex {

void prepareEditableTable(Grid& grid) {
    grid.setColWidth(0, static_cast<int>(std::lround(grid.ColWidth(0) / 2.0)));
    grid.setColAlignment(0, 1);
    for (int row = grid.FixedRows(); row < grid.Rows(); ++row) {
        grid.setTextMatrix(row, 0, std::to_string(row));
    }
}

} // namespace korvex
