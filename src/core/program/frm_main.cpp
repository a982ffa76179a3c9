#include "program/frm_main.h"

#include "app/application.h"
#include "app/number_text.h"
#include "consolidation/form4_consolidation_input.h"
#include "program/frm_about.h"
#include "program/program_windows.h"
#include "report/form18_listing.h"
#include "report/method_refusal.h"
#include "settlement/form1_settlement_input.h"
#include "state/module1.h"

#include <cmath>

namespace korvex {

namespace {

constexpr const char* kSettingsSection = "Settings";

// A stored number, or the default when the setting is missing or holds no number.
float readTwips(Desktop& desktop, const char* key, float fallback) {
    std::optional<std::string> text = desktop.getSetting(kSettingsSection, key);
    if (!text || !num::hasLeadingNumber(*text)) {
        return fallback;
    }
    double value = num::leadingNumber(*text);
    if (!std::isfinite(value) || value < -1e7 || value > 1e7) {
        return fallback;
    }
    return num::toSingle(value);
}

} // namespace

frmMain::frmMain(Application& app) : WindowModel(app) {
    Caption = "Setllement and Consolidation";
    installFileCommands(*this, app);
}

void frmMain::Form_Load() {
    Left = readTwips(desktop(), "MainLeft", kDefaultLeft);
    Top = readTwips(desktop(), "MainTop", kDefaultTop);
    Width = readTwips(desktop(), "MainWidth", kDefaultWidth);
    Height = readTwips(desktop(), "MainHeight", kDefaultHeight);
}

void frmMain::Form_Unload() {
    windows().unloadAllExcept(*this);
    if (State == WindowState::Minimized) {
        return;
    }
    desktop().saveSetting(kSettingsSection, "MainLeft", num::boxText(Left));
    desktop().saveSetting(kSettingsSection, "MainTop", num::boxText(Top));
    desktop().saveSetting(kSettingsSection, "MainWidth", num::boxText(Width));
    desktop().saveSetting(kSettingsSection, "MainHeight", num::boxText(Height));
}

void frmMain::mnuInputSett_Click() {
    app().part<GeneralState>().Method = 0;
}

void frmMain::chooseMethod(Integer method) {
    if (app().part<GeneralState>().Method == 0) {
        if (Form18* listing = windows().find<Form18>()) {
            windows().unload(*listing);
        }
    }
    // An input window open for the chosen method keeps what was typed since the last
    // calculation; for the other method it is reopened, so its table takes that method's columns.
    if (Form1* input = windows().find<Form1>(); input && input->methodLoadedFor != method) {
        windows().unload(*input);
    }
    Module1& st = app().state();
    st.Method = method;
    st.ListMode = 0;
    // Results of the other method would stand under this method's name and layer table: they go,
    // and the coefficients typed for either method stay for the next calculation.
    if (st.SettlementMethod != 0 && st.SettlementMethod != method) {
        st.discardResults();
        windows().announce(ResultsEvent::MethodChanged);
    }
    windows().show<Form1>();
}

void frmMain::MnuBjerrum_Click() {
    chooseMethod(1);
}
void frmMain::MnuKoppejan_Click() {
    chooseMethod(2);
}

void frmMain::MnuInputConsol_Click() {
    windows().show<Form4>();
}

void frmMain::MnuObservation_Click() {
    windows().showByName("Form13");
}

void frmMain::mnulistfile_Click() {
    if (refusedWithoutMethod(app())) {
        return;
    }
    showListing(windows());
}

void frmMain::mnuFileOpen_Click() {
    if (FileOpenCommand) {
        FileOpenCommand();
    }
}

void frmMain::mnuFileSave_Click() {
    if (FileSaveCommand) {
        FileSaveCommand();
    }
}

void frmMain::mnuFilePrint_Click() {
    if (FilePrintCommand) {
        FilePrintCommand();
    }
}

void frmMain::mnuFileExit_Click() {
    windows().unload(*this);
}

void frmMain::mnuViewToolbar_Click() {
    mnuViewToolbarChecked = !mnuViewToolbarChecked;
    tbToolBarVisible = mnuViewToolbarChecked;
}

void frmMain::mnuViewStatusBar_Click() {
    mnuViewStatusBarChecked = !mnuViewStatusBarChecked;
    sbStatusBarVisible = mnuViewStatusBarChecked;
}

void frmMain::showHelp(int command) {
    if (HelpFile.empty()) {
        desktop().msgBox("Unable to display Help Contents. There is not Help associated with "
                         "KORVEX-3.0 yet.",
                         vbInformation, Caption);
        return;
    }
    if (!desktop().showHelp(HelpFile, command)) {
        desktop().msgBox("The help viewer could not be started.", vbOKOnly, {});
    }
}

void frmMain::mnuHelpContents_Click() {
    showHelp(3);
}
void frmMain::mnuHelpSearchForHelpOn_Click() {
    showHelp(261);
}

void frmMain::mnuHelpAbout_Click() {
    windows().show<frmAbout>();
}

void frmMain::tbToolBar_ButtonClick(const std::string& key) {
    if (key == "New") {
        mnulistfile_Click();
    } else if (key == "Open") {
        mnuFileOpen_Click();
    } else if (key == "Save") {
        mnuFileSave_Click();
    } else if (key == "Print") {
        mnuFilePrint_Click();
    }
}

bool frmMain::isEnabled(const std::string& itemName) const {
    const WindowRegistry& registry = windows();
    if (itemName == "mnuFileOpen" || itemName == "Open") {
        return static_cast<bool>(FileOpenCommand);
    }
    if (itemName == "mnuFileSave" || itemName == "Save") {
        return static_cast<bool>(FileSaveCommand);
    }
    if (itemName == "mnuFilePrint" || itemName == "Print") {
        return static_cast<bool>(FilePrintCommand);
    }
    if (itemName == "mnulistfile" || itemName == "New") {
        return registry.canShowByName(Form18::kName);
    }
    if (itemName == "MnuBjerrum" || itemName == "MnuKoppejan" || itemName == "mnuInputSett") {
        return registry.canShowByName(Form1::kName);
    }
    if (itemName == "MnuInputConsol") {
        return registry.canShowByName(Form4::kName);
    }
    if (itemName == "MnuObservation") {
        return registry.canShowByName("Form13");
    }
    return true;
}

} // namespace korvex
