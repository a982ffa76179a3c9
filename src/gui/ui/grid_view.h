#pragma once

// A table window's grid on screen: it shows a Grid and, when editable, lays a single-line box over
// the current cell that behaves as GridCellEditor decides (a typed key opens it, Enter commits,
// Esc drops, Up and Down commit and move, leaving the cell or refocusing the table commits).

#include "ui/grid.h"
#include "ui/grid_cell_editor.h"

#include <QTableWidget>
#include <cstdint>
#include <memory>
#include <vector>

class QLineEdit;

namespace korvex::gui {

class GridView : public QTableWidget {
    Q_OBJECT
public:
    // An editable table driven by the given editor; both must outlive this view.
    GridView(Grid& grid, GridCellEditor& editor, QWidget* parent = nullptr);
    // An editable table with an editor of its own over the window's text box.
    GridView(Grid& grid, std::string& txtEdit, Desktop& desktop, QWidget* parent = nullptr);
    // A result table: shown and selectable, never edited.
    explicit GridView(Grid& grid, QWidget* parent = nullptr);
    ~GridView() override;

    // Copies texts, size and column widths from the model when its change stamp moved since the
    // last copy (then the columns are measured again), the current cell always, and shows or hides
    // the cell box as the editor's state says.
    void refreshFromModel();
    // The next refresh copies and measures everything, as in a new table; a pending cell edit of
    // the table's own editor is dropped and the table scrolled back to its start.
    void forgetShown();
    // Writes a pending edit into its cell; a window calls it before a handler reads the table.
    void commitPendingEdit();
    // Makes a cell of the model (row 1 is the first below the headings) the current cell, as a
    // click on it would, shows it and takes the focus.
    void goToCell(int row, int col);

    // Each column at least as wide as its heading, in an editable table too, and the table never
    // narrower than its columns: for a table whose layout widths were made for a smaller font.
    void keepHeadingsWhole();

    bool readOnly() const { return editor_ == nullptr; }
    bool editing() const;
    // The box over the current cell (tests type into it).
    QLineEdit* cellEditor() const { return lineEdit_; }
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
    // How wide the decimals of a column's longest decimal tail are, in pixels (result tables).
    int decimalsWidth(int column) const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void setUp();
    void onCurrentCellChanged(int row, int col, int previousRow, int previousCol);
    void syncEditorBox(bool giveFocus);
    // True when the cell's text changed.
    bool showCell(int row, int col);
    void placeEditorBox();
    // The width each column needs: the layout's (a result table: at least its heading and its
    // numbers, measured in the table's fonts; a table that keeps its headings whole: at least its
    // heading).
    void measureColumns();
    // Sets each column to its needed width; a result table shares the room left among its data
    // columns.
    void placeColumns();

    Grid& grid_;
    std::unique_ptr<GridCellEditor> ownEditor_;
    GridCellEditor* editor_ = nullptr;
    QLineEdit* lineEdit_ = nullptr;
    bool syncing_ = false;
    bool closing_ = false;
    std::vector<int> neededWidths_;
    std::vector<int> decimalsWidths_;
    // The layout's column widths (twips) the columns were measured with.
    std::vector<int> layoutWidths_;
    // The columns were measured since the table was made or its font changed.
    bool measured_ = false;
    bool headingsWhole_ = false;
    // The model's change stamp at the last copy; none before the first.
    std::uint64_t shownRevision_ = kNothingShown;
    static constexpr std::uint64_t kNothingShown = 0;
};

// Screen pixels of a layout size in twips (15 twips to a pixel at 96 dots per inch).
int twipsToPixels(double twips);

} // namespace korvex::gui
