#pragma once

// Everything the program asks of the desktop it runs on. Core code talks to the user, the printer,
// the clipboard and the settings store only through this interface; the Qt build implements it and
// tests use a recording fake that answers dialogs from a script.

#include <optional>
#include <string>
#include <vector>

namespace korvex {

class GraphModel;

// Message box icons, by the codes the windows use.
enum MsgBoxStyle : int { vbOKOnly = 0, vbExclamation = 48, vbInformation = 64 };

enum class PageOrientation { Portrait = 1, Landscape = 2 };

struct FileDialogRequest {
    std::string title;
    // Pairs of description and pattern separated by vertical bars: "Text files(*.txt)|*.txt".
    std::string filter;
    int filterIndex = 1;
    // The name the dialog starts with (the name chosen last time in the same window, or empty).
    std::string fileName;
    // Whether a save dialog itself asks before an existing file is chosen. The save helper asks
    // through askYesNo instead, so that the user is asked once.
    bool confirmReplace = true;
};

// A text document for the printer: one printed line per entry, in the given font, with the
// left margin in millimetres.
struct TextPrintJob {
    std::vector<std::string> lines;
    std::string fontName = "MS sans Serif";
    double fontSizePoints = 8.0;
    double marginMillimetres = 25.0;
};

class Desktop {
public:
    virtual ~Desktop() = default;

    // A modal message box with an OK button. An empty caption shows the program's title.
    virtual void msgBox(const std::string& text, int style = vbOKOnly,
                        const std::string& caption = {}) = 0;

    // A modal question with the buttons Yes and No: true for Yes.
    virtual bool askYesNo(const std::string& text, const std::string& caption = {}) = 0;

    // Modal file dialogs: the chosen path, or nothing when the user cancelled.
    virtual std::optional<std::string> showOpen(const FileDialogRequest& request) = 0;
    virtual std::optional<std::string> showSave(const FileDialogRequest& request) = 0;
    // The printer dialog: false when the user cancelled.
    virtual bool showPrinter(const std::string& title) = 0;

    // Printing and the clipboard; each returns false when the desktop could not do it.
    virtual bool printText(const TextPrintJob& job) = 0;
    virtual bool printGraph(const GraphModel& graph, double widthTwips, double heightTwips,
                            PageOrientation orientation) = 0;
    virtual bool copyGraphImage(const GraphModel& graph, double widthTwips, double heightTwips) = 0;

    // Whether print jobs have somewhere to go: an installed printer, or a file the printer dialog
    // was told to print into.
    virtual bool printerAvailable() = 0;
    // The pages printText and printGraph would print, as the bytes of a PDF file with the
    // printer's page size and margins and the job's orientation; nothing when they could not be
    // made.
    virtual std::optional<std::string> textPdf(const TextPrintJob& job) = 0;
    virtual std::optional<std::string> graphPdf(const GraphModel& graph, double widthTwips,
                                                double heightTwips,
                                                PageOrientation orientation) = 0;

    // Per-user settings under the program's title, by section and key.
    virtual std::optional<std::string> getSetting(const std::string& section,
                                                  const std::string& key) = 0;
    virtual void saveSetting(const std::string& section, const std::string& key,
                             const std::string& value) = 0;

    virtual void beep() = 0;

    // The help viewer for a help file and command; false when it could not be shown.
    virtual bool showHelp(const std::string& helpFile, int command) = 0;

    // The system-information program of this machine, looked up read-only; nothing when there
    // is none. startProgram returns false when the program could not be started.
    virtual std::optional<std::string> findSystemInfoProgram() = 0;
    virtual bool startProgram(const std::string& path) = 0;

    // One tenth as the system's regional settings write it ("0.1", "0,1", ".1").
    virtual std::string regionalTextOfOneTenth() = 0;

    // Ends the program at once, without closing windows in an orderly way.
    virtual void endProgram() = 0;
};

} // namespace korvex
