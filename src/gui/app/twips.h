#pragma once

// Window sizes are kept in twips, 1440 to the inch; the screen shows them at its logical dpi.

#include <QScreen>
#include <QWidget>

#include <cmath>

namespace korvex::gui {

inline double twipsPerPixel(const QWidget* widget) {
    const double dpi = widget && widget->screen() ? widget->screen()->logicalDotsPerInch() : 96.0;
    return 1440.0 / (dpi > 0 ? dpi : 96.0);
}

// Rounded half away from zero: a place left of or above the primary screen (negative pixels)
// comes back where it was stored, instead of a pixel nearer the origin at every start.
inline int twipsToPixels(double twips, const QWidget* widget) {
    return static_cast<int>(std::lround(twips / twipsPerPixel(widget)));
}

inline double pixelsToTwips(int pixels, const QWidget* widget) {
    return pixels * twipsPerPixel(widget);
}

} // namespace korvex::gui
