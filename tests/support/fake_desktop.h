#pragma once

// A desktop for tests: it records every message, print job, clipboard copy, setting and beep, and
// answers dialogs from a script the test sets up beforehand.

#include "app/desktop.h"
#include "app/input_reading.h"
#include "app/window_registry.h"
#include "ui/graph_model.h"

#include <deque>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace korvex::test {

struct RecordedMessage {
    std::string text;
    int style;
    std::string caption;
};

struct RecordedGraphJob {
    double widthTwips;
    double heightTwips;
    PageOrientation orientation;
    int numSets;
    int numPoints;
    std::string title;
};

class FakeDesktop : public Desktop {
public:
    // Answers for the next dialogs, in order; an unset answer means Cancel.
    std::deque<std::optional<std::string>> openAnswers;
    std::deque<std::optional<std::string>> saveAnswers;
    std::deque<bool> printerAnswers;
    // Answers to askYesNo; an unset answer means No.
    std::deque<bool> yesNoAnswers;
    std::string regionalOneTenth = "0.1";
    std::optional<std::string> systemInfoProgram;
    bool startProgramSucceeds = true;
    bool printSucceeds = true;
    // A machine without a printer: print commands offer PDF files instead.
    bool printerInstalled = true;

    std::vector<RecordedMessage> messages;
    std::vector<RecordedMessage> questions;
    std::vector<FileDialogRequest> openRequests, saveRequests;
    std::vector<std::string> printerTitles;
    std::vector<TextPrintJob> printedText;
    std::vector<RecordedGraphJob> printedGraphs;
    std::vector<RecordedGraphJob> clipboardImages;
    std::vector<TextPrintJob> pdfText;
    std::vector<RecordedGraphJob> pdfGraphs;
    static constexpr const char* kPdfBytes = "%PDF-1.4 pages of the fake desktop\n";
    std::map<std::string, std::string> settings;
    std::vector<std::string> startedPrograms;
    std::vector<std::pair<std::string, int>> helpRequests;
    int beeps = 0;
    bool ended = false;

    void msgBox(const std::string& text, int style, const std::string& caption) override {
        messages.push_back({text, style, caption});
    }
    bool askYesNo(const std::string& text, const std::string& caption) override {
        questions.push_back({text, 0, caption});
        if (yesNoAnswers.empty()) {
            return false;
        }
        bool answer = yesNoAnswers.front();
        yesNoAnswers.pop_front();
        return answer;
    }
    std::optional<std::string> showOpen(const FileDialogRequest& request) override {
        openRequests.push_back(request);
        return next(openAnswers);
    }
    std::optional<std::string> showSave(const FileDialogRequest& request) override {
        saveRequests.push_back(request);
        return next(saveAnswers);
    }
    bool showPrinter(const std::string& title) override {
        printerTitles.push_back(title);
        if (printerAnswers.empty()) {
            return true;
        }
        bool answer = printerAnswers.front();
        printerAnswers.pop_front();
        return answer;
    }
    bool printText(const TextPrintJob& job) override {
        printedText.push_back(job);
        return printSucceeds;
    }
    bool printGraph(const GraphModel& graph, double width, double height,
                    PageOrientation orientation) override {
        printedGraphs.push_back(record(graph, width, height, orientation));
        return printSucceeds;
    }
    bool copyGraphImage(const GraphModel& graph, double width, double height) override {
        clipboardImages.push_back(record(graph, width, height, PageOrientation::Portrait));
        return true;
    }
    bool printerAvailable() override { return printerInstalled; }
    std::optional<std::string> textPdf(const TextPrintJob& job) override {
        pdfText.push_back(job);
        return kPdfBytes;
    }
    std::optional<std::string> graphPdf(const GraphModel& graph, double width, double height,
                                        PageOrientation orientation) override {
        pdfGraphs.push_back(record(graph, width, height, orientation));
        return kPdfBytes;
    }
    std::optional<std::string> getSetting(const std::string& section,
                                          const std::string& key) override {
        auto it = settings.find(section + "/" + key);
        if (it == settings.end()) {
            return std::nullopt;
        }
        return it->second;
    }
    void saveSetting(const std::string& section, const std::string& key,
                     const std::string& value) override {
        settings[section + "/" + key] = value;
    }
    void beep() override { ++beeps; }
    bool showHelp(const std::string& helpFile, int command) override {
        helpRequests.emplace_back(helpFile, command);
        return true;
    }
    std::optional<std::string> findSystemInfoProgram() override { return systemInfoProgram; }
    bool startProgram(const std::string& path) override {
        startedPrograms.push_back(path);
        return startProgramSucceeds;
    }
    std::string regionalTextOfOneTenth() override { return regionalOneTenth; }
    void endProgram() override { ended = true; }

    // The texts of all messages shown so far.
    std::vector<std::string> messageTexts() const {
        std::vector<std::string> texts;
        for (const auto& m : messages) {
            texts.push_back(m.text);
        }
        return texts;
    }

private:
    static std::optional<std::string> next(std::deque<std::optional<std::string>>& answers) {
        if (answers.empty()) {
            return std::nullopt;
        }
        auto answer = answers.front();
        answers.pop_front();
        return answer;
    }
    static RecordedGraphJob record(const GraphModel& graph, double width, double height,
                                   PageOrientation orientation) {
        return {width, height, orientation, graph.NumSets(), graph.NumPoints(), graph.GraphTitle()};
    }
};

// A view host for core tests: every window has a view (unless named in withoutView), and the shown
// and closed windows are recorded by name.

class FakeViewHost : public ViewHost {
public:
    std::vector<std::string> shown;
    std::vector<std::string> closed;
    std::vector<std::string> withoutView;
    std::vector<InputField> focused;

    bool hasView(std::string_view name) const override {
        for (const auto& n : withoutView) {
            if (n == name) {
                return false;
            }
        }
        return true;
    }
    void showView(WindowModel& model) override { shown.emplace_back(model.windowName()); }
    void closeView(WindowModel& model) override { closed.emplace_back(model.windowName()); }
    void focusInput(const InputField& field) override { focused.push_back(field); }
};

} // namespace korvex::test
