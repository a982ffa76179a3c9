#include "app/qt_desktop.h"

#include <QSettings>
#include <gtest/gtest.h>

namespace korvex::gui {
namespace {

TEST(QtDesktop, SettingsRoundTripBySectionAndKey) {
    QtDesktop desktop;
    desktop.saveSetting("Settings", "MainLeft", "1234");
    EXPECT_EQ(desktop.getSetting("Settings", "MainLeft"), std::optional<std::string>("1234"));
    EXPECT_EQ(desktop.getSetting("Settings", "NoSuchKey"), std::nullopt);
}

} // namespace
} // namespace korvex::gui
