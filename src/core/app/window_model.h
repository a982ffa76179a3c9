#pragma once

#include <string>
#include <string_view>

namespace korvex {

class Application;
struct Module1;
class Desktop;
class WindowRegistry;

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
