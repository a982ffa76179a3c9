#pragma once

// A settlement session on the real Qt views, with a desktop that records messages and printed
// graphs instead of opening modal boxes or printing.

#include "app/application.h"
#include "app/gui_host.h"
#include "app/qt_desktop.h"
#include "app/window_view.h"
#include "program/program_windows.h"
#include "settlement/register_views.h"
#include "state/module1.h"
#include "support/typing.h"
#include "ui/grid_view.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include <string>
#include <vector>

namespace korvex::test {

class RecordingQtDesktop : public gui::QtDesktop {
public:
    struct Message {
        std::string text;
        int style;
        std::string caption;
    };
    std::vector<Message> messages;
    int beeps = 0;
    int printedGraphs = 0;

    void msgBox(const std::string& text, int style, const std::string& caption) override {
        messages.push_back({text, style, caption});
    }
    void beep() override { ++beeps; }
    bool printerAvailable() override { return true; }
    bool printGraph(const GraphModel&, double, double, PageOrientation) override {
        ++printedGraphs;
        return true;
    }
};

struct SettlementSession {
    RecordingQtDesktop desktop;
    Application app{desktop, registerWindowModels};
    gui::GuiHost host{app};

    SettlementSession() {
        app.state().setDefaults();
        gui::registerSettlementViews(host);
    }

    template <typename View> View* view(const char* windowName) {
        return dynamic_cast<View*>(host.viewOf(windowName));
    }
};

} // namespace korvex::test
