#include "app/gui_host.h"

#include "app/input_reading.h"
#include "app/window_view.h"

#include <QApplication>
#include <QTimer>

namespace korvex::gui {

GuiHost::GuiHost(Application& app) : app_(app) {
    app_.windows().setViewHost(this);
}

GuiHost::~GuiHost() {
    app_.windows().setViewHost(nullptr);
    for (auto& [model, view] : views_) {
        if (view) {
            view->markReleased();
            delete view.data();
        }
    }
}

void GuiHost::registerView(const std::string& windowName, Factory factory) {
    factories_[windowName] = std::move(factory);
}

bool GuiHost::hasView(std::string_view windowName) const {
    return factories_.find(windowName) != factories_.end();
}

void GuiHost::showView(WindowModel& model) {
    auto existing = views_.find(&model);
    if (existing != views_.end() && existing->second) {
        WindowView* view = existing->second;
        view->refreshFromModel();
        view->show();
        view->raise();
        view->activateWindow();
        return;
    }
    auto factory = factories_.find(model.windowName());
    if (factory == factories_.end()) {
        return;
    }
    WindowView* view = factory->second(model, *this);
    views_[&model] = view;
    view->setAttribute(Qt::WA_DeleteOnClose, false);
    view->refreshFromModel();
    view->show();
    view->raise();
    view->activateWindow();
}

void GuiHost::closeView(WindowModel& model) {
    auto it = views_.find(&model);
    if (it == views_.end()) {
        return;
    }
    QPointer<WindowView> view = it->second;
    views_.erase(it);
    if (view) {
        view->markReleased();
        view->hide();
        view->deleteLater();
    }
    // The model may be running the handler that unloaded it: release it once the event is done.
    QTimer::singleShot(0, &context_, [this] { app_.windows().releaseUnloaded(); });
    // The program runs as long as any window is open.
    if (app_.windows().loadedInOrder().empty()) {
        QTimer::singleShot(0, &context_, [] { QCoreApplication::quit(); });
    }
}

void GuiHost::focusInput(const InputField& field) {
    if (WindowView* view = viewOf(field.window); view != nullptr && !view->released()) {
        view->focusInput(field);
    }
}

void GuiHost::refreshAll() {
    for (auto& [model, view] : views_) {
        if (view && !view->released()) {
            view->refreshFromModel();
        }
    }
}

WindowView* GuiHost::viewOf(const WindowModel& model) const {
    auto it = views_.find(&model);
    return it == views_.end() ? nullptr : it->second.data();
}

WindowView* GuiHost::viewOf(std::string_view windowName) const {
    WindowModel* model = app_.windows().findByName(windowName);
    return model ? viewOf(*model) : nullptr;
}

void registerAllViews(GuiHost& host) {
    registerProgramViews(host);
    registerUiViews(host);
    registerSettlementViews(host);
    registerConsolidationViews(host);
    registerPreloadViews(host);
    registerObservationViews(host);
    registerReportViews(host);
}

} // namespace korvex::gui
