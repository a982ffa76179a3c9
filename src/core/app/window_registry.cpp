#include "app/window_registry.h"

#include "app/application.h"

#include <algorithm>
#include <iterator>

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
    for (auto it = loaded_.rbegin(); it != loaded_.rend(); ++it) {
        auto slot = slots_.find(it->model->windowName());
        if (slot != slots_.end()) {
            slots_.erase(slot);
        }
    }
    slots_.clear();
}

void WindowRegistry::remake(Slots::iterator slot) {
    try {
        slot->second.remake(slot->second, app_);
        slot->second.spent = false;
    } catch (...) {
        // The old object is gone and no new one was made: the next loading makes the window anew.
        slots_.erase(slot);
        throw;
    }
}

bool WindowRegistry::showByName(std::string_view name) {
    auto factory = factories_.find(name);
    if (factory == factories_.end()) {
        return false;
    }
    showModel(factory->second.load());
    return true;
}

WindowModel* WindowRegistry::modelObject(std::string_view name) {
    if (WindowModel* loaded = findByName(name)) {
        return loaded;
    }
    if (auto slot = slots_.find(name); slot != slots_.end()) {
        return slot->second.model.get();
    }
    auto factory = factories_.find(name);
    return factory == factories_.end() ? nullptr : &factory->second.object();
}

void WindowRegistry::showModel(WindowModel& model) {
    if (host_ != nullptr && isAlive(&model)) {
        host_->showView(model);
    }
}

void WindowRegistry::unload(WindowModel& model) {
    auto it = std::find_if(loaded_.begin(), loaded_.end(),
                           [&](const Loaded& entry) { return entry.model == &model; });
    if (it == loaded_.end()) {
        return;
    }
    loaded_.erase(it);
    if (auto slot = slots_.find(model.windowName()); slot != slots_.end()) {
        slot->second.spent = true;
    }
    model.Form_Unload();
    if (host_ != nullptr) {
        host_->closeView(model);
    }
}

void WindowRegistry::releaseUnloaded() noexcept {
    for (auto slot = slots_.begin(); slot != slots_.end();) {
        auto next = std::next(slot);
        if (slot->second.spent) {
            try {
                remake(slot);
            } catch (...) {
                // Made when the window is loaded again, where a failure is shown.
            }
        }
        slot = next;
    }
}

void WindowRegistry::announce(ResultsEvent event) {
    // A copy of the list: a window that closes leaves it, and one that refills may load another.
    std::vector<Loaded> order = loaded_;
    std::stable_partition(order.begin(), order.end(),
                          [](const Loaded& entry) { return entry.model->answersFirst(); });
    for (const Loaded& entry : order) {
        // A window closed meanwhile is not answered, nor a later loading of it.
        const bool stillLoaded =
            std::any_of(loaded_.begin(), loaded_.end(), [&](const Loaded& current) {
                return current.model == entry.model && current.loading == entry.loading;
            });
        if (!stillLoaded) {
            continue;
        }
        WindowModel* model = entry.model;
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
        if (i < loaded_.size() && loaded_[i].model != &keep) {
            unload(*loaded_[i].model);
        }
    }
}

void WindowRegistry::unloadAll() {
    while (!loaded_.empty()) {
        unload(*loaded_.back().model);
    }
}

WindowModel* WindowRegistry::findByName(std::string_view name) const {
    for (const Loaded& entry : loaded_) {
        if (entry.model->windowName() == name) {
            return entry.model;
        }
    }
    return nullptr;
}

bool WindowRegistry::isAlive(const WindowModel* model) const {
    return std::any_of(loaded_.begin(), loaded_.end(),
                       [&](const Loaded& entry) { return entry.model == model; });
}

std::vector<WindowModel*> WindowRegistry::loadedInOrder() const {
    std::vector<WindowModel*> result;
    result.reserve(loaded_.size());
    for (const Loaded& entry : loaded_) {
        result.push_back(entry.model);
    }
    return result;
}

} // namespace korvex
