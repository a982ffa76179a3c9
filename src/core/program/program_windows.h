#pragma once

// Where the program is put together: every window model it has and the commands of the main
// window's File menu. A new subsystem adds its windows and commands here (docs/ARCHITECTURE.md).

namespace korvex {

class Application;
class WindowRegistry;
class frmMain;

// Registers the model of every window that is built, so that any part of the program can open a
// window by name without knowing its subsystem; a window whose model is not registered counts as
// not built, and whatever opens it is disabled. The program, its tests and benchmarks make their
// Application with it.
void registerWindowModels(WindowRegistry& windows);

// Sets the main window's Open, Save and Print commands of the subsystems that provide them; a
// command left unset keeps its menu item and toolbar button disabled.
void installFileCommands(frmMain& main, Application& app);

} // namespace korvex
