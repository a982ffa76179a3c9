#include "program/frm_about.h"

#include "app/application.h"

namespace korvex {

frmAbout::frmAbout(Application& app) : WindowModel(app) {
    lblDescription =
        "KORVEX calculates the one-dimensional settlement of soft soil layers under a fill, "
        "including creep, by the Terzaghi-Bjerrum or the Terzaghi-Koppejan method, and the fill "
        "thickness needed for a required surface level.\n\n"
        "It calculates the consolidation in time with and without vertical drains by Barron's "
        "theory, for an instantaneous and a gradual load, the effect and removal time of a "
        "preload, and combinations of preloads and drains.\n\n"
        "The program is meant for professional geotechnical engineers, who check its results "
        "before they use them.";
    lblDisclaimer = "Warning: the results of this program are the responsibility of its user.";
}

void frmAbout::Form_Load() {
    Caption = std::string("About ") + kProgramTitle;
    lblTitle = "KORVEX";
}

void frmAbout::cmdOK_Click() {
    windows().unload(*this);
}

void frmAbout::cmdSysInfo_Click() {
    StartSysInfo();
}

void frmAbout::StartSysInfo() {
    // The tool is looked up read-only; nothing here needs write access to any store.
    std::optional<std::string> program = desktop().findSystemInfoProgram();
    if (program && desktop().startProgram(*program)) {
        return;
    }
    desktop().msgBox("System Information Is Unavailable At This Time", vbOKOnly, kProgramTitle);
}

} // namespace korvex
