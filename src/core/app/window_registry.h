#pragma once

#include "app/window_model.h"

#include <cstdint>
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
//
// A window's model object keeps its address for the whole run: unloading leaves it with its old
// fields until the event has been handled, then makes it afresh in place, and loading again runs
// Form_Load on that fresh object. A view built once on it therefore shows every later loading of
// the window without being told of a new object.
class WindowRegistry {
public:
    explicit WindowRegistry(Application& app) : app_(app) {}
    ~WindowRegistry();
    WindowRegistry(const WindowRegistry&) = delete;
    WindowRegistry& operator=(const WindowRegistry&) = delete;

    void setViewHost(ViewHost* host) { host_ = host; }
    ViewHost* viewHost() const { return host_; }

    template <typename T> T& load() {
        if (T* existing = find<T>()) {
            return *existing;
        }
        T& ref = freshObject<T>();
        loaded_.push_back({&ref, ++loadings_});
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
        factories_[T::kName] = {[this]() -> WindowModel& { return load<T>(); },
                                [this]() -> WindowModel& { return freshObject<T>(); }};
    }
    bool hasModel(std::string_view name) const { return factories_.find(name) != factories_.end(); }
    // Loads the named window (when needed) and shows it; false when no such window exists.
    bool showByName(std::string_view name);
    // The model object of a registered window, loaded or not (one that was never loaded is made
    // without loading it), so that its view can be built before the window first opens; null
    // for a window that is not registered.
    WindowModel* modelObject(std::string_view name);

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

    // Models that were unloaded while one of their own handlers was running keep their fields
    // until the event has been handled; the gui calls this once the stack has unwound, and each
    // is made afresh.
    void releaseUnloaded() noexcept;

private:
    struct Slot {
        std::unique_ptr<WindowModel> model;
        // Destroys the object and builds it again at the same address; also tells the type the
        // slot was made for.
        void (*remake)(Slot&, Application&) = nullptr;
        // Unloaded, with its old fields still in place.
        bool spent = false;
    };
    struct Loaded {
        WindowModel* model;
        // Tells one loading of a window from a later one of the same object.
        std::uint64_t loading;
    };
    struct Factory {
        std::function<WindowModel&()> load;
        std::function<WindowModel&()> object;
    };

    template <typename T> static void remakeAs(Slot& slot, Application& app) {
        T* object = static_cast<T*>(slot.model.release());
        std::destroy_at(object);
        try {
            std::construct_at(object, app);
        } catch (...) {
            ::operator delete(static_cast<void*>(object));
            throw;
        }
        slot.model.reset(object);
    }

    // The window's object, fresh (as just made) unless it is loaded.
    template <typename T> T& freshObject() {
        auto it = slots_.find(std::string_view(T::kName));
        if (it != slots_.end() && it->second.remake != &remakeAs<T>) {
            // Another window type of the same name had the slot.
            slots_.erase(it);
            it = slots_.end();
        }
        if (it == slots_.end()) {
            it = slots_.emplace(T::kName, Slot{std::make_unique<T>(app_), &remakeAs<T>}).first;
        } else if (it->second.spent) {
            remake(it);
        }
        return static_cast<T&>(*it->second.model);
    }
    using Slots = std::map<std::string, Slot, std::less<>>;
    void remake(Slots::iterator slot);

    Application& app_;
    ViewHost* host_ = nullptr;
    Slots slots_;
    std::vector<Loaded> loaded_;
    std::uint64_t loadings_ = 0;
    std::map<std::string, Factory, std::less<>> factories_;
};

} // namespace korvex
