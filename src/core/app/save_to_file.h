#pragma once

// Every command that saves a file the user names: the project file, the observation file, the
// saved listing, a printout saved as PDF.

#include "app/desktop.h"

#include <functional>
#include <optional>
#include <string>

namespace korvex {

// Shows the save dialog as the caller sets it up. Cancel (or no name) ends the command, whatever
// name the dialog started with. An existing file is replaced only after the user answers Yes.
// Then beforeWrite runs with the chosen path (a command that shows a message or remembers the
// name between the choice and the write), then content gives the file's bytes, which replace the
// file as writeFileReplacing does. A failure of content or of the write is shown in a message that
// names the file and the reason.
// The chosen path when the file was written; nothing after Cancel, No or a failure, so the caller
// shows its success message only when there was a success.
std::optional<std::string>
saveToChosenFile(Desktop& desktop, FileDialogRequest dialog,
                 const std::function<void(const std::string& path)>& beforeWrite,
                 const std::function<std::string()>& content);

// The file a save dialog names when the user typed this name under the filter with this pattern
// ("*.obs"): a name typed without an extension gets the filter's, so that the file is listed
// under the same filter when it is opened again. A name with an extension keeps it, and a filter
// without one fixed extension ("*.*", "*", "*.t?t") adds none. Of several patterns ("*.txt;*.lst")
// the first counts.
std::string withFilterExtension(const std::string& path, const std::string& pattern);

} // namespace korvex
