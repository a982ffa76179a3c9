#pragma once

#include "app/window_model.h"

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace korvex {

class Application;
struct InputField;

// What the gui does for the registry: open, close and refresh the views of window models.
class ViewHost {
public:
    virtual ~ViewHost() = default;
    // True when the gui has a view for the window of that name.
    virtual bool hasView(std::string_view windowName) const = 0;
    // Shows the model's view (creating it when needed) without a modal wait, or brings it forward.
    virtual void showView(WindowModel& model) = 0;
    // Closes the model's view; the model is about to be released.
    virtual void closeView(WindowModel& model) = 0;
    // Puts the cursor on a box or table cell of a shown window (after a refusal that names it).
    virtual void focusInput(const InputField& field) = 0;
};

// Each window exists at most once. Loading creates the model and runs its Form_Load; loading a
// loaded window does nothing. Showing loads and then brings the view forward. Unloading runs
// Form_Unload, closes the view and drops the fields.
class WindowRegistry {
public:
    explicit WindowRegistry(Application& app) : app_(app) {}
    ~WindowRegistry();

    void setViewHost(ViewHost* host) { host_ = host; }
    ViewHost* viewHost() const { return host_; }

    template <typename T> T& load() {
        if (T* existing = find<T>()) {
            return *existing;
        }
        auto model = std::make_unique<T>(app_);
        T& ref = *model;
        insert(std::move(model));
        ref.Form_Load();
        return ref;
    }

    template <typename T> T* find() const { return static_cast<T*>(findByName(T::kName)); }

    template <typename T> T& show() {
        T& model = load<T>();
        showModel(model);
        return model;
    }

    template <typename T> void unload() {
        if (T* model = find<T>()) {
            unload(*model);
        }
    }

    // Every window model of the program is registered once, when the Application is made
    // (registerWindowModels), so any part of the program can open a window by name without
    // knowing its subsystem.
    template <typename T> void registerModel() {
        factories_[T::kName] = [this]() -> WindowModel& { return load<T>(); };
    }
    bool hasModel(std::string_view name) const { return factories_.find(name) != factories_.end(); }
    // Loads the named window (when needed) and shows it; false when no such window exists.
    bool showByName(std::string_view name);

    void showModel(WindowModel& model);
    void unload(WindowModel& model);
    // Unloads every window loaded after `keep`, the last loaded first.
    void unloadAllExcept(const WindowModel& keep);
    // Unloads every window, the last loaded first.
    void unloadAll();

    WindowModel* findByName(std::string_view name) const;
    bool isLoaded(std::string_view name) const { return findByName(name) != nullptr; }
    bool isAlive(const WindowModel* model) const;
    std::vector<WindowModel*> loadedInOrder() const;

    // True when the window can be shown on this desktop: its view exists.
    bool canShow(std::string_view name) const { return host_ != nullptr && host_->hasView(name); }
    // True when the window can be opened by name: its model and its view exist.
    bool canShowByName(std::string_view name) const { return hasModel(name) && canShow(name); }

    // Puts the cursor on the box or cell a refusal named, once the refusal has been shown.
    void focusInput(const InputField& field) {
        if (host_ != nullptr) {
            host_->focusInput(field);
        }
    }

    // Tells every loaded window that results changed, the input windows first and otherwise in
    // loading order; each keeps, refills or closes itself as its model says.
    void announce(ResultsEvent event);

    // Models that were unloaded while one of their own handlers was running stay alive until the
    // event has been handled; the gui calls this once the stack has unwound.
    void releaseUnloaded() { unloaded_.clear(); }

private:
    void insert(std::unique_ptr<WindowModel> model);

    Application& app_;
    ViewHost* host_ = nullptr;
    std::vector<std::unique_ptr<WindowModel>> loaded_;
    std::vector<std::unique_ptr<WindowModel>> unloaded_;
    std::map<std::string, std::function<WindowModel&()>, std::less<>> factories_;
};

} // namespace korvex
