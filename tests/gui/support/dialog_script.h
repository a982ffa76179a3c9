#pragma once

// Answers the modal dialogs of a gui test from a script, so that a test drives the real views and
// the real desktop end to end: the file dialogs get a file name or Cancel, message boxes Yes, No
// or OK, the printer dialog Print or Cancel. Each dialog that opens takes the next step. A dialog
// nobody scripted, or one of another kind than the step expects, fails the test and is closed so
// the test cannot hang; a step left unused when the script ends fails it too.
//
//     DialogScript script;
//     script.chooseFile(dir.filePath("graph.pdf"));
//     view->printButton()->click();
//     EXPECT_EQ(script.seen(), QStringList{"save: Save the printout as PDF"});

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPrintDialog>
#include <QStringList>
#include <QTimer>
#include <gtest/gtest.h>

#include <deque>
#include <functional>

namespace korvex::test {

class DialogScript {
public:
    DialogScript() {
        timer_.setInterval(10);
        QObject::connect(&timer_, &QTimer::timeout, [this] { answerModal(); });
        timer_.start();
    }
    ~DialogScript() {
        timer_.stop();
        for (const Step& step : steps_) {
            ADD_FAILURE() << "no dialog came for the scripted step "
                          << describe(step).toStdString();
        }
    }
    DialogScript(const DialogScript&) = delete;
    DialogScript& operator=(const DialogScript&) = delete;

    // An open or save dialog: choose this file.
    DialogScript& chooseFile(const QString& path) { return add({Kind::File, path, {}}); }
    // Any dialog: Cancel (a message box: its escape button).
    DialogScript& cancel() { return add({Kind::Cancel, {}, {}}); }
    DialogScript& yes() { return add({Kind::Button, {}, QMessageBox::Yes}); }
    DialogScript& no() { return add({Kind::Button, {}, QMessageBox::No}); }
    DialogScript& ok() { return add({Kind::Button, {}, QMessageBox::Ok}); }
    // The printer dialog: Print, with what the dialog shows.
    DialogScript& print() { return add({Kind::Print, {}, {}}); }

    // Every dialog answered so far, in order: "save: <title>", "open: <title>",
    // "message: <text>", "printer: <title>".
    const QStringList& seen() const { return seen_; }
    bool done() const { return steps_.empty(); }

private:
    enum class Kind { File, Cancel, Button, Print };
    struct Step {
        Kind kind;
        QString path;
        QMessageBox::StandardButton button;
    };

    DialogScript& add(Step step) {
        steps_.push_back(std::move(step));
        return *this;
    }

    static QString describe(const Step& step) {
        switch (step.kind) {
        case Kind::File:
            return "file " + step.path;
        case Kind::Cancel:
            return "Cancel";
        case Kind::Button:
            return "button " + QString::number(step.button);
        case Kind::Print:
            return "Print";
        }
        return {};
    }

    static QString describe(QWidget* dialog) {
        if (auto* files = qobject_cast<QFileDialog*>(dialog)) {
            return (files->acceptMode() == QFileDialog::AcceptSave ? "save: " : "open: ") +
                   files->windowTitle();
        }
        if (auto* box = qobject_cast<QMessageBox*>(dialog)) {
            return "message: " + box->text();
        }
        if (qobject_cast<QPrintDialog*>(dialog) != nullptr) {
            return "printer: " + dialog->windowTitle();
        }
        return "dialog: " + dialog->windowTitle();
    }

    // The answer runs after this slot returns: an answer that opens another dialog (a question
    // before a file is replaced) must leave the timer free to answer that one too.
    static void later(QWidget* dialog, std::function<void()> action) {
        QTimer::singleShot(0, dialog, std::move(action));
    }

    static void close(QWidget* dialog) {
        if (auto* box = qobject_cast<QMessageBox*>(dialog); box && box->escapeButton()) {
            later(dialog, [box] { box->escapeButton()->click(); });
        } else if (auto* modal = qobject_cast<QDialog*>(dialog)) {
            later(dialog, [modal] { modal->reject(); });
        } else {
            later(dialog, [dialog] { dialog->close(); });
        }
    }

    void answerModal() {
        QWidget* dialog = QApplication::activeModalWidget();
        if (dialog == nullptr || !dialog->isVisible() || dialog == answered_) {
            return;
        }
        answered_ = dialog;
        seen_ << describe(dialog);
        if (steps_.empty()) {
            ADD_FAILURE() << "unscripted dialog " << describe(dialog).toStdString();
            close(dialog);
            return;
        }
        const Step step = steps_.front();
        steps_.pop_front();
        auto* files = qobject_cast<QFileDialog*>(dialog);
        auto* box = qobject_cast<QMessageBox*>(dialog);
        auto* printer = qobject_cast<QPrintDialog*>(dialog);
        if (step.kind == Kind::Cancel) {
            close(dialog);
        } else if (step.kind == Kind::File && files != nullptr) {
            later(dialog, [files, path = step.path] {
                // Typed as a user types it: selectFile leaves the name box alone while it has
                // the focus, as it has in a save dialog.
                const QFileInfo file(path);
                files->setDirectory(file.absolutePath());
                auto* name = files->findChild<QLineEdit*>("fileNameEdit");
                if (name != nullptr) {
                    name->setText(file.fileName());
                } else {
                    files->selectFile(path);
                }
                // Through QDialog: QFileDialog hides its accept, which checks the chosen name.
                static_cast<QDialog*>(files)->accept();
            });
        } else if (step.kind == Kind::Button && box != nullptr && box->button(step.button)) {
            later(dialog, [box, button = step.button] { box->button(button)->click(); });
        } else if (step.kind == Kind::Print && printer != nullptr) {
            later(dialog, [printer] { printer->accept(); });
        } else {
            ADD_FAILURE() << "the script expected " << describe(step).toStdString() << " but got "
                          << describe(dialog).toStdString();
            close(dialog);
        }
    }

    QTimer timer_;
    std::deque<Step> steps_;
    QStringList seen_;
    QPointer<QWidget> answered_;
};

} // namespace korvex::test
