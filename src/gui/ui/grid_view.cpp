#include "ui/grid_view.h"

#include "app/qt_desktop.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QScrollBar>
#include <QStyledItemDelegate>

#include <algorithm>
#include <cmath>

namespace korvex::gui {

int twipsToPixels(double twips) {
    return static_cast<int>(std::lround(twips / 15.0));
}

namespace {

// The table's alignment codes: 0-2 left, 3-5 centre, 6-8 right, 9 numbers right and text left.
constexpr int kAlignGeneral = 9;

bool looksLikeNumber(const QString& text) {
    return !text.isEmpty() && (text[0].isDigit() || text[0] == '-' || text[0] == '.');
}

Qt::Alignment cellAlignment(int code, const QString& text) {
    Qt::Alignment horizontal = Qt::AlignLeft;
    if (code >= 3 && code <= 5) {
        horizontal = Qt::AlignHCenter;
    } else if ((code >= 6 && code <= 8) || (code == kAlignGeneral && looksLikeNumber(text))) {
        horizontal = Qt::AlignRight;
    }
    return horizontal | Qt::AlignVCenter;
}

// The part of a number from its decimal point (or exponent) on; a whole number has none.
QString decimalTail(const QString& text) {
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == '.' || text[i] == 'E' || text[i] == 'e') {
            return text.mid(i);
        }
    }
    return {};
}

// Right-aligned numbers are moved left by what their decimals fall short of the longest in their
// column, so that the decimal points of a column lie one under the other.
class DecimalPointDelegate : public QStyledItemDelegate {
public:
    explicit DecimalPointDelegate(GridView& table) : QStyledItemDelegate(&table), table_(table) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyleOptionViewItem shifted = option;
        // Nothing marks a current cell in a table that is only read.
        shifted.state &= ~QStyle::State_HasFocus;
        const QString text = index.data(Qt::DisplayRole).toString();
        const int alignment = index.data(Qt::TextAlignmentRole).toInt();
        if ((alignment & Qt::AlignRight) != 0 && looksLikeNumber(text)) {
            const int shortfall = table_.decimalsWidth(index.column()) -
                                  option.fontMetrics.horizontalAdvance(decimalTail(text));
            shifted.rect.adjust(0, 0, -std::max(0, shortfall), 0);
        }
        QStyledItemDelegate::paint(painter, shifted, index);
    }

private:
    GridView& table_;
};

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
    // A result table is read, not worked in: no cell stands out as chosen.
    setSelectionMode(readOnly() ? QAbstractItemView::NoSelection
                                : QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    // Tab goes on to the next control of the window; the arrow keys move between cells.
    setTabKeyNavigation(false);
    if (readOnly()) {
        setItemDelegate(new DecimalPointDelegate(*this));
    }
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
    // The window sets the table's fonts after making it: its first refresh measures again.
    shownRevision_ = kNothingShown;
    measured_ = false;
}

void GridView::keepHeadingsWhole() {
    headingsWhole_ = true;
    shownRevision_ = kNothingShown;
    measured_ = false;
}

bool GridView::editing() const {
    return editor_ != nullptr && editor_->visible();
}

void GridView::refreshFromModel() {
    if (closing_) {
        return;
    }
    syncing_ = true;
    if (grid_.revision() != shownRevision_) {
        shownRevision_ = grid_.revision();
        // Row 0 of the model is the heading row, shown as the header; column 0 holds the row
        // numbers.
        bool textsChanged = !measured_;
        if (rowCount() != grid_.Rows() - 1) {
            setRowCount(grid_.Rows() - 1);
            textsChanged = true;
        }
        if (columnCount() != grid_.Cols()) {
            setColumnCount(grid_.Cols());
            textsChanged = true;
        }
        for (int c = 0; c < grid_.Cols(); ++c) {
            QTableWidgetItem* header = horizontalHeaderItem(c);
            if (header == nullptr) {
                header = new QTableWidgetItem;
                setHorizontalHeaderItem(c, header);
            }
            const QString heading = qs(grid_.TextMatrix(0, c));
            if (header->text() != heading) {
                header->setText(heading);
                textsChanged = true;
            }
        }
        for (int r = 1; r < grid_.Rows(); ++r) {
            for (int c = 0; c < grid_.Cols(); ++c) {
                textsChanged = showCell(r, c) || textsChanged;
            }
        }
        for (int c = 0; c < grid_.Cols(); ++c) {
            textsChanged =
                textsChanged || layoutWidths_[static_cast<std::size_t>(c)] != grid_.ColWidth(c);
        }
        // Measuring every text is the dear part of a refresh.
        if (textsChanged) {
            measureColumns();
            placeColumns();
        }
    }
    if (currentRow() != grid_.Row() - 1 || currentColumn() != grid_.Col()) {
        setCurrentCell(grid_.Row() - 1, grid_.Col());
    }
    syncing_ = false;
    syncEditorBox(false);
}

void GridView::forgetShown() {
    shownRevision_ = kNothingShown;
    measured_ = false;
    if (ownEditor_ != nullptr && ownEditor_->visible()) {
        ownEditor_->drop();
    }
    horizontalScrollBar()->setValue(0);
    verticalScrollBar()->setValue(0);
}

bool GridView::showCell(int row, int col) {
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
    const QString shown = qs(grid_.TextMatrix(row, col));
    const bool changed = cell->text() != shown;
    if (changed) {
        cell->setText(shown);
    }
    // Numbers in a result table stand right-aligned unless its window asks otherwise.
    const int code =
        readOnly() && grid_.ColAlignment(col) == 0 ? kAlignGeneral : grid_.ColAlignment(col);
    const Qt::Alignment alignment = cellAlignment(code, shown);
    if (cell->textAlignment() != static_cast<int>(alignment)) {
        cell->setTextAlignment(alignment);
    }
    return changed;
}

void GridView::commitPendingEdit() {
    if (closing_ || !editing()) {
        return;
    }
    editor_->commit();
    refreshFromModel();
}

void GridView::goToCell(int row, int col) {
    if (closing_ || row < 1 || row >= grid_.Rows() || col < 0 || col >= grid_.Cols()) {
        return;
    }
    setFocus(Qt::OtherFocusReason);
    setCurrentCell(row - 1, col);
    scrollTo(model()->index(row - 1, col));
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
        if (keyEvent->key() == Qt::Key_Tab || keyEvent->key() == Qt::Key_Backtab) {
            // Tab leaves the table from the box as from the table itself, writing the edit first
            // (the table takes the focus back as the box closes).
            editor_->setText(ss(lineEdit_->text()));
            editor_->Fg_LeaveCell();
            refreshFromModel();
            focusNextPrevChild(keyEvent->key() == Qt::Key_Tab &&
                               !(keyEvent->modifiers() & Qt::ShiftModifier));
            return true;
        }
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

void GridView::measureColumns() {
    const int columns = columnCount();
    measured_ = true;
    layoutWidths_.assign(static_cast<std::size_t>(columns), 0);
    neededWidths_.assign(static_cast<std::size_t>(columns), 0);
    decimalsWidths_.assign(static_cast<std::size_t>(columns), 0);
    const QFontMetrics cellMetrics = fontMetrics();
    const QFontMetrics headingMetrics(horizontalHeader()->font());
    for (int c = 0; c < columns; ++c) {
        layoutWidths_[static_cast<std::size_t>(c)] = grid_.ColWidth(c);
        int needed = std::max(8, twipsToPixels(grid_.ColWidth(c)));
        // A result table shows every heading and every number whole: the layout's widths were
        // made for a narrower font.
        const QTableWidgetItem* heading = horizontalHeaderItem(c);
        if ((readOnly() || headingsWhole_) && heading != nullptr) {
            needed = std::max(needed, headingMetrics.horizontalAdvance(heading->text()) + 14);
        }
        if (readOnly()) {
            int integers = 0;
            int decimals = 0;
            int texts = 0;
            for (int r = 0; r < rowCount(); ++r) {
                const QTableWidgetItem* cell = item(r, c);
                const QString text = cell != nullptr ? cell->text() : QString();
                if (looksLikeNumber(text)) {
                    const int tail = cellMetrics.horizontalAdvance(decimalTail(text));
                    decimals = std::max(decimals, tail);
                    integers = std::max(integers, cellMetrics.horizontalAdvance(text) - tail);
                } else {
                    texts = std::max(texts, cellMetrics.horizontalAdvance(text));
                }
            }
            decimalsWidths_[static_cast<std::size_t>(c)] = decimals;
            needed = std::max({needed, integers + decimals + 10, texts + 10});
        }
        neededWidths_[static_cast<std::size_t>(c)] = needed;
    }
}

void GridView::placeColumns() {
    const int columns = static_cast<int>(neededWidths_.size());
    int total = 0;
    for (int width : neededWidths_) {
        total += width;
    }
    // A result table wider than its columns shares the room out among its data columns rather
    // than ending in a blank band.
    const int spare = readOnly() ? viewport()->width() - total : 0;
    int dataWidth = 0;
    for (int c = grid_.FixedCols(); c < columns; ++c) {
        dataWidth += neededWidths_[static_cast<std::size_t>(c)];
    }
    int given = 0;
    for (int c = 0; c < columns; ++c) {
        int width = neededWidths_[static_cast<std::size_t>(c)];
        if (spare > 0 && dataWidth > 0 && c >= grid_.FixedCols()) {
            // The last column takes what rounding leaves, so the columns end at the edge.
            const int share =
                c + 1 == columns
                    ? spare - given
                    : static_cast<int>(static_cast<long long>(spare) * width / dataWidth);
            given += share;
            width += share;
        }
        if (columnWidth(c) != width) {
            setColumnWidth(c, width);
        }
    }
}

int GridView::decimalsWidth(int column) const {
    return column >= 0 && column < static_cast<int>(decimalsWidths_.size())
               ? decimalsWidths_[static_cast<std::size_t>(column)]
               : 0;
}

void GridView::resizeEvent(QResizeEvent* event) {
    QTableWidget::resizeEvent(event);
    if (readOnly() && !closing_) {
        placeColumns();
    }
}

void GridView::changeEvent(QEvent* event) {
    QTableWidget::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        // Measured in the old font.
        shownRevision_ = kNothingShown;
        measured_ = false;
    }
}

QSize GridView::minimumSizeHint() const {
    QSize size = QTableWidget::minimumSizeHint();
    if (readOnly() || headingsWhole_) {
        // Never narrower than its columns, so no heading or number is cut.
        size.setWidth(sizeHint().width());
    }
    return size;
}

QSize GridView::sizeHint() const {
    int width = 2 * frameWidth();
    for (int needed : neededWidths_) {
        width += needed;
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
