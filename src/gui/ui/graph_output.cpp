#include "app/qt_desktop.h"

#include "ui/graph_model.h"

namespace korvex::gui {

bool QtDesktop::printGraph(const GraphModel& /*graph*/, double /*widthTwips*/,
                           double /*heightTwips*/, PageOrientation /*orientation*/) {
    return false;
}

bool QtDesktop::copyGraphImage(const GraphModel& /*graph*/, double /*widthTwips*/,
                               double /*heightTwips*/) {
    return false;
}

} // namespace korvex::gui
