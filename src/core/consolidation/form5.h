#pragma once

#include "app/window_model.h"

#include <string>

namespace korvex {

// The consolidation result window: drain zone, spacings, consolidation times, discharge and the
// times for the accepted rest settlement.
class Form5 : public WindowModel {
public:
    static constexpr const char* kName = "Form5";

    explicit Form5(Application& app);
    std::string_view windowName() const override { return kName; }

    void Form_Load() override;
    // Writes every box from the shared state, the discharge boxes included.
    void fillFromState();

    // "Exit"
    void Command1_Click();

    std::string Text1, Text2, Text3, Text4, Text5, Text6, Text7, Text8, Text9, Text10, Text11,
        Text12, Text13, Text14, Text15, Text16, Text17, Text18, Text19;
};

} // namespace korvex
