#include "app/application.h"
#include "app/gui_host.h"
#include "app/qt_desktop.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication qtApp(argc, argv);
    korvex::gui::QtDesktop desktop;
    korvex::Application app(desktop);
    korvex::gui::GuiHost host(app);
    korvex::gui::registerAllViews(host);
    return QApplication::exec();
}
