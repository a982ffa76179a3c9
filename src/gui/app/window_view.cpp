#include "app/window_view.h"

#include "app/input_reading.h"
#include "app/qt_desktop.h"
#include "ui/graph_view.h"
#include "ui/grid_view.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCloseEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>

namespace korvex::gui {

namespace {

// Assistive tools take a plain widget for a filler inside something else; a window of the
// program is told to them as a window.
QAccessibleInterface* accessibleWindow(const QString& /*className*/, QObject* object) {
    auto* view = qobject_cast<WindowView*>(object);
    if (view != nullptr && view->isWindow()) {
        return new QAccessibleWidget(view, QAccessible::Window);
    }
    return nullptr;
}

} // namespace

WindowView::WindowView(WindowModel& model, GuiHost& host, QWidget* parent)
    : QWidget(parent, Qt::Window), model_(model), host_(host) {
    static const bool announcedAsWindows = [] {
        QAccessible::installFactory(accessibleWindow);
        return true;
    }();
    (void)announcedAsWindows;
    setWindowTitle(QString::fromStdString(model.Caption));
}

WindowView::~WindowView() = default;

void WindowView::closeEvent(QCloseEvent* event) {
    if (!released_) {
        // The close box unloads the window like its "Exit" button.
        WindowModel& model = model_;
        commitEdits();
        host_.app().runHandler([&] { host_.app().windows().unload(model); });
        if (!released_) {
            event->ignore();
            return;
        }
    }
    event->accept();
}

void WindowView::showFreshModel() {
    released_ = false;
    forgetShown();
    refreshFromModel();
}

void WindowView::forgetShown() {
    if (QWidget* focus = focusWidget()) {
        focus->clearFocus();
    }
    for (QLineEdit* box : findChildren<QLineEdit*>()) {
        // Setting a box's text clears its undo history and selection and puts the caret at the
        // end, as in a new box.
        box->setText(box->text());
    }
    for (GridView* table : findChildren<GridView*>()) {
        table->forgetShown();
    }
    for (QListWidget* list : findChildren<QListWidget*>()) {
        list->setCurrentRow(-1);
        list->clearSelection();
        list->scrollToTop();
        list->horizontalScrollBar()->setValue(0);
    }
    for (GraphView* graph : findChildren<GraphView*>()) {
        graph->forgetShown();
    }
}

void WindowView::focusInput(const InputField& field) {
    QWidget* control = findChild<QWidget*>(qs(field.control));
    if (control == nullptr || !control->isEnabled()) {
        return;
    }
    raise();
    activateWindow();
    if (auto* table = qobject_cast<GridView*>(control); table != nullptr && field.isCell()) {
        table->goToCell(field.row, field.col);
    } else if (auto* box = qobject_cast<QLineEdit*>(control)) {
        box->setFocus(Qt::OtherFocusReason);
        box->selectAll();
    }
}

void WindowView::afterHandler() {
    // This view may have been released by its own handler; refresh the others regardless.
    host_.refreshAll();
}

QPushButton* WindowView::makeButton(const std::string& caption, std::function<void()> handler) {
    auto* button = new QPushButton(qs(caption), this);
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, [this, handler = std::move(handler)] {
        if (handler) {
            handle([&] { handler(); });
        }
    });
    buttons_.push_back(button);
    return button;
}

void WindowView::setTabOrder(const std::vector<QWidget*>& widgets) {
    for (std::size_t i = 1; i < widgets.size(); ++i) {
        QWidget::setTabOrder(widgets[i - 1], widgets[i]);
    }
}

QPushButton* WindowView::findButton(const std::string& caption, bool enabledOnly) const {
    for (QPushButton* button : buttons_) {
        if (ss(button->text()) == caption && (!enabledOnly || button->isEnabled())) {
            return button;
        }
    }
    return nullptr;
}

} // namespace korvex::gui
