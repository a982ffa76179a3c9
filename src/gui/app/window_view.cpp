#include "app/window_view.h"

#include "app/qt_desktop.h"

#include <QCloseEvent>
#include <QPushButton>

namespace korvex::gui {

WindowView::WindowView(WindowModel& model, GuiHost& host, QWidget* parent)
    : QWidget(parent, Qt::Window), model_(model), host_(host) {
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

QPushButton* WindowView::findButton(const std::string& caption, bool enabledOnly) const {
    for (QPushButton* button : buttons_) {
        if (ss(button->text()) == caption && (!enabledOnly || button->isEnabled())) {
            return button;
        }
    }
    return nullptr;
}

} // namespace korvex::gui
