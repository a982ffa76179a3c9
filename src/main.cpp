#include "app/application.h"
#include "app/gui_host.h"
#include "app/qt_desktop.h"
#include "program/frm_splash.h"
#include "program/program_windows.h"
#include "program/register_views.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication qtApp(argc, argv);
    QApplication::setApplicationName(korvex::kProgramTitle);
    korvex::gui::QtDesktop desktop;
    korvex::Application app(desktop, korvex::registerWindowModels);
    korvex::gui::GuiHost host(app);
    korvex::gui::registerAllViews(host);
    if (!korvex::Main(app)) {
        return 0;
    }
    // The first opening of a result window then costs no more than the next.
    host.buildViewsWhenIdle();
    return QApplication::exec();
}
