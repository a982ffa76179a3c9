#pragma once

#include "app/application.h"
#include "app/gui_host.h"

#include <QWidget>

namespace korvex::gui {

// The gui half of a window: it lays out its model, copies what the user types into it, runs a
// handler on a click and refreshes from the model afterwards. It decides nothing.
class WindowView : public QWidget {
    Q_OBJECT
public:
    WindowView(WindowModel& model, GuiHost& host, QWidget* parent = nullptr);
    ~WindowView() override;

    WindowModel& model() { return model_; }
    GuiHost& host() { return host_; }

    // Copies the model's texts, options and tables into the widgets.
    virtual void refreshFromModel() = 0;

    // Set by the host when the model is being unloaded: the view then closes without asking the
    // registry again.
    void markReleased() { released_ = true; }
    bool released() const { return released_; }

protected:
    // Runs a handler of the model as the event loop would: errors are shown, never fatal; then
    // every open view is refreshed.
    template <typename F> void handle(F&& handler) {
        if (released_) {
            return;
        }
        commitEdits();
        host_.app().runHandler(std::forward<F>(handler));
        afterHandler();
    }
    // Copies pending widget edits into the model before a handler reads it.
    virtual void commitEdits() {}
    void closeEvent(QCloseEvent* event) override;

private:
    void afterHandler();

    WindowModel& model_;
    GuiHost& host_;
    bool released_ = false;
};

} // namespace korvex::gui
