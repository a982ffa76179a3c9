#pragma once

#include "app/desktop.h"
#include "app/tab_stops.h"

#include <QString>
#include <functional>
#include <memory>
#include <vector>

class QFontMetricsF;
class QPrinter;
class QWidget;

namespace korvex::gui {

// The desktop of a Qt session: message boxes, dialogs, the printer, the clipboard and the
// per-user settings.
class QtDesktop : public Desktop {
public:
    QtDesktop();
    ~QtDesktop() override;

    void msgBox(const std::string& text, int style, const std::string& caption) override;
    bool askYesNo(const std::string& text, const std::string& caption) override;
    std::optional<std::string> showOpen(const FileDialogRequest& request) override;
    std::optional<std::string> showSave(const FileDialogRequest& request) override;
    bool showPrinter(const std::string& title) override;
    bool printText(const TextPrintJob& job) override;
    bool printGraph(const GraphModel& graph, double widthTwips, double heightTwips,
                    PageOrientation orientation) override;
    bool copyGraphImage(const GraphModel& graph, double widthTwips, double heightTwips) override;
    bool printerAvailable() override;
    std::optional<std::string> textPdf(const TextPrintJob& job) override;
    std::optional<std::string> graphPdf(const GraphModel& graph, double widthTwips,
                                        double heightTwips, PageOrientation orientation) override;
    std::optional<std::string> getSetting(const std::string& section,
                                          const std::string& key) override;
    void saveSetting(const std::string& section, const std::string& key,
                     const std::string& value) override;
    void beep() override;
    bool showHelp(const std::string& helpFile, int command) override;
    std::optional<std::string> findSystemInfoProgram() override;
    bool startProgram(const std::string& path) override;
    std::string regionalTextOfOneTenth() override;
    void endProgram() override;

    // Send every print job to this PDF file instead of the system printer (tests); a printer then
    // counts as available.
    void setPrintToFile(const QString& pdfPath) { printToFile_ = pdfPath; }
    QPrinter& printer();

private:
    // The pages draw puts on a printer, as the bytes of a PDF file with the printer's page layout.
    std::optional<std::string> pdfOfPages(const std::function<bool(QPrinter&)>& draw);

    std::unique_ptr<QPrinter> printer_;
    QString printToFile_;
};

// The lines of a report laid out by the program's tab-stop rule in a font as a device measures it
// (the listing's screen, or a printer at its resolution); a width above 0 wraps each line to it.
std::vector<std::vector<PlacedText>> layOutReport(const std::vector<std::string>& lines,
                                                  const QFontMetricsF& metrics, qreal width = 0);

// Converts between the program's UTF-8 text and Qt's.
inline QString qs(const std::string& text) {
    return QString::fromStdString(text);
}
inline std::string ss(const QString& text) {
    return text.toStdString();
}

} // namespace korvex::gui
