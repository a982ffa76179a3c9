#include "app/save_to_file.h"

#include "app/text_file.h"

#include <filesystem>
#include <stdexcept>

namespace korvex {

std::optional<std::string>
saveToChosenFile(Desktop& desktop, FileDialogRequest dialog,
                 const std::function<void(const std::string& path)>& beforeWrite,
                 const std::function<std::string()>& content) {
    dialog.confirmReplace = false;
    const std::optional<std::string> chosen = desktop.showSave(dialog);
    if (!chosen || chosen->empty()) {
        return std::nullopt;
    }
    const std::string& path = *chosen;
    std::error_code ec;
    if (std::filesystem::exists(path, ec) &&
        !desktop.askYesNo("The file " + path + " already exists.\nDo you want to replace it?",
                          dialog.title)) {
        return std::nullopt;
    }
    if (beforeWrite) {
        beforeWrite(path);
    }
    try {
        writeFileReplacing(path, content());
    } catch (const FileError& error) {
        desktop.msgBox(error.what(), vbExclamation, dialog.title);
        return std::nullopt;
    } catch (const std::exception& error) {
        desktop.msgBox("The file " + path + " could not be written: " + error.what() + ".",
                       vbExclamation, dialog.title);
        return std::nullopt;
    }
    return path;
}

} // namespace korvex
