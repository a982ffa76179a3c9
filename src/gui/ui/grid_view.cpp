#include "ui/grid_view.h"

#include "app/qt_desktop.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScrollBar>

#include <algorithm>
#include <cctype>
#include <cmath>

namespace korvex::gui {

int twipsToPixels(double twips) {
    return static_cast<int>(std::lround(twips / 15.0));
}

namespace {

// The table's alignment codes: 0-2 left, 3-5 centre, 6-8 right, 9 numbers right and text left.
Qt::Alignment cellAlignment(int code, const std::string& text) {
    Qt::Alignment horizontal = Qt::AlignLeft;
    if (code >= 3 && code <= 5) {
        horizontal = Qt::AlignHCenter;
    } else if (code >= 6 && code <= 8) {
        horizontal = Qt::AlignRight;
    } else if (code == 9 && !text.empty() &&
               (std::isdigit(static_cast<unsigned char>(text[0])) || text[0] == '-' ||
                text[0] == '.')) {
        horizontal = Qt::AlignRight;
    }
    return horizontal | Qt::AlignVCenter;
}

} // namespace

GridView::GridView(Grid& grid, GridCellEditor& editor, QWidget* parent)
    : QTableWidget(parent), grid_(grid), editor_(&editor) {
    setUp();
}

GridView::GridView(Grid& grid, std::string& txtEdit, Desktop& desktop, QWidget* parent)
    : QTableWidget(parent), grid_(grid),
      ownEditor_(std::make_unique<GridCellEditor>(grid, txtEdit, desktop)),
      editor_(ownEditor_.get()) {
    setUp();
}

GridView::GridView(Grid& grid, QWidget* parent) : QTableWidget(parent), grid_(grid) {
    setUp();
}

GridView::~GridView() {
    // A box still open while the window goes would otherwise write into a half-destroyed table.
    closing_ = true;
    disconnect(this, &QTableWidget::currentCellChanged, this, nullptr);
    if (lineEdit_ != nullptr) {
        lineEdit_->removeEventFilter(this);
        disconnect(lineEdit_, nullptr, this, nullptr);
    }
}

void GridView::setUp() {
    // Cells change only through the editor box (or not at all in a result table).
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    verticalHeader()->hide();
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    setWordWrap(false);

    if (editor_ != nullptr) {
        lineEdit_ = new QLineEdit(viewport());
        lineEdit_->setFrame(false);
        // A visible edge tells the user that the cell is being edited and not yet written.
        lineEdit_->setStyleSheet(
            "QLineEdit { border: 2px solid palette(highlight); padding: 0px 1px; }");
        lineEdit_->hide();
        lineEdit_->installEventFilter(this);
        connect(lineEdit_, &QLineEdit::textEdited, this, [this](const QString& text) {
            if (!closing_ && editor_ != nullptr) {
                editor_->setText(ss(text));
            }
        });
        connect(lineEdit_, &QLineEdit::cursorPositionChanged, this, [this](int, int position) {
            if (!closing_ && !syncing_ && editor_ != nullptr) {
                editor_->setCaretPosition(position);
            }
        });
    }
    connect(this, &QTableWidget::currentCellChanged, this, &GridView::onCurrentCellChanged);
    refreshFromModel();
}

bool GridView::editing() const {
    return editor_ != nullptr && editor_->visible();
}

void GridView::refreshFromModel() {
    if (closing_) {
        return;
    }
    syncing_ = true;
    // Row 0 of the model is the heading row, shown as the header; column 0 holds the row numbers.
    if (rowCount() != grid_.Rows() - 1) {
        setRowCount(grid_.Rows() - 1);
    }
    if (columnCount() != grid_.Cols()) {
        setColumnCount(grid_.Cols());
    }
    for (int c = 0; c < grid_.Cols(); ++c) {
        setColumnWidth(c, std::max(8, twipsToPixels(grid_.ColWidth(c))));
        QTableWidgetItem* header = horizontalHeaderItem(c);
        if (header == nullptr) {
            header = new QTableWidgetItem;
            setHorizontalHeaderItem(c, header);
        }
        const QString heading = qs(grid_.TextMatrix(0, c));
        if (header->text() != heading) {
            header->setText(heading);
        }
    }
    for (int r = 1; r < grid_.Rows(); ++r) {
        for (int c = 0; c < grid_.Cols(); ++c) {
            showCell(r, c);
        }
    }
    if (currentRow() != grid_.Row() - 1 || currentColumn() != grid_.Col()) {
        setCurrentCell(grid_.Row() - 1, grid_.Col());
    }
    syncing_ = false;
    syncEditorBox(false);
}

void GridView::showCell(int row, int col) {
    QTableWidgetItem* cell = item(row - 1, col);
    if (cell == nullptr) {
        cell = new QTableWidgetItem;
        if (col < grid_.FixedCols()) {
            // The row numbers look like the heading and cannot be entered.
            cell->setFlags(Qt::NoItemFlags);
            cell->setBackground(palette().button());
            cell->setForeground(palette().buttonText());
        } else {
            cell->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        }
        setItem(row - 1, col, cell);
    }
    const std::string& text = grid_.TextMatrix(row, col);
    const QString shown = qs(text);
    if (cell->text() != shown) {
        cell->setText(shown);
    }
    const Qt::Alignment alignment = cellAlignment(grid_.ColAlignment(col), text);
    if (cell->textAlignment() != static_cast<int>(alignment)) {
        cell->setTextAlignment(alignment);
    }
}

void GridView::commitPendingEdit() {
    if (closing_ || !editing()) {
        return;
    }
    editor_->commit();
    refreshFromModel();
}

void GridView::syncEditorBox(bool giveFocus) {
    if (lineEdit_ == nullptr || closing_) {
        return;
    }
    if (editor_->visible()) {
        syncing_ = true;
        const QString text = qs(editor_->text());
        if (lineEdit_->text() != text) {
            lineEdit_->setText(text);
        }
        lineEdit_->setCursorPosition(editor_->caretPosition());
        syncing_ = false;
        placeEditorBox();
        lineEdit_->show();
        lineEdit_->raise();
        if (giveFocus) {
            lineEdit_->setFocus(Qt::OtherFocusReason);
        }
    } else if (lineEdit_->isVisible()) {
        // The table takes the focus before the box goes: hiding a focused box passes the focus
        // on as a Tab would, and a table takes that Tab as a move to the next column.
        if (lineEdit_->hasFocus()) {
            setFocus(Qt::OtherFocusReason);
        }
        lineEdit_->hide();
    }
}

void GridView::placeEditorBox() {
    if (lineEdit_ == nullptr) {
        return;
    }
    // The box covers the current cell of the model, which is also the view's current cell.
    const QRect cell = visualRect(model()->index(grid_.Row() - 1, grid_.Col()));
    lineEdit_->setGeometry(cell);
}

void GridView::scrollContentsBy(int dx, int dy) {
    QTableWidget::scrollContentsBy(dx, dy);
    if (editing()) {
        placeEditorBox();
    }
}

void GridView::onCurrentCellChanged(int row, int col, int /*previousRow*/, int /*previousCol*/) {
    if (syncing_ || closing_ || row < 0 || col < 0) {
        return;
    }
    // The pending edit belongs to the cell being left, which is still the model's current cell.
    if (editor_ != nullptr) {
        editor_->Fg_LeaveCell();
    }
    grid_.setRow(row + 1);
    grid_.setCol(col);
    refreshFromModel();
}

void GridView::keyPressEvent(QKeyEvent* event) {
    if (readOnly() || closing_) {
        QTableWidget::keyPressEvent(event);
        return;
    }
    const int key = event->key();
    const bool navigation = key == Qt::Key_Tab || key == Qt::Key_Backtab || key == Qt::Key_Delete ||
                            key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_Left ||
                            key == Qt::Key_Right || key == Qt::Key_PageUp ||
                            key == Qt::Key_PageDown || key == Qt::Key_Home || key == Qt::Key_End;
    const QString text = event->text();
    if (navigation || text.isEmpty() || grid_.Col() < grid_.FixedCols()) {
        QTableWidget::keyPressEvent(event);
        return;
    }
    editor_->Fg_KeyPress(text.at(0).unicode());
    event->accept();
    syncEditorBox(true);
}

void GridView::mouseDoubleClickEvent(QMouseEvent* event) {
    QTableWidget::mouseDoubleClickEvent(event);
    if (readOnly() || closing_) {
        return;
    }
    const QModelIndex index = indexAt(event->position().toPoint());
    if (!index.isValid() || index.column() < grid_.FixedCols()) {
        return;
    }
    editor_->Fg_DblClick();
    syncEditorBox(true);
}

void GridView::focusInEvent(QFocusEvent* event) {
    QTableWidget::focusInEvent(event);
    if (editing() && !closing_) {
        editor_->Fg_GotFocus();
        refreshFromModel();
    }
}

bool GridView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == lineEdit_ && event->type() == QEvent::KeyPress && !closing_) {
        auto* keyEvent = static_cast<QKeyEvent*>(event);
        int code = 0;
        switch (keyEvent->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
            code = kKeyEnter;
            break;
        case Qt::Key_Escape:
            code = kKeyEscape;
            break;
        case Qt::Key_Up:
            code = kKeyUp;
            break;
        case Qt::Key_Down:
            code = kKeyDown;
            break;
        default:
            return QTableWidget::eventFilter(watched, event);
        }
        const int shift = (keyEvent->modifiers() & Qt::ShiftModifier) ? 1 : 0;
        editor_->setText(ss(lineEdit_->text()));
        if (editor_->EditKeyCode(code, shift)) {
            refreshFromModel();
            return true;
        }
    }
    return QTableWidget::eventFilter(watched, event);
}

QSize GridView::sizeHint() const {
    int width = 2 * frameWidth();
    for (int c = 0; c < columnCount(); ++c) {
        width += columnWidth(c);
    }
    if (verticalScrollBar() != nullptr) {
        width += verticalScrollBar()->sizeHint().width();
    }
    const int rows = std::min(rowCount(), 21);
    const int height =
        2 * frameWidth() + horizontalHeader()->sizeHint().height() + rows * rowHeight(0);
    return {width, std::max(height, 80)};
}

} // namespace korvex::gui
