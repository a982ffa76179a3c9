#pragma once

#include "app/window_model.h"
#include "ui/input_boxes.h"

#include <span>
#include <string>

namespace korvex {

// The coefficients of the exponential fits of the Koppejan coefficients on the wet density.
class Form17 : public WindowModel {
public:
    static constexpr const char* kName = "Form17";

    explicit Form17(Application& app);
    std::string_view windowName() const override { return kName; }

    // The coefficient boxes: name, text, coefficient and caption.
    static std::span<const InputBox<Form17>> boxes();

    void Form_Load() override;
    // "OK and Exit"
    void Command1_Click();

    // aCp, aCs, aCp', aC, bCp, bCs, bCp', bC
    std::string Text1, Text2, Text3, Text4, Text5, Text6, Text7, Text8;
};

} // namespace korvex
