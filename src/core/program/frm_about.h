#pragma once

#include "app/window_model.h"

namespace korvex {

// The about window: name, version and what the program calculates, and a button that starts the
// machine's system-information program.
class frmAbout : public WindowModel {
public:
    static constexpr const char* kName = "frmAbout";

    explicit frmAbout(Application& app);
    std::string_view windowName() const override { return kName; }

    void Form_Load() override;
    void cmdOK_Click();
    void cmdSysInfo_Click();
    void StartSysInfo();

    std::string lblTitle;
    std::string lblVersion = "Version: 3.0.1";
    std::string lblDescription;
    std::string lblDisclaimer;
    std::string cmdSysInfo = "&System Info...";
    std::string cmdOK = "OK";
};

} // namespace korvex
