#pragma once

// Reading what the user typed, refusing it by name, and applying a calculation all or nothing.
// Every input window and calculation reads its boxes and table cells here, so one typed text means
// the same number, or the same refusal, wherever it is typed.

#include "app/desktop.h"

#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>

namespace korvex {

class Application;
struct Module1;

// The box or table cell a refusal names, so that its window can put the cursor there for the
// correction: a box by its window and the program's name of the box ("Form1", "Text4"); a cell
// also by its row and column in the table ("Form1", "Fg1", 3, 5). Row 0 is the heading row, so a
// cell always has a row of 1 or more.
struct InputField {
    std::string window;
    std::string control;
    int row = 0;
    int col = 0;

    bool isCell() const { return row > 0; }
    friend bool operator==(const InputField&, const InputField&) = default;
};

// Input that cannot be used: the message the user sees, its icon and, where the message names
// one, the box or cell. Thrown from deep inside a reading or a calculation stage, so that each
// stage stays a plain computation; the handler that started the work shows it, and the work's
// scratch state is dropped.
class InputRefusal : public std::runtime_error {
public:
    InputRefusal(const std::string& message, int style, std::optional<InputField> field = {})
        : std::runtime_error(message), style_(style), field_(std::move(field)) {}
    int style() const { return style_; }
    const std::optional<InputField>& field() const { return field_; }

private:
    int style_;
    std::optional<InputField> field_;
};

[[noreturn]] inline void refuse(const std::string& message, int style = vbExclamation) {
    throw InputRefusal(message, style);
}

[[noreturn]] inline void refuse(const std::string& message, const InputField& field,
                                int style = vbExclamation) {
    throw InputRefusal(message, style, field);
}

// The number in a box: an empty box reads 0; anything else must be one number that fits a Single
// with nothing after it but blanks, or it is refused naming the box by the caption of its label.
double readBox(std::string_view text, std::string_view caption);
double readBox(std::string_view text, std::string_view caption, const InputField& box);

// The number in a table cell, read as a box is; a refusal names the row as the table counts its
// rows ("layer 3", "row 3") and the column heading.
double readCell(std::string_view text, int row, std::string_view heading,
                std::string_view rowWord = "layer");
double readCell(std::string_view text, const InputField& cell, std::string_view heading,
                std::string_view rowWord = "layer");

// Shows a refusal and then puts the cursor on the box or cell it names, in that box's window.
void showRefusal(Application& app, const InputRefusal& refusal);

// Runs the work on a copy of the shared state and puts the copy in place only when the work
// completes: a refusal halfway never leaves new inputs beside old results. A refusal is shown to
// the user (showRefusal); the result is whether the copy was committed. Any other error passes
// unchanged, the state untouched.
bool commitOnSuccess(Application& app, const std::function<void(Module1&)>& work);

// The same for a calculation that writes only some parts of the shared state `state`
// (`commitPartsOnSuccess<SettlementResults, PreloadState>(app, app.state(), work)`): only those
// parts are copied, the work gets the copies and reads every other part from the state itself.
template <class... Parts, class State, class Work>
bool commitPartsOnSuccess(Application& app, State& state, Work&& work) {
    auto scratch = std::make_unique<std::tuple<Parts...>>(static_cast<const Parts&>(state)...);
    try {
        std::apply(std::forward<Work>(work), *scratch);
    } catch (const InputRefusal& refusal) {
        showRefusal(app, refusal);
        return false;
    }
    ((static_cast<Parts&>(state) = std::move(std::get<Parts>(*scratch))), ...);
    return true;
}

} // namespace korvex
