#pragma once

// A desktop for the benchmarks that answers nothing and shows nothing. A message means the site
// was refused, which would make the figures meaningless, so it stops the run.

#include "app/desktop.h"

#include <stdexcept>
#include <string>

namespace korvex::bench {

class SilentDesktop : public Desktop {
public:
    void msgBox(const std::string& text, int, const std::string&) override {
        throw std::runtime_error("unexpected message: " + text);
    }
    bool askYesNo(const std::string&, const std::string&) override { return false; }
    std::optional<std::string> showOpen(const FileDialogRequest&) override { return {}; }
    std::optional<std::string> showSave(const FileDialogRequest&) override { return {}; }
    bool showPrinter(const std::string&) override { return false; }
    bool printText(const TextPrintJob&) override { return false; }
    bool printGraph(const GraphModel&, double, double, PageOrientation) override { return false; }
    bool copyGraphImage(const GraphModel&, double, double) override { return false; }
    bool printerAvailable() override { return false; }
    std::optional<std::string> textPdf(const TextPrintJob&) override { return {}; }
    std::optional<std::string> graphPdf(const GraphModel&, double, double,
                                        PageOrientation) override {
        return {};
    }
    std::optional<std::string> getSetting(const std::string&, const std::string&) override {
        return {};
    }
    void saveSetting(const std::string&, const std::string&, const std::string&) override {}
    void beep() override {}
    bool showHelp(const std::string&, int) override { return false; }
    std::optional<std::string> findSystemInfoProgram() override { return {}; }
    bool startProgram(const std::string&) override { return false; }
    std::string regionalTextOfOneTenth() override { return "0.1"; }
    void endProgram() override {}
};

} // namespace korvex::bench
