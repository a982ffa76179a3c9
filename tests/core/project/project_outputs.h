#pragma once

// What a user gets of the project the state holds: the listing, the text File, Print prints and
// the file File, Save writes, so that two programs can be compared output by output.

#include "project/project_file_writer.h"
#include "report/form18_listing.h"
#include "report/main_menu_printout.h"
#include "support/temp_folder.h"
#include "support/test_app.h"

#include <string>
#include <vector>

namespace korvex::test {

// File, Save of the main window, the user choosing `path` (and replacing a file there).
inline void saveProject(TestApp& t, const std::string& path) {
    t.desktop.saveAnswers = {path};
    t.desktop.yesNoAnswers = {true};
    saveProjectFile(t.app);
}

struct ProjectOutputs {
    std::vector<std::string> listing, printout;
    std::string file;
};

// The project file is written to `path`. A listing open shows what its answers to the events left
// in it; a program without one shows it now.
inline ProjectOutputs projectOutputs(TestApp& t, const std::string& path) {
    ProjectOutputs out;
    if (Form18* listing = t.windows().find<Form18>()) {
        out.listing = listing->List1;
    } else {
        showListing(t.windows());
        out.listing = t.windows().find<Form18>()->List1;
    }
    t.desktop.printerAnswers = {true};
    report::printMainMenuReport(t.app);
    out.printout = t.desktop.printedText.back().lines;
    saveProject(t, path);
    out.file = fileBytes(path);
    return out;
}

} // namespace korvex::test
