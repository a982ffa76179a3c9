#include "program/register_views.h"

#include "app/gui_host.h"
#include "consolidation/register_views.h"
#include "observations/register_views.h"
#include "preload/register_views.h"
#include "program/frm_about_view.h"
#include "program/frm_main_view.h"
#include "program/frm_splash_view.h"
#include "report/register_views.h"
#include "settlement/register_views.h"

namespace korvex::gui {

namespace {

void registerProgramViews(GuiHost& host) {
    // The start window is the first thing shown; the main window's view takes its place and size
    // from what the window's loading reads from the settings.
    host.registerView<frmSplash>(newView<FrmSplashView>, GuiHost::Building::WhenShown);
    host.registerView<frmMain>(newView<FrmMainView>, GuiHost::Building::WhenShown);
    host.registerView<frmAbout>(newView<FrmAboutView>, GuiHost::Building::WhenShown);
}

} // namespace

void registerAllViews(GuiHost& host) {
    registerProgramViews(host);
    registerSettlementViews(host);
    registerConsolidationViews(host);
    registerPreloadViews(host);
    registerObservationViews(host);
    registerReportViews(host);
}

} // namespace korvex::gui
