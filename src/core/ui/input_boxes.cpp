#include "ui/input_boxes.h"

#include "app/number_text.h"
#include "state/module1.h"

namespace korvex {

std::string variableText(const Module1& st, const BoxVariable& variable) {
    if (const auto* single = std::get_if<Single Module1::*>(&variable)) {
        return num::boxText(st.**single);
    }
    if (const auto* integer = std::get_if<Integer Module1::*>(&variable)) {
        return num::boxText(st.**integer);
    }
    if (const auto* text = std::get_if<std::string Module1::*>(&variable)) {
        return st.**text;
    }
    return {};
}

void storeSingle(Module1& st, Single Module1::*variable, double value) {
    st.*variable = num::toSingle(value);
}

std::string captionInSentence(std::string_view caption) {
    if (!caption.empty() && caption.back() == ':') {
        caption.remove_suffix(1);
    }
    return std::string(caption);
}

} // namespace korvex
