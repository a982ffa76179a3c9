#pragma once

#include "app/qt_desktop.h"

#include <QLineEdit>

#include <string>

namespace korvex::gui {

// A text box of a window holds its model's field as the user types it. Any handler, of this
// window or another, then reads what is on screen, and a refresh after another window's handler
// never puts an older text back over what the user has typed.
inline void keepInModel(QLineEdit* box, std::string* field) {
    QObject::connect(box, &QLineEdit::textEdited, box,
                     [field](const QString& text) { *field = ss(text); });
}

} // namespace korvex::gui
