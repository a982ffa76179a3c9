#pragma once

#include "app/qt_desktop.h"

#include <QLineEdit>

#include <string>
#include <vector>

namespace korvex::gui {

// A text box of a window holds its model's field as the user types it. Any handler, of this
// window or another, then reads what is on screen, and a refresh after another window's handler
// never puts an older text back over what the user has typed.
inline void keepInModel(QLineEdit* box, std::string* field) {
    QObject::connect(box, &QLineEdit::textEdited, box,
                     [field](const QString& text) { *field = ss(text); });
}

// A box that shows a result is set in the window's colour, so that it does not invite typing; its
// text can still be selected and copied.
inline void showAsResult(QLineEdit* box) {
    box->setReadOnly(true);
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Window));
    box->setPalette(palette);
}

// The text boxes of a window, each tied to a model field by the program's name of the box.
class FieldBoxes {
public:
    // An editable box writes its field as the user types; a read-only box only shows it.
    void add(const std::string& name, QLineEdit* box, std::string* field, bool editable = true) {
        boxes_.push_back({name, box, field, editable});
        if (editable) {
            keepInModel(box, field);
        } else {
            showAsResult(box);
        }
    }

    // Shows every field; a box whose text already matches is left alone, caret and all.
    void refresh() const {
        for (const Entry& entry : boxes_) {
            const QString text = qs(*entry.field);
            if (entry.box->text() != text) {
                entry.box->setText(text);
            }
        }
    }

    // Copies every editable box into its field before a handler reads the model.
    void commit() const {
        for (const Entry& entry : boxes_) {
            if (entry.editable) {
                *entry.field = ss(entry.box->text());
            }
        }
    }

    QLineEdit* find(const std::string& name) const {
        for (const Entry& entry : boxes_) {
            if (entry.name == name) {
                return entry.box;
            }
        }
        return nullptr;
    }

private:
    struct Entry {
        std::string name;
        QLineEdit* box;
        std::string* field;
        bool editable;
    };
    std::vector<Entry> boxes_;
};

} // namespace korvex::gui
