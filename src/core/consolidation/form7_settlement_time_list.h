#pragma once

#include "app/window_model.h"
#include "ui/grid.h"

namespace korvex {

// The list of settlements against time: one row per prediction time, one column per series.
class Form7 : public WindowModel {
public:
    static constexpr const char* kName = "Form7";

    explicit Form7(Application& app);
    std::string_view windowName() const override { return kName; }

    void Form_Load() override;
    // "Exit"
    void Command1_Click();

    Grid Fg5;
    std::string Label1 = "IL = Instanteous Load. ";
    std::string Label2 = "GL = Gradually Load after Olson.";
};

} // namespace korvex
