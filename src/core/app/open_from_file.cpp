#include "app/open_from_file.h"

#include "app/text_file.h"

#include <new>
#include <optional>
#include <stdexcept>

namespace korvex {

void showOpenedFile(Desktop& desktop, const std::string& path) {
    desktop.msgBox("The opened File is:  " + path, vbOKOnly, kOpenFileCaption);
}

bool openChosenFile(Desktop& desktop, const FileDialogRequest& dialog, const std::string& caption,
                    std::string_view readAs,
                    const std::function<void(const std::string& path)>& afterChoice,
                    const std::function<void(std::string_view bytes)>& read,
                    const std::function<void(const std::string& path)>& apply) {
    const std::optional<std::string> chosen = desktop.showOpen(dialog);
    if (!chosen || chosen->empty()) {
        return false;
    }
    const std::string& path = *chosen;
    if (afterChoice) {
        afterChoice(path);
    }
    const auto refuse = [&](const std::string& reason) {
        desktop.msgBox("The file " + path + " cannot be read as " + std::string(readAs) + ": " +
                           reason + ". Nothing was changed.",
                       vbExclamation, caption);
        return false;
    };
    // Only the reading runs under these catches: a failure of apply is no fault of the file.
    try {
        read(readFileBytes(path));
    } catch (const FileError& error) {
        desktop.msgBox(error.what(), vbExclamation, caption);
        return false;
    } catch (const FileLineRefusal& refusal) {
        return refuse("line " + std::to_string(refusal.line()) + ", " + refusal.what());
    } catch (const std::bad_alloc&) {
        return refuse("there is not enough memory to read it");
    } catch (const std::length_error&) {
        return refuse("there is not enough memory to read it");
    } catch (const std::exception& error) {
        return refuse(error.what());
    }
    apply(path);
    return true;
}

} // namespace korvex
