#pragma once

#include <string>
#include <string_view>

namespace korvex {

class Application;
struct Module1;
class Desktop;
class WindowRegistry;

// What changed, announced to every loaded window by WindowRegistry::announce.
enum class ResultsEvent {
    SettlementResultsChanged,
    ConsolidationResultsChanged,
    PreloadResultsChanged,
    ObservationsChanged,
    // An analysis of the plate's readings (Asaoka, a rate plot) was made: only what lists its
    // results follows.
    ObservationAnalysisChanged,
    // A project file was opened: the inputs are new and every earlier result belongs to another
    // project.
    ProjectReplaced,
    // The other method was chosen: every settlement, consolidation and preload result of the
    // method before is gone; the inputs stay.
    MethodChanged,
};

// How a window answers an event: it keeps what it shows, fills itself again, or closes.
enum class WindowReaction { Keep, Refill, Close };

// The usual answer of a result window: it fills itself again when the results it shows change and
// closes when the project is replaced or the other method leaves no results.
constexpr WindowReaction resultWindowReaction(ResultsEvent event, ResultsEvent ownResults) {
    if (event == ownResults) {
        return WindowReaction::Refill;
    }
    return event == ResultsEvent::ProjectReplaced || event == ResultsEvent::MethodChanged
               ? WindowReaction::Close
               : WindowReaction::Keep;
}

// The core half of a window: the text of its boxes, the state of its options and tables, and one
// member function per handler. Its view in the gui shows it and forwards events to it.
class WindowModel {
public:
    explicit WindowModel(Application& app) : app_(app) {}
    virtual ~WindowModel() = default;
    WindowModel(const WindowModel&) = delete;
    WindowModel& operator=(const WindowModel&) = delete;

    // The program's name of the window ("Form1", "frmMain").
    virtual std::string_view windowName() const = 0;

    // Runs once when the window is loaded.
    virtual void Form_Load() {}
    // Runs when the window is unloaded, before its fields are dropped.
    virtual void Form_Unload() {}

    // A window never shows a result beside the inputs of another calculation: each one says how
    // it answers every event. Keep by default.
    virtual WindowReaction reactionTo(ResultsEvent) const { return WindowReaction::Keep; }
    // Runs for an event the window answers with Refill; by default it fills itself as its loading
    // does.
    virtual void refill(ResultsEvent) { Form_Load(); }
    // An input window answers an event before the other windows: their answers read what it shows
    // or what its filling leaves in the state (the report takes the project's names from the
    // settlement input window's boxes).
    virtual bool answersFirst() const { return false; }

    std::string Caption;

protected:
    Application& app() { return app_; }
    Module1& state();
    Desktop& desktop();
    WindowRegistry& windows();
    const WindowRegistry& windows() const;

private:
    Application& app_;
};

} // namespace korvex
