#pragma once

// The boxes of an input window as one table: the program's name of each box, its text in the
// window model, the shared-state variable its loading shows (where there is one) and the caption
// of its label. The view lays the boxes out from it, the messages name a box by its caption, and
// the loading writes the boxes from it; the report's header takes a box's text as the loading
// would show it while its window is not loaded.

#include "app/input_reading.h"
#include "app/vb_types.h"

#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <variant>

namespace korvex {

struct Module1;

// The shared-state variable of a box, or none.
using BoxVariable =
    std::variant<std::monostate, Single Module1::*, Integer Module1::*, std::string Module1::*>;

template <typename Form> struct InputBox {
    // The program's name of the box: "Text4".
    const char* name;
    std::string Form::*text;
    BoxVariable variable;
    // The label beside the box, as the user sees it: "Surface level vs reference [m]:".
    const char* caption;
};

// The text of a variable as loading writes it into its box: the plain number text of a number,
// a text as it is; empty for no variable.
std::string variableText(const Module1& st, const BoxVariable& variable);

// Stores a value read from a box into its Single variable, rounded to a Single.
void storeSingle(Module1& st, Single Module1::*variable, double value);

// The caption inside a sentence, without its closing colon: "Area [m2]".
std::string captionInSentence(std::string_view caption);

template <typename Form>
const InputBox<Form>& boxNamed(std::span<const InputBox<Form>> boxes, std::string_view name) {
    for (const InputBox<Form>& box : boxes) {
        if (name == box.name) {
            return box;
        }
    }
    throw std::logic_error("No box " + std::string(name) + " in the window's table");
}

// Writes every box that has a variable from the shared state, as the window's loading does.
template <typename Form>
void loadBoxes(Form& form, const Module1& st, std::span<const InputBox<Form>> boxes) {
    for (const InputBox<Form>& box : boxes) {
        if (!std::holds_alternative<std::monostate>(box.variable)) {
            form.*box.text = variableText(st, box.variable);
        }
    }
}

// A box of the table as a refusal names it for the cursor.
template <typename Form> InputField fieldOf(const InputBox<Form>& box) {
    return {Form::kName, box.name};
}

// The number typed in a box of the table; a refusal names the box by its caption.
template <typename Form> double readBox(const Form& form, const InputBox<Form>& box) {
    return readBox(form.*box.text, box.caption, fieldOf(box));
}

// Reads every box with a Single variable into it, in table order; the first box that holds no
// number is refused, so the caller runs this on a scratch state.
template <typename Form>
void storeBoxes(Module1& st, const Form& form, std::span<const InputBox<Form>> boxes) {
    for (const InputBox<Form>& box : boxes) {
        if (const auto* single = std::get_if<Single Module1::*>(&box.variable)) {
            storeSingle(st, *single, readBox(form, box));
        }
    }
}

} // namespace korvex
