#pragma once

// File, Save of the main window: the project file, the settlement and consolidation report with
// the header that marks it as a project, from which File, Open takes the input back.

namespace korvex {

class Application;

// Refuses while no method is chosen. Otherwise asks for a file in the save dialog, which starts
// empty so that Cancel ends the command whatever was chosen before, and asks before replacing a
// file. Names the file in a message before writing it; FileName holds the file only once it is
// written, so a failed save keeps the project's former name and shows no "saved" message.
void saveProjectFile(Application& app);

} // namespace korvex
