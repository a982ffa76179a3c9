#pragma once

#include "app/application.h"
#include "app/window_registry.h"

#include <QObject>
#include <QPointer>
#include <functional>
#include <map>
#include <string>

namespace korvex::gui {

class WindowView;

// The gui side of the window registry: it knows a view for each window name, creates the view
// when a model is shown, closes it when the model is unloaded, and refreshes every open view
// after a handler has run.
class GuiHost : public ViewHost {
public:
    using Factory = std::function<WindowView*(WindowModel& model, GuiHost& host)>;

    explicit GuiHost(Application& app);
    ~GuiHost() override;

    void registerView(const std::string& windowName, Factory factory);

    bool hasView(std::string_view windowName) const override;
    void showView(WindowModel& model) override;
    void closeView(WindowModel& model) override;
    void focusInput(const InputField& field) override;

    // Copies every open model into its view again.
    void refreshAll();
    // The view of a loaded model, if it has been shown.
    WindowView* viewOf(const WindowModel& model) const;
    WindowView* viewOf(std::string_view windowName) const;

    Application& app() { return app_; }

private:
    Application& app_;
    std::map<std::string, Factory, std::less<>> factories_;
    std::map<const WindowModel*, QPointer<WindowView>> views_;
    // Owns the queued calls, so none of them outlives the host.
    QObject context_;
};

// Registers the views of every subsystem that has them.
void registerAllViews(GuiHost& host);
void registerProgramViews(GuiHost& host);
void registerUiViews(GuiHost& host);
void registerSettlementViews(GuiHost& host);
void registerConsolidationViews(GuiHost& host);
void registerPreloadViews(GuiHost& host);
void registerObservationViews(GuiHost& host);
void registerReportViews(GuiHost& host);

} // namespace korvex::gui
