#pragma once

// Where the program is put together: every window model it has (registerWindowModels, declared
// with Application) and the commands of the main window's File menu. A new subsystem adds its
// windows and commands here (docs/ARCHITECTURE.md).

namespace korvex {

class Application;
class frmMain;

// Sets the main window's Open, Save and Print commands of the subsystems that provide them; a
// command left unset keeps its menu item and toolbar button disabled.
void installFileCommands(frmMain& main, Application& app);

} // namespace korvex
