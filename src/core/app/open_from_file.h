#pragma once

// Every command that opens a file the user names: the project file and the observation file. The
// counterpart of saveToChosenFile (app/save_to_file.h).

#include "app/desktop.h"

#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace korvex {

// The caption of the messages about a file being opened; saving a project opens its file too.
inline constexpr const char* kOpenFileCaption = "Korvex Open file";

// The message that names the file just opened.
void showOpenedFile(Desktop& desktop, const std::string& path);

// A line of a file that does not hold what its place in the file requires.
class FileLineRefusal : public std::runtime_error {
public:
    FileLineRefusal(int line, const std::string& reason)
        : std::runtime_error(reason), line_(line) {}
    int line() const { return line_; }

private:
    int line_;
};

// Shows the open dialog as the caller sets it up. Cancel (or no name) ends the command, whatever
// name the dialog started with. Then afterChoice runs with the chosen path (a window that
// remembers the name for its next dialog), the file is read whole and `read` parses its bytes into
// the caller's record. A file that cannot be read, a FileLineRefusal, and any other failure of the
// reading or parsing, lack of memory included, is shown in a message (under `caption`) that names
// the file, what it could not be read as (`readAs`, "a project file") and the reason; nothing else
// happens. Otherwise `apply` puts the record in place. True when it did.
bool openChosenFile(Desktop& desktop, const FileDialogRequest& dialog, const std::string& caption,
                    std::string_view readAs,
                    const std::function<void(const std::string& path)>& afterChoice,
                    const std::function<void(std::string_view bytes)>& read,
                    const std::function<void(const std::string& path)>& apply);

} // namespace korvex
