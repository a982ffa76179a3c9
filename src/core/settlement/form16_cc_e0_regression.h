#pragma once

#include "app/window_model.h"
#include "ui/input_boxes.h"

#include <span>
#include <string>

namespace korvex {

// The coefficients of the line fit of the compression index on the void ratio.
class Form16 : public WindowModel {
public:
    static constexpr const char* kName = "Form16";

    explicit Form16(Application& app);
    std::string_view windowName() const override { return kName; }

    // The coefficient boxes: name, text, coefficient and caption.
    static std::span<const InputBox<Form16>> boxes();

    void Form_Load() override;
    // "OK and Exit"
    void Command1_Click();

    // a and b of "Cc = a log(e0) + b"
    std::string Text1, Text2;
};

} // namespace korvex
