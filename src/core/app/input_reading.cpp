#include "app/input_reading.h"

#include "app/application.h"
#include "app/number_text.h"
#include "state/module1.h"

#include <memory>

namespace korvex {

namespace {

// The field is named only when it is refused: a table is read many cells at a time, and most of
// them hold a number.
template <typename FieldName>
double readField(std::string_view text, const FieldName& field, const InputField* place) {
    const num::FieldNumber read = num::readFieldNumber(text);
    if (read.kind == num::FieldNumber::Kind::Number || read.kind == num::FieldNumber::Kind::Empty) {
        return read.value;
    }
    const std::optional<InputField> where =
        place != nullptr ? std::optional<InputField>(*place) : std::nullopt;
    if (read.kind == num::FieldNumber::Kind::TextAfterNumber) {
        // "2,5" is the usual way to get here: a comma typed as the decimal symbol.
        throw InputRefusal("Text after the number in " + field() +
                               "; the decimal symbol is a point (.); correct the input.",
                           vbExclamation, where);
    }
    throw InputRefusal("No number in " + field() + "; correct the input.", vbExclamation, where);
}

std::string boxInSentence(std::string_view caption) {
    return "\"" + std::string(caption) + "\"";
}

std::string cellInSentence(int row, std::string_view heading, std::string_view rowWord) {
    return std::string(rowWord) + " " + std::to_string(row) + ", column \"" + std::string(heading) +
           "\"";
}

} // namespace

double readBox(std::string_view text, std::string_view caption) {
    return readField(
        text, [&] { return boxInSentence(caption); }, nullptr);
}

double readBox(std::string_view text, std::string_view caption, const InputField& box) {
    return readField(
        text, [&] { return boxInSentence(caption); }, &box);
}

double readCell(std::string_view text, int row, std::string_view heading,
                std::string_view rowWord) {
    return readField(
        text, [&] { return cellInSentence(row, heading, rowWord); }, nullptr);
}

double readCell(std::string_view text, const InputField& cell, std::string_view heading,
                std::string_view rowWord) {
    return readField(
        text, [&] { return cellInSentence(cell.row, heading, rowWord); }, &cell);
}

void showRefusal(Application& app, const InputRefusal& refusal) {
    app.desktop().msgBox(refusal.what(), refusal.style(), {});
    if (refusal.field()) {
        app.windows().focusInput(*refusal.field());
    }
}

bool commitOnSuccess(Application& app, const std::function<void(Module1&)>& work) {
    auto scratch = std::make_unique<Module1>(app.state());
    try {
        work(*scratch);
    } catch (const InputRefusal& refusal) {
        showRefusal(app, refusal);
        return false;
    }
    app.state() = *scratch;
    return true;
}

} // namespace korvex
