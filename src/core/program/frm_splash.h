#pragma once

#include "app/window_model.h"

namespace korvex {

// The start window: it refuses a desktop whose decimal symbol is a comma, then waits for
// "Start/Accept" or "Exit".
class frmSplash : public WindowModel {
public:
    static constexpr const char* kName = "frmSplash";

    explicit frmSplash(Application& app);
    std::string_view windowName() const override { return kName; }

    void Form_Load() override;
    // "Start/Accept"
    void Command1_Click();
    // "Exit"
    void Command2_Click();

    // True when loading found a comma as decimal symbol and ended the program.
    bool refused() const { return refused_; }

    std::string lblProductName = "KORVEX";
    std::string lblSubtitle = "  Settlement and Consolidation ";
    std::string lblVersion = "Version 3.0.2";
    std::string Label1;
    std::string lblCompany;
    std::string Command1 = "Start/Accept";
    std::string Command2 = "Exit";

private:
    bool refused_ = false;
};

// Start-up: shows the start window and, unless it refused the desktop, sets the defaults of the
// shared state. Returns false when the program has ended.
bool Main(Application& app);

} // namespace korvex
