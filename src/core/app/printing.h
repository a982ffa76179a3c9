#pragma once

// Where the pages of a print command go: to the printer, or, on a machine without one, into a PDF
// file the user names, so that every printout can still be made.

#include "app/desktop.h"

#include <functional>
#include <optional>
#include <string>

namespace korvex {

// Prints with toPrinter when a printer is available, and shows printerFailure when it fails.
// Without one it offers to save the same pages, made by asPdf, as a PDF file through a save dialog;
// Cancel prints nothing.
void printPages(Desktop& desktop, const std::function<bool()>& toPrinter,
                const std::function<std::optional<std::string>()>& asPdf,
                const std::string& printerFailure);

// A text printout (a report, a listing) through printPages.
void printTextPages(Desktop& desktop, const TextPrintJob& job);

} // namespace korvex
