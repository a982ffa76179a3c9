#include "app/gui_host.h"
#include "program/frm_about_view.h"
#include "program/frm_main_view.h"
#include "program/frm_splash_view.h"

namespace korvex::gui {

void registerProgramViews(GuiHost& host) {
    host.registerView(frmSplash::kName, [](WindowModel& model, GuiHost& h) -> WindowView* {
        return new FrmSplashView(static_cast<frmSplash&>(model), h);
    });
    host.registerView(frmMain::kName, [](WindowModel& model, GuiHost& h) -> WindowView* {
        return new FrmMainView(static_cast<frmMain&>(model), h);
    });
    host.registerView(frmAbout::kName, [](WindowModel& model, GuiHost& h) -> WindowView* {
        return new FrmAboutView(static_cast<frmAbout&>(model), h);
    });
}

} // namespace korvex::gui
