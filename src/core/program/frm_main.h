#pragma once

#include "app/vb_types.h"
#include "app/window_model.h"

#include <functional>
#include <string>
#include <vector>

namespace korvex {

// The main window: menus, toolbar and status bar from which every input window opens. It
// remembers its position and size in the per-user settings.
class frmMain : public WindowModel {
public:
    static constexpr const char* kName = "frmMain";

    // Geometry defaults in twips, used when a setting is missing or unreadable.
    static constexpr float kDefaultLeft = 1000;
    static constexpr float kDefaultTop = 1000;
    static constexpr float kDefaultWidth = 6500;
    static constexpr float kDefaultHeight = 6500;

    enum class WindowState { Normal = 0, Minimized = 1, Maximized = 2 };

    explicit frmMain(Application& app);
    std::string_view windowName() const override { return kName; }

    void Form_Load() override;
    void Form_Unload() override;

    // Menu handlers.
    void mnuInputSett_Click();
    void MnuBjerrum_Click();
    void MnuKoppejan_Click();
    void MnuInputConsol_Click();
    void MnuObservation_Click();
    void mnulistfile_Click();
    void mnuFileOpen_Click();
    void mnuFileSave_Click();
    void mnuFilePrint_Click();
    void mnuFileExit_Click();
    void mnuViewToolbar_Click();
    void mnuViewStatusBar_Click();
    void mnuHelpContents_Click();
    void mnuHelpSearchForHelpOn_Click();
    void mnuHelpAbout_Click();
    // The toolbar button with this key: "New", "Open", "Save" or "Print".
    void tbToolBar_ButtonClick(const std::string& key);

    // Whether a menu item or toolbar key can be used: items whose window or command is not part
    // of this build are disabled rather than doing nothing.
    bool isEnabled(const std::string& itemName) const;

    // The commands of the project file and the printed report; installFileCommands sets those
    // that are built.
    std::function<void()> FileOpenCommand;
    std::function<void()> FileSaveCommand;
    std::function<void()> FilePrintCommand;

    // Geometry in twips and the window state, kept up to date by the view.
    float Left = kDefaultLeft;
    float Top = kDefaultTop;
    float Width = kDefaultWidth;
    float Height = kDefaultHeight;
    WindowState State = WindowState::Normal;

    bool mnuViewToolbarChecked = true;
    bool mnuViewStatusBarChecked = true;
    bool tbToolBarVisible = true;
    bool sbStatusBarVisible = true;
    std::string StatusText = "Status";
    // The help file of the program; there is none yet.
    std::string HelpFile;

private:
    void chooseMethod(Integer method);
    void showHelp(int command);
};

} // namespace korvex
