#pragma once

// Reading what the user typed, refusing it by name, and applying a calculation all or nothing.
// Every input window and calculation reads its boxes and table cells here, so one typed text means
// the same number, or the same refusal, wherever it is typed.

#include "app/desktop.h"

#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace korvex {

class Application;
struct Module1;

// Input that cannot be used: the message the user sees and its icon. Thrown from deep inside a
// reading or a calculation stage, so that each stage stays a plain computation; the handler that
// started the work shows it, and the work's scratch state is dropped.
class InputRefusal : public std::runtime_error {
public:
    InputRefusal(const std::string& message, int style)
        : std::runtime_error(message), style_(style) {}
    int style() const { return style_; }

private:
    int style_;
};

[[noreturn]] inline void refuse(const std::string& message, int style = vbExclamation) {
    throw InputRefusal(message, style);
}

// The number in a box: an empty box reads 0; anything else must be one number that fits a Single
// with nothing after it but blanks, or it is refused naming the box by the caption of its label.
double readBox(std::string_view text, std::string_view caption);

// The number in a table cell, read as a box is; a refusal names the row as the table counts its
// rows ("layer 3", "row 3") and the column heading.
double readCell(std::string_view text, int row, std::string_view heading,
                std::string_view rowWord = "layer");

// Runs the work on a copy of the shared state and puts the copy in place only when the work
// completes: a refusal halfway never leaves new inputs beside old results. A refusal is shown to
// the user; the result is whether the copy was committed. Any other error passes unchanged, the
// state untouched.
bool commitOnSuccess(Application& app, const std::function<void(Module1&)>& work);

} // namespace korvex
