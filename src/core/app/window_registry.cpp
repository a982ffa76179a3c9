#include "app/window_registry.h"

#include "app/application.h"

#include <algorithm>

namespace korvex {

Module1& WindowModel::state() {
    return app_.state();
}
Desktop& WindowModel::desktop() {
    return app_.desktop();
}
WindowRegistry& WindowModel::windows() {
    return app_.windows();
}
const WindowRegistry& WindowModel::windows() const {
    return app_.windows();
}

WindowRegistry::~WindowRegistry() {
    // Release in reverse order of loading without running handlers: the run is over.
    while (!loaded_.empty()) {
        loaded_.pop_back();
    }
    unloaded_.clear();
}

void WindowRegistry::insert(std::unique_ptr<WindowModel> model) {
    loaded_.push_back(std::move(model));
}

bool WindowRegistry::showByName(std::string_view name) {
    auto factory = factories_.find(name);
    if (factory == factories_.end()) {
        return false;
    }
    showModel(factory->second());
    return true;
}

void WindowRegistry::showModel(WindowModel& model) {
    if (host_ != nullptr && isAlive(&model)) {
        host_->showView(model);
    }
}

void WindowRegistry::unload(WindowModel& model) {
    auto it = std::find_if(loaded_.begin(), loaded_.end(),
                           [&](const auto& entry) { return entry.get() == &model; });
    if (it == loaded_.end()) {
        return;
    }
    std::unique_ptr<WindowModel> owned = std::move(*it);
    loaded_.erase(it);
    owned->Form_Unload();
    if (host_ != nullptr) {
        host_->closeView(*owned);
    }
    unloaded_.push_back(std::move(owned));
}

void WindowRegistry::announce(ResultsEvent event) {
    // A copy of the list: a window that closes leaves it, and one that refills may load another.
    std::vector<WindowModel*> order = loadedInOrder();
    std::stable_partition(order.begin(), order.end(),
                          [](const WindowModel* model) { return model->answersFirst(); });
    for (WindowModel* model : order) {
        if (!isAlive(model)) {
            continue;
        }
        switch (model->reactionTo(event)) {
        case WindowReaction::Keep:
            break;
        case WindowReaction::Refill:
            model->refill(event);
            break;
        case WindowReaction::Close:
            unload(*model);
            break;
        }
    }
}

void WindowRegistry::unloadAllExcept(const WindowModel& keep) {
    for (std::size_t i = loaded_.size(); i-- > 0;) {
        if (i < loaded_.size() && loaded_[i].get() != &keep) {
            unload(*loaded_[i]);
        }
    }
}

void WindowRegistry::unloadAll() {
    while (!loaded_.empty()) {
        unload(*loaded_.back());
    }
}

WindowModel* WindowRegistry::findByName(std::string_view name) const {
    for (const auto& model : loaded_) {
        if (model->windowName() == name) {
            return model.get();
        }
    }
    return nullptr;
}

bool WindowRegistry::isAlive(const WindowModel* model) const {
    return std::any_of(loaded_.begin(), loaded_.end(),
                       [&](const auto& entry) { return entry.get() == model; });
}

std::vector<WindowModel*> WindowRegistry::loadedInOrder() const {
    std::vector<WindowModel*> result;
    for (const auto& model : loaded_) {
        result.push_back(model.get());
    }
    return result;
}

} // namespace korvex
