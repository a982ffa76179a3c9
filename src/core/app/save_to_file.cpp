#include "app/save_to_file.h"

#include "app/text_file.h"

#include <filesystem>
#include <stdexcept>
#include <string_view>

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

std::string withFilterExtension(const std::string& path, const std::string& pattern) {
    const std::string first = pattern.substr(0, pattern.find_first_of("; "));
    if (first.size() < 3 || first.compare(0, 2, "*.") != 0 ||
        first.find_first_of("*?[", 2) != std::string::npos) {
        return path;
    }
    const std::size_t nameStart = path.find_last_of("/\\");
    const std::string_view name =
        std::string_view(path).substr(nameStart == std::string::npos ? 0 : nameStart + 1);
    if (name.empty() || name.find('.') != std::string_view::npos) {
        return path;
    }
    return path + first.substr(1);
}

} // namespace korvex
