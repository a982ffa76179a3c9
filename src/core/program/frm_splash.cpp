#include "program/frm_splash.h"

#include "app/application.h"
#include "program/frm_main.h"
#include "state/module1.h"

#include <string>

namespace korvex {

frmSplash::frmSplash(Application& app) : WindowModel(app) {
    Caption = "KORVEX";
    Label1 = "This program is protected by copyright law. Unauthorised reproduction or "
             "distribution of this program, or any part of it, may result in civil and criminal "
             "penalties. The results are the responsibility of the user: check them.";
    lblCompany = "KORVEX geotechnical software";
}

void frmSplash::Form_Load() {
    // The program writes and reads every number with a point; a desktop that writes one tenth as
    // "0,1" would disagree with it in every file the user exchanges.
    std::string oneTenth = desktop().regionalTextOfOneTenth();
    std::size_t first = oneTenth.find_first_not_of(' ');
    oneTenth = first == std::string::npos ? std::string() : oneTenth.substr(first);
    if (oneTenth.size() >= 2 && oneTenth[1] == ',') {
        refused_ = true;
        desktop().msgBox("Your system symbol is a comma (,). KORVEX uses a point (.) as decimal "
                         "symbol and Anglo/American settings. Please change your decimal symbol in "
                         "your System Regional settings !!!",
                         vbExclamation, kProgramTitle);
        desktop().endProgram();
    }
}

void frmSplash::Command1_Click() {
    frmMain& main = windows().load<frmMain>();
    windows().unload(*this);
    windows().showModel(main);
}

void frmSplash::Command2_Click() {
    windows().unload(*this);
}

bool Main(Application& app) {
    frmSplash& splash = app.windows().load<frmSplash>();
    if (splash.refused()) {
        return false;
    }
    app.windows().showModel(splash);
    app.state().setDefaults();
    return true;
}

} // namespace korvex
