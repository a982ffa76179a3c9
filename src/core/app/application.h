#pragma once

#include "app/desktop.h"
#include "app/window_registry.h"

#include <memory>
#include <string>

namespace korvex {

struct Module1;

// The program's title: the caption of untitled message boxes and the settings' application name.
inline constexpr const char* kProgramTitle = "KORVEX";

// Registers the models of the windows a run has. Only the composition root knows every window
// (registerWindowModels, program/program_windows.h), so whoever makes an Application hands it in.
using WindowModelRegistration = void (*)(WindowRegistry& windows);

// One run of the program: the shared state, the desktop it talks to and its windows. Every
// subsystem works through it; making one makes the state and registers the windows it is given.
class Application {
public:
    Application(Desktop& desktop, WindowModelRegistration registerWindows);
    ~Application();

    Module1& state() { return *state_; }
    // One part of the state (GeneralState, SettlementInput, ...), for a window that needs no more
    // and so need not be rebuilt when another part changes.
    template <class Part> Part& part();
    Desktop& desktop() { return desktop_; }
    WindowRegistry& windows() { return windows_; }
    const WindowRegistry& windows() const { return windows_; }

    // Runs a handler as the program's event loop would: an error inside it ends the handler and
    // is shown to the user with its text; it never ends the program.
    template <typename F> void runHandler(F&& handler) noexcept {
        try {
            handler();
        } catch (const std::exception& error) {
            reportError(error.what());
        } catch (...) {
            reportError("Unexpected error.");
        }
    }

    void reportError(const std::string& text) noexcept;

private:
    Desktop& desktop_;
    std::unique_ptr<Module1> state_;
    WindowRegistry windows_;
};

} // namespace korvex
