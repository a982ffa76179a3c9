#include "app/qt_desktop.h"

#include "app/application.h"
#include "app/save_to_file.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QFontMetricsF>
#include <QLocale>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>
#include <QTemporaryDir>

#include <cstdlib>
#include <filesystem>
#include <utility>

namespace korvex::gui {

QtDesktop::QtDesktop() = default;
QtDesktop::~QtDesktop() = default;

QPrinter& QtDesktop::printer() {
    if (!printer_) {
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    }
    if (!printToFile_.isEmpty()) {
        printer_->setOutputFormat(QPrinter::PdfFormat);
        printer_->setOutputFileName(printToFile_);
    }
    return *printer_;
}

void QtDesktop::msgBox(const std::string& text, int style, const std::string& caption) {
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(caption.empty() ? QString(kProgramTitle) : qs(caption));
    box.setText(qs(text));
    box.setStandardButtons(QMessageBox::Ok);
    switch (style) {
    case vbExclamation:
        box.setIcon(QMessageBox::Warning);
        break;
    case vbInformation:
        box.setIcon(QMessageBox::Information);
        break;
    default:
        box.setIcon(QMessageBox::NoIcon);
        break;
    }
    box.exec();
}

bool QtDesktop::askYesNo(const std::string& text, const std::string& caption) {
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(caption.empty() ? QString(kProgramTitle) : qs(caption));
    box.setText(qs(text));
    box.setIcon(QMessageBox::Question);
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
}

namespace {

// One filter of a dialog: what Qt shows and filters by, and the program's pattern.
struct DialogFilter {
    QString shown;
    std::string pattern;
};

// "Text files(*.txt)|*.txt|All files(*.*)|*.*|": pairs of description and pattern. Qt filters by
// the patterns in parentheses at the end of what it shows, so a description that ends with its
// own pattern is shown as it is ("All Files (*.*)"), and only one without it gets it appended.
std::vector<DialogFilter> dialogFilters(const std::string& filter) {
    const QStringList parts = qs(filter).split('|');
    std::vector<DialogFilter> result;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        if (parts[i].isEmpty()) {
            continue;
        }
        const QString patterns = QString(parts[i + 1]).replace(';', ' ').simplified();
        const QString ownPatterns = "(" + patterns + ")";
        QString shown = parts[i].trimmed();
        if (!shown.endsWith(ownPatterns)) {
            shown += " " + ownPatterns;
        }
        result.push_back({shown, ss(parts[i + 1])});
    }
    return result;
}

// The open and the save dialogs differ only in what they accept: an open dialog insists on an
// existing file, a save dialog takes any name. The chosen file and the pattern of the filter it
// was chosen under.
std::optional<std::pair<std::string, std::string>>
showFileDialog(const FileDialogRequest& request, QFileDialog::AcceptMode acceptMode,
               QFileDialog::FileMode fileMode) {
    QFileDialog dialog(QApplication::activeWindow(), qs(request.title), qs(request.fileName));
    dialog.setAcceptMode(acceptMode);
    dialog.setFileMode(fileMode);
    // The dialog would ask about the name as typed; the save asks about the file it writes.
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    const std::vector<DialogFilter> filters = dialogFilters(request.filter);
    QStringList shown;
    for (const DialogFilter& filter : filters) {
        shown << filter.shown;
    }
    if (!shown.isEmpty()) {
        dialog.setNameFilters(shown);
        dialog.selectNameFilter(shown.value(std::max(0, request.filterIndex - 1)));
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    const qsizetype chosen = shown.indexOf(dialog.selectedNameFilter());
    return std::pair{ss(dialog.selectedFiles().first()),
                     chosen < 0 ? std::string()
                                : filters[static_cast<std::size_t>(chosen)].pattern};
}

} // namespace

std::optional<std::string> QtDesktop::showOpen(const FileDialogRequest& request) {
    const auto chosen = showFileDialog(request, QFileDialog::AcceptOpen, QFileDialog::ExistingFile);
    if (!chosen) {
        return std::nullopt;
    }
    return chosen->first;
}

std::optional<std::string> QtDesktop::showSave(const FileDialogRequest& request) {
    const auto chosen = showFileDialog(request, QFileDialog::AcceptSave, QFileDialog::AnyFile);
    if (!chosen) {
        return std::nullopt;
    }
    const std::string path = withFilterExtension(chosen->first, chosen->second);
    std::error_code ec;
    if (request.confirmReplace && std::filesystem::exists(path, ec) &&
        !askYesNo("The file " + path + " already exists.\nDo you want to replace it?",
                  request.title)) {
        return std::nullopt;
    }
    return path;
}

bool QtDesktop::showPrinter(const std::string& title) {
    if (!printToFile_.isEmpty()) {
        return true;
    }
    QPrintDialog dialog(&printer(), QApplication::activeWindow());
    dialog.setWindowTitle(qs(title));
    return dialog.exec() == QDialog::Accepted;
}

std::vector<std::vector<PlacedText>> layOutReport(const std::vector<std::string>& lines,
                                                  const QFontMetricsF& metrics, qreal width) {
    return layOutReportLines(
        lines,
        [&metrics](std::string_view text) {
            return metrics.horizontalAdvance(
                QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
        },
        width);
}

namespace {

bool printTextOn(QPrinter& p, const TextPrintJob& job) {
    p.setPageOrientation(QPageLayout::Portrait);
    QPainter painter;
    if (!painter.begin(&p)) {
        return false;
    }
    QFont font(qs(job.fontName));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(job.fontSizePoints);
    painter.setFont(font);
    // Measured on the printer, so that the tab stops and the wrapping are those of its resolution.
    const QFontMetricsF metrics(font, &p);
    const QRect page = p.pageLayout().paintRectPixels(p.resolution());
    const double pixelsPerMm = p.resolution() / 25.4;
    const double left = std::max(0.0, job.marginMillimetres * pixelsPerMm - page.left());
    const double width = page.width() - left;
    const double lineHeight = metrics.lineSpacing();
    double y = lineHeight;
    for (const std::vector<PlacedText>& placed : layOutReport(job.lines, metrics, width)) {
        const int rows = placed.empty() ? 1 : placed.back().row + 1;
        for (int row = 0; row < rows; ++row) {
            if (y > page.height() - lineHeight) {
                // A printer that fails mid-job must not leave a partial printout counted as done.
                if (!p.newPage()) {
                    p.abort();
                    painter.end();
                    return false;
                }
                y = lineHeight;
            }
            for (const PlacedText& piece : placed) {
                if (piece.row == row) {
                    painter.drawText(QPointF(left + piece.x, y), qs(piece.text));
                }
            }
            y += lineHeight;
        }
    }
    return painter.end() && p.printerState() != QPrinter::Error;
}

} // namespace

bool QtDesktop::printText(const TextPrintJob& job) {
    return printTextOn(printer(), job);
}

bool QtDesktop::printerAvailable() {
    // Without a printer the printer dialog offers only a file, and names one by itself (the home
    // folder) unless the user types a name: such jobs go through the save dialog instead, which
    // asks before replacing a file.
    return !printToFile_.isEmpty() || !QPrinterInfo::availablePrinterNames().isEmpty();
}

std::optional<std::string> QtDesktop::pdfOfPages(const std::function<bool(QPrinter&)>& draw) {
    QTemporaryDir dir;
    if (!dir.isValid()) {
        return std::nullopt;
    }
    const QString path = dir.filePath("printout.pdf");
    QPrinter pdf(QPrinter::HighResolution);
    pdf.setOutputFormat(QPrinter::PdfFormat);
    pdf.setOutputFileName(path);
    pdf.setPageLayout(printer().pageLayout());
    if (!draw(pdf)) {
        return std::nullopt;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    const QByteArray bytes = file.readAll();
    if (bytes.isEmpty()) {
        return std::nullopt;
    }
    return bytes.toStdString();
}

std::optional<std::string> QtDesktop::textPdf(const TextPrintJob& job) {
    return pdfOfPages([&](QPrinter& pdf) { return printTextOn(pdf, job); });
}

std::optional<std::string> QtDesktop::getSetting(const std::string& section,
                                                 const std::string& key) {
    QSettings settings(kProgramTitle, kProgramTitle);
    const QString path = qs(section) + "/" + qs(key);
    if (!settings.contains(path)) {
        return std::nullopt;
    }
    return ss(settings.value(path).toString());
}

void QtDesktop::saveSetting(const std::string& section, const std::string& key,
                            const std::string& value) {
    QSettings settings(kProgramTitle, kProgramTitle);
    settings.setValue(qs(section) + "/" + qs(key), qs(value));
}

void QtDesktop::beep() {
    QApplication::beep();
}

bool QtDesktop::showHelp(const std::string& /*helpFile*/, int /*command*/) {
    // There is no help viewer on this platform.
    return false;
}

std::optional<std::string> QtDesktop::findSystemInfoProgram() {
    // Looked up read-only on the search path, in order of preference.
    for (const char* name :
         {"hardinfo", "gnome-system-monitor", "kinfocenter", "xfce4-taskmanager"}) {
        const QString path = QStandardPaths::findExecutable(name);
        if (!path.isEmpty()) {
            return ss(path);
        }
    }
    return std::nullopt;
}

bool QtDesktop::startProgram(const std::string& path) {
    return QProcess::startDetached(qs(path), {});
}

std::string QtDesktop::regionalTextOfOneTenth() {
    return ss(QLocale::system().toString(0.1));
}

void QtDesktop::endProgram() {
    std::exit(0);
}

} // namespace korvex::gui
