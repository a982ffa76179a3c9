#pragma once

#include "app/application.h"
#include "app/gui_host.h"

#include <QWidget>

#include <functional>
#include <string>
#include <vector>

class QPushButton;

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

    // Copies the model's texts, options and tables into the widgets. It runs after every handler
    // for every open window, so it puts in only what changed: a box is set when the model's text
    // differs from the box's, a table copies and measures its cells when the table's change stamp
    // moved (Grid::revision), a graph is drawn again when its data was drawn anew, and the
    // listing replaces its lines when the report's lines differ.
    virtual void refreshFromModel() = 0;

    // The model was loaded afresh since this view last showed it (the window opens again, or for
    // the first time on a view built before it opened): the view shows it as a view built now
    // would, with nothing left from before.
    void showFreshModel();

    // Brings the window forward with the cursor in the named box, its text selected for retyping,
    // or on the named cell of a table. Boxes and tables are found by their object names, which
    // are the program's names of the controls.
    void focusInput(const InputField& field);

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
        host_.handlerStarted();
        host_.app().runHandler(std::forward<F>(handler));
        host_.handlerFinished();
        afterHandler();
    }
    // Copies pending widget edits into the model before a handler reads it.
    virtual void commitEdits() {}
    // Drops what the widgets keep beyond the model: the focus, edit history and cursor of the
    // boxes, a pending cell edit, the scroll positions and selections, the column widths a user
    // dragged, and what the tables and graphs remember having shown. A view that keeps more
    // extends it.
    virtual void forgetShown();
    void closeEvent(QCloseEvent* event) override;

    // A push button of this window that runs the handler through handle() on a click. It never
    // becomes a default button, so Enter stays with the box or table cell being edited.
    QPushButton* makeButton(const std::string& caption, std::function<void()> handler);
    template <typename Form>
    QPushButton* makeButton(const std::string& caption, Form& form, void (Form::*handler)()) {
        return makeButton(caption, [&form, handler] { (form.*handler)(); });
    }
    // The button made with this caption, or, with enabledOnly, the enabled one (two buttons of a
    // window may share a caption while only one of them applies).
    QPushButton* findButton(const std::string& caption, bool enabledOnly = false) const;
    // Tab goes through these widgets in this order (where the order of making them differs from
    // the window's layout).
    static void setTabOrder(const std::vector<QWidget*>& widgets);

private:
    void afterHandler();

    std::vector<QPushButton*> buttons_;

    WindowModel& model_;
    GuiHost& host_;
    bool released_ = false;
};

} // namespace korvex::gui
