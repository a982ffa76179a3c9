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
#include <QTextOption>
#include <QVBoxLayout>

namespace korvex::gui {

namespace {

// A report column is about eight characters wide, as in the classic list box whose tab stops
// the report's tables were laid out for; a heading wider than that takes two stops.
constexpr int kCharactersPerTabStop = 8;

// Draws an entry with its tabs expanded at fixed stops; the default drawing would show a tab as
// one blank and the columns would wander with the widths of the numbers before them.
class TabStopDelegate : public QStyledItemDelegate {
public:
    TabStopDelegate(qreal tabStop, QObject* parent)
        : QStyledItemDelegate(parent), tabStop_(tabStop) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyleOptionViewItem item = option;
        initStyleOption(&item, index);
        const QString text = item.text;
        item.text.clear();
        // The base class would take the text from the index again: draw the background,
        // selection and focus alone through the style.
        QStyle* style = item.widget != nullptr ? item.widget->style() : QApplication::style();
        style->drawControl(QStyle::CE_ItemViewItem, &item, painter, item.widget);

        QTextOption layout(Qt::AlignLeft | Qt::AlignVCenter);
        layout.setTabStopDistance(tabStop_);
        layout.setWrapMode(QTextOption::NoWrap);
        painter->save();
        painter->setFont(item.font);
        const bool selected = (option.state & QStyle::State_Selected) != 0;
        painter->setPen(
            option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
        const QRectF area = QRectF(option.rect).adjusted(kMargin, 0, 0, 0);
        painter->drawText(area, text, layout);
        painter->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        QStyleOptionViewItem item = option;
        initStyleOption(&item, index);
        const QFontMetricsF metrics(item.font);
        const int tabStops = static_cast<int>(tabStop_);
        const QRectF bounds =
            metrics.boundingRect(QRectF(0, 0, 1e6, 1e6), Qt::TextExpandTabs, item.text, tabStops);
        return {static_cast<int>(bounds.width()) + 2 * kMargin,
                static_cast<int>(metrics.height()) + 2};
    }

private:
    static constexpr int kMargin = 3;
    qreal tabStop_;
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
    list_->setItemDelegate(new TabStopDelegate(tabStopDistance(), list_));
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

qreal Form18View::tabStopDistance() const {
    return kCharactersPerTabStop * QFontMetricsF(listFont(form_)).averageCharWidth();
}

void Form18View::refreshFromModel() {
    setWindowTitle(qs(form_.Caption));
    QStringList entries;
    entries.reserve(static_cast<qsizetype>(form_.List1.size()));
    for (const std::string& line : form_.List1) {
        entries.append(qs(line));
    }
    // Refreshed after every handler of every window: keep the list (and where it was scrolled)
    // when its text did not change.
    bool same = list_->count() == entries.size();
    for (int i = 0; same && i < entries.size(); ++i) {
        same = list_->item(i)->text() == entries[i];
    }
    if (!same) {
        list_->clear();
        list_->addItems(entries);
    }
}

} // namespace korvex::gui
