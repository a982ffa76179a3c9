#pragma once

#include "app/vb_types.h"
#include "app/window_model.h"
#include "ui/grid.h"

#include <string>

namespace korvex {

// The settlement input window: the site in its boxes and the soil layers in its table.
class Form1 : public WindowModel {
public:
    static constexpr const char* kName = "Form1";
    // Room for every layer the shared arrays allow.
    static constexpr int kLayerRows = 20;

    explicit Form1(Application& app);
    std::string_view windowName() const override { return kName; }

    void Form_Load() override;
    // "Exit"
    void Command2_Click();

    std::string Text1, Text2, Text3, Text4, Text5, Text6, Text7, Text8, Text9, Text10, Text11,
        Text12, Text13, Text14, Text15;
    // "Stresspaths submergence ON/OFF ?"
    Integer Check1 = 0;
    Grid Fg1;
    std::string TxtEdit;
};

} // namespace korvex
