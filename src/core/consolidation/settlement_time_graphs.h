#pragma once

// The settlement-time graph windows: Form6 takes one graph of the result window at a time,
// Form15 the five series with and without drains.

#include "app/window_model.h"
#include "ui/graph_model.h"

namespace korvex {

class SettlementTimeGraphWindow : public WindowModel {
public:
    // "Exit"
    void Command1_Click();
    // "Print": landscape, 15000 x 8500 twips.
    void Command2_Click();
    // "Image to Clipboard"
    void Command3_Click();

    GraphModel Graph1;

protected:
    SettlementTimeGraphWindow(Application& app, const char* caption, int sets, double widthTwips,
                              const char* legends[]);
};

class Form6 : public SettlementTimeGraphWindow {
public:
    static constexpr const char* kName = "Form6";
    explicit Form6(Application& app);
    std::string_view windowName() const override { return kName; }
};

class Form15 : public SettlementTimeGraphWindow {
public:
    static constexpr const char* kName = "Form15";
    explicit Form15(Application& app);
    std::string_view windowName() const override { return kName; }
};

} // namespace korvex
