#include "app/gui_host.h"

#include "app/input_reading.h"
#include "app/window_view.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QTimer>
#include <QWindow>

namespace korvex::gui {

GuiHost::GuiHost(Application& app) : app_(app) {
    app_.windows().setViewHost(this);
}

GuiHost::~GuiHost() {
    app_.windows().setViewHost(nullptr);
    for (auto& [name, kept] : views_) {
        if (kept.view) {
            kept.view->markReleased();
            delete kept.view.data();
        }
    }
}

void GuiHost::registerView(const std::string& windowName, Factory factory, Building building) {
    factories_[windowName] = {std::move(factory), building};
}

bool GuiHost::hasView(std::string_view windowName) const {
    return factories_.find(windowName) != factories_.end();
}

GuiHost::Kept* GuiHost::build(const std::string& windowName, WindowModel& model) {
    auto factory = factories_.find(windowName);
    if (factory == factories_.end()) {
        return nullptr;
    }
    WindowView* view = factory->second.factory(model, *this);
    view->setAttribute(Qt::WA_DeleteOnClose, false);
    Kept& kept = views_[windowName];
    if (kept.view) {
        kept.view->markReleased();
        delete kept.view.data();
    }
    kept = {view, &model, false, std::nullopt};
    if (view->testAttribute(Qt::WA_Resized)) {
        kept.builtSize = view->size();
    }
    return &kept;
}

void GuiHost::showView(WindowModel& model) {
    const std::string name(model.windowName());
    auto existing = views_.find(name);
    Kept* kept =
        existing != views_.end() && existing->second.view && existing->second.model == &model
            ? &existing->second
            : build(name, model);
    if (kept == nullptr) {
        return;
    }
    WindowView* view = kept->view;
    if (!kept->showing) {
        // Opened again (or for the first time on a view built ahead): at the size it was built
        // with, showing the model as loaded now.
        view->showFreshModel();
        if (kept->builtSize) {
            view->resize(*kept->builtSize);
        } else if (view->testAttribute(Qt::WA_WState_ExplicitShowHide)) {
            // Shown before: a window shown for the first time is sized from its contents.
            view->adjustSize();
        }
        kept->showing = true;
    } else if (handlersRunning_ == 0) {
        view->refreshFromModel();
    }
    view->show();
    view->raise();
    view->activateWindow();
}

void GuiHost::closeView(WindowModel& model) {
    auto it = views_.find(model.windowName());
    if (it == views_.end() || it->second.model != &model || !it->second.showing) {
        return;
    }
    it->second.showing = false;
    if (WindowView* view = it->second.view) {
        view->markReleased();
        view->hide();
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
    for (auto& [name, kept] : views_) {
        if (kept.showing && kept.view && !kept.view->released()) {
            kept.view->refreshFromModel();
        }
    }
}

WindowView* GuiHost::viewOf(const WindowModel& model) const {
    auto it = views_.find(model.windowName());
    if (it == views_.end() || it->second.model != &model || !it->second.showing) {
        return nullptr;
    }
    return it->second.view.data();
}

WindowView* GuiHost::viewOf(std::string_view windowName) const {
    WindowModel* model = app_.windows().findByName(windowName);
    return model ? viewOf(*model) : nullptr;
}

void GuiHost::buildViewsWhenIdle() {
    idleBuilds_.clear();
    for (const auto& [name, registered] : factories_) {
        if (registered.building == Building::WhenIdle && views_.find(name) == views_.end()) {
            idleBuilds_.push_back(name);
        }
    }
    QObject::disconnect(idleWatch_);
    // The loop is about to wait for the user: nothing the user asked for is pending.
    idleWatch_ = QObject::connect(QAbstractEventDispatcher::instance(),
                                  &QAbstractEventDispatcher::aboutToBlock, &context_, [this] {
                                      if (idleBuilds_.empty()) {
                                          QObject::disconnect(idleWatch_);
                                      } else if (!idleBuildQueued_ && aWindowHasAppeared()) {
                                          idleBuildQueued_ = true;
                                          QTimer::singleShot(0, &context_, [this] {
                                              idleBuildQueued_ = false;
                                              buildWhenIdle();
                                          });
                                      }
                                  });
}

bool GuiHost::aWindowHasAppeared() const {
    for (const auto& [name, kept] : views_) {
        if (kept.showing && kept.view && kept.view->windowHandle() != nullptr &&
            kept.view->windowHandle()->isExposed()) {
            return true;
        }
    }
    return false;
}

void GuiHost::buildWhenIdle() {
    while (!idleBuilds_.empty()) {
        const std::string name = std::move(idleBuilds_.front());
        idleBuilds_.pop_front();
        if (views_.find(name) != views_.end()) {
            continue;
        }
        try {
            if (WindowModel* model = app_.windows().modelObject(name)) {
                build(name, *model);
                // One view a turn: the user's next event waits for one at most.
                return;
            }
        } catch (...) {
            // Built when the window opens, where a failure is shown.
        }
    }
}

} // namespace korvex::gui
