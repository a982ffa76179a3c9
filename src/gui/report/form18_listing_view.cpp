#include "report/form18_listing_view.h"

#include "app/qt_desktop.h"
#include "report/form18_listing.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace korvex::gui {

namespace {

// Draws an entry at the places the report's tab-stop rule gives its pieces, as its printout places
// them; the default drawing would show a tab as one blank and the columns would wander with the
// widths of the numbers before them.
class TabStopDelegate : public QStyledItemDelegate {
public:
    TabStopDelegate(const std::vector<std::vector<PlacedText>>& placed, QObject* parent)
        : QStyledItemDelegate(parent), placed_(placed) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyleOptionViewItem item = option;
        initStyleOption(&item, index);
        item.text.clear();
        // The base class would take the text from the index again: draw the background,
        // selection and focus alone through the style.
        QStyle* style = item.widget != nullptr ? item.widget->style() : QApplication::style();
        style->drawControl(QStyle::CE_ItemViewItem, &item, painter, item.widget);

        const QFontMetricsF metrics(item.font, item.widget);
        painter->save();
        painter->setFont(item.font);
        const bool selected = (option.state & QStyle::State_Selected) != 0;
        painter->setPen(
            option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
        const qreal baseline =
            option.rect.top() + (option.rect.height() - metrics.height()) / 2 + metrics.ascent();
        for (const PlacedText& piece : placedAt(index)) {
            painter->drawText(QPointF(option.rect.left() + kMargin + piece.x, baseline),
                              qs(piece.text));
        }
        painter->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QStyleOptionViewItem item = option;
        initStyleOption(&item, index);
        const QFontMetricsF metrics(item.font, item.widget);
        qreal width = 0;
        for (const PlacedText& piece : placedAt(index)) {
            width = std::max(width, piece.x + metrics.horizontalAdvance(qs(piece.text)));
        }
        return {static_cast<int>(std::ceil(width)) + 2 * kMargin,
                static_cast<int>(metrics.height()) + 2};
    }

private:
    const std::vector<PlacedText>& placedAt(const QModelIndex& index) const {
        static const std::vector<PlacedText> nothing;
        const auto row = static_cast<std::size_t>(index.row());
        return index.row() >= 0 && row < placed_.size() ? placed_[row] : nothing;
    }

    static constexpr int kMargin = 3;
    const std::vector<std::vector<PlacedText>>& placed_;
};

QFont listFont(const Form18& form) {
    QFont font(qs(form.List1FontName), form.List1FontSize);
    // Where the named font is missing, the nearest sans font stands in.
    font.setStyleHint(QFont::SansSerif);
    return font;
}

} // namespace

Form18View::Form18View(Form18& model, GuiHost& host) : WindowView(model, host), form_(model) {
    auto* outer = new QVBoxLayout(this);
    auto* frame = new QGroupBox(this);
    auto* frameLayout = new QVBoxLayout(frame);
    list_ = new QListWidget(frame);
    list_->setObjectName(QStringLiteral("List1"));
    list_->setFont(listFont(form_));
    list_->setUniformItemSizes(true);
    list_->setItemDelegate(new TabStopDelegate(placed_, list_));
    frameLayout->addWidget(list_);
    outer->addWidget(frame, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(makeButton("Print", form_, &Form18::Command2_Click));
    buttons->addWidget(makeButton("Save under Filename", form_, &Form18::Command3_Click));
    buttons->addStretch(1);
    buttons->addWidget(makeButton("Exit", form_, &Form18::Command1_Click));
    outer->addLayout(buttons);
    resize(900, 640);
}

Form18View::~Form18View() = default;

void Form18View::refreshFromModel() {
    setWindowTitle(qs(form_.Caption));
    // Refreshed after every handler of every window: the list (and where it was scrolled) stays
    // until the report's text changes.
    if (form_.List1 == shownLines_) {
        return;
    }
    shownLines_ = form_.List1;
    // Laid out whole, so that a table's lines share their columns.
    placed_ = layOutReport(shownLines_, QFontMetricsF(list_->font(), list_));
    QStringList entries;
    entries.reserve(static_cast<qsizetype>(shownLines_.size()));
    for (const std::string& line : shownLines_) {
        entries.append(qs(line));
    }
    list_->clear();
    list_->addItems(entries);
    // Another report, or the same one after a calculation or a project opened, is read from its
    // first line.
    list_->scrollToTop();
}

} // namespace korvex::gui
