#pragma once

// Typing into the views as a user does, with the keyboard.

#include "ui/grid_view.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

namespace korvex::test {

// Types into a cell of an editable table: select the cell, type (the first key opens the box over
// the cell), Enter.
inline void typeCell(gui::GridView& table, int row, int col, const QString& text) {
    table.setFocus();
    table.setCurrentCell(row - 1, col);
    QTest::keyClick(&table, text.at(0).toLatin1());
    QLineEdit* box = table.cellEditor();
    if (text.size() > 1) {
        QTest::keyClicks(box, text.mid(1));
    }
    QTest::keyClick(box, Qt::Key_Return);
    QApplication::processEvents();
}

inline void typeBox(QLineEdit* box, const QString& text) {
    box->selectAll();
    QTest::keyClicks(box, text);
}

} // namespace korvex::test
