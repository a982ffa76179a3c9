#pragma once

// Saves a picture of a window when KORVEX_SCREENSHOT_DIR is set (scripts/screenshots sets it and
// runs the screenshot tests under a real X server); otherwise does nothing.

#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QString>
#include <QWidget>

#include <cstdlib>

namespace korvex::test {

inline bool screenshotsWanted() {
    const char* dir = std::getenv("KORVEX_SCREENSHOT_DIR");
    return dir != nullptr && *dir != '\0';
}

inline void saveScreenshot(QWidget* window, const QString& name) {
    if (!screenshotsWanted() || window == nullptr) {
        return;
    }
    const QString dir = QString::fromLocal8Bit(std::getenv("KORVEX_SCREENSHOT_DIR"));
    QDir().mkpath(dir);
    window->show();
    window->raise();
    for (int i = 0; i < 5; ++i) {
        QApplication::processEvents();
    }
    window->grab().save(dir + "/" + name + ".png");
}

} // namespace korvex::test
