#pragma once

#include "app/application.h"
#include "app/window_registry.h"

#include <QMetaObject>
#include <QObject>
#include <QPointer>
#include <QSize>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>

namespace korvex::gui {

class WindowView;

// The gui side of the window registry. A window's view is built the first time the window opens,
// or before that while the program waits for the user, and kept for the rest of the run: closing
// the window hides its view, and opening it again shows the freshly loaded model in the same
// widgets. After each handler the host refreshes every open view; a view redraws only what
// changed (see WindowView::refreshFromModel).
class GuiHost : public ViewHost {
public:
    using Factory = std::function<WindowView*(WindowModel& model, GuiHost& host)>;
    // When a window's view is built: while the program waits for the user after start-up (see
    // buildViewsWhenIdle), or not before the window first opens. A view whose constructor takes
    // what the window's loading sets can only be built then.
    enum class Building { WhenIdle, WhenShown };

    explicit GuiHost(Application& app);
    ~GuiHost() override;
    GuiHost(const GuiHost&) = delete;
    GuiHost& operator=(const GuiHost&) = delete;

    // How every subsystem registers a window's view: the window's model type and the function
    // that builds the view on that model, `make(Form&, GuiHost&)` (newView<View> for a view
    // class built as View(model, host)).
    template <typename Form, typename Make>
    void registerView(Make make, Building building = Building::WhenIdle) {
        registerView(
            Form::kName,
            [make](WindowModel& model, GuiHost& host) -> WindowView* {
                return make(static_cast<Form&>(model), host);
            },
            building);
    }
    void registerView(const std::string& windowName, Factory factory,
                      Building building = Building::WhenIdle);

    bool hasView(std::string_view windowName) const override;
    void showView(WindowModel& model) override;
    void closeView(WindowModel& model) override;
    void focusInput(const InputField& field) override;

    // Copies every open model into its view again.
    void refreshAll();
    // The view of a loaded model, if it is shown.
    WindowView* viewOf(const WindowModel& model) const;
    WindowView* viewOf(std::string_view windowName) const;

    // Builds, one at a time whenever the event loop has nothing else to do, the views registered
    // to be built when idle that do not exist yet. It starts once a shown window has appeared, so
    // the start window never appears later for it.
    void buildViewsWhenIdle();

    // WindowView::handle brackets each handler: a view shown by the handler is refreshed once,
    // after it, with the others.
    void handlerStarted() { ++handlersRunning_; }
    void handlerFinished() { --handlersRunning_; }

    Application& app() { return app_; }

private:
    struct Registered {
        Factory factory;
        Building building = Building::WhenIdle;
    };
    struct Kept {
        QPointer<WindowView> view;
        // The model object the view was built on; it keeps its address while it is unloaded and
        // loaded again.
        const WindowModel* model = nullptr;
        // Showing the loaded model; a hidden view shows the model afresh at the next opening.
        bool showing = false;
        // The size its constructor gave it, if it gave one; a view left to its layout is sized
        // from its contents when shown, as Qt sizes a window shown for the first time.
        std::optional<QSize> builtSize;
    };

    Kept* build(const std::string& windowName, WindowModel& model);
    void buildWhenIdle();
    bool aWindowHasAppeared() const;

    Application& app_;
    std::map<std::string, Registered, std::less<>> factories_;
    std::map<std::string, Kept, std::less<>> views_;
    int handlersRunning_ = 0;
    std::deque<std::string> idleBuilds_;
    QMetaObject::Connection idleWatch_;
    bool idleBuildQueued_ = false;
    // Owns the queued calls, so none of them outlives the host.
    QObject context_;
};

// The maker of a view that is a class of its own, built as View(model, host).
template <typename View>
inline constexpr auto newView =
    [](auto& model, GuiHost& host) -> WindowView* { return new View(model, host); };

} // namespace korvex::gui
