#include "app/printing.h"

#include "app/save_to_file.h"

#include <stdexcept>

namespace korvex {

void printPages(Desktop& desktop, const std::function<bool()>& toPrinter,
                const std::function<std::optional<std::string>()>& asPdf,
                const std::string& printerFailure) {
    if (desktop.printerAvailable()) {
        if (!toPrinter()) {
            desktop.msgBox(printerFailure, vbExclamation);
        }
        return;
    }
    const FileDialogRequest dialog{"No printer is installed: save the printout as PDF",
                                   "PDF files (*.pdf)|*.pdf", 1, ""};
    saveToChosenFile(desktop, dialog, nullptr, [&] {
        std::optional<std::string> pdf = asPdf();
        if (!pdf) {
            throw std::runtime_error("the pages could not be made");
        }
        return std::move(*pdf);
    });
}

void printTextPages(Desktop& desktop, const TextPrintJob& job) {
    printPages(
        desktop, [&] { return desktop.printText(job); }, [&] { return desktop.textPdf(job); },
        "The printout could not be printed. Please check that a printer is installed and ready.");
}

} // namespace korvex
