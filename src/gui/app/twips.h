#pragma once

// Window sizes are kept in twips, 1440 to the inch; the screen shows them at its logical dpi.

#include <QScreen>
#include <QWidget>

namespace korvex::gui {

inline double twipsPerPixel(const QWidget* widget) {
    const double dpi = widget && widget->screen() ? widget->screen()->logicalDotsPerInch() : 96.0;
    return 1440.0 / (dpi > 0 ? dpi : 96.0);
}

inline int twipsToPixels(double twips, const QWidget* widget) {
    return static_cast<int>(twips / twipsPerPixel(widget) + 0.5);
}

inline double pixelsToTwips(int pixels, const QWidget* widget) {
    return pixels * twipsPerPixel(widget);
}

} // namespace korvex::gui
