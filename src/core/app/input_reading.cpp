#include "app/input_reading.h"

#include "app/application.h"
#include "app/module1.h"
#include "app/number_text.h"

#include <memory>

namespace korvex {

namespace {

double readField(std::string_view text, const std::string& field) {
    const num::FieldNumber read = num::readFieldNumber(text);
    if (read.kind == num::FieldNumber::Kind::Number || read.kind == num::FieldNumber::Kind::Empty) {
        return read.value;
    }
    if (read.kind == num::FieldNumber::Kind::TextAfterNumber) {
        // "2,5" is the usual way to get here: a comma typed as the decimal symbol.
        refuse("Text after the number in " + field +
               "; the decimal symbol is a point (.); correct the input.");
    }
    refuse("No number in " + field + "; correct the input.");
}

} // namespace

double readBox(std::string_view text, std::string_view caption) {
    return readField(text, "\"" + std::string(caption) + "\"");
}

double readCell(std::string_view text, int row, std::string_view heading,
                std::string_view rowWord) {
    return readField(text, std::string(rowWord) + " " + std::to_string(row) + ", column \"" +
                               std::string(heading) + "\"");
}

bool commitOnSuccess(Application& app, const std::function<void(Module1&)>& work) {
    auto scratch = std::make_unique<Module1>(app.state());
    try {
        work(*scratch);
    } catch (const InputRefusal& refusal) {
        app.desktop().msgBox(refusal.what(), refusal.style(), {});
        return false;
    }
    app.state() = *scratch;
    return true;
}

} // namespace korvex
