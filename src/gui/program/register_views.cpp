#include "app/gui_host.h"
#include "program/frm_about_view.h"
#include "program/frm_main_view.h"
#include "program/frm_splash_view.h"

namespace korvex::gui {

void registerProgramViews(GuiHost& host) {
    // The start window is the first thing shown; the main window's view takes its place and size
    // from what the window's loading reads from the settings.
    host.registerView<frmSplash>(newView<FrmSplashView>, GuiHost::Building::WhenShown);
    host.registerView<frmMain>(newView<FrmMainView>, GuiHost::Building::WhenShown);
    host.registerView<frmAbout>(newView<FrmAboutView>, GuiHost::Building::WhenShown);
}

} // namespace korvex::gui
