#pragma once

#include "app/vb_types.h"
#include "app/window_model.h"
#include "ui/grid.h"

#include <string>

namespace korvex {

// The consolidation input window: drain and pore-water data and the Cv of every layer.
class Form4 : public WindowModel {
public:
    static constexpr const char* kName = "Form4";
    static constexpr int kLayerRows = 20;

    explicit Form4(Application& app);
    std::string_view windowName() const override { return kName; }

    void Form_Load() override;
    // "Calculate"
    void Command1_Click();
    // "Exit"
    void Command3_Click();
    // "Calculation Equiv. Cv"
    void Command4_Click();
    // Opens the result window of the last calculation, or reminds the user to calculate first.
    void ShowResults();

    std::string Text1, Text2, Text3, Text4, Text5, Text6, Text7, Text8, Text9, Text10, Text11,
        Text12, Text13, Text14, Text15, Text16, Text17;
    // "Two way flow of pore water" / "One way flow of porewater"
    bool Option1 = true;
    bool Option2 = false;
    // "End of Primary 1 day" / "End of Primary tp for Time factor"
    bool Option3 = true;
    bool Option4 = false;
    Grid Fg4;
    std::string TxtEdit;
};

} // namespace korvex
