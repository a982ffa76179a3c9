#pragma once

#include "app/vb_types.h"
#include "app/window_model.h"
#include "ui/grid.h"
#include "ui/input_boxes.h"

#include <span>
#include <string>

namespace korvex {

// What the settlement input window's loading writes in its extra-code box: the name of the
// method, nothing while none is chosen.
std::string methodName(Integer method);

// The settlement input window: the site in its boxes and the soil layers in its table.
class Form1 : public WindowModel {
public:
    static constexpr const char* kName = "Form1";
    // Room for every layer the shared arrays allow.
    static constexpr int kLayerRows = 20;

    explicit Form1(Application& app);
    std::string_view windowName() const override { return kName; }

    // Every text box: its name, its text, the variable loading shows in it and its caption. The
    // number boxes come in the order the calculation reads them.
    static std::span<const InputBox<Form1>> boxes();

    void Form_Load() override;
    // An opened project: the window fills itself from the state as its loading does; its table
    // keeps its layout.
    WindowReaction reactionTo(ResultsEvent event) const override {
        return event == ResultsEvent::ProjectReplaced ? WindowReaction::Refill
                                                      : WindowReaction::Keep;
    }
    void refill(ResultsEvent event) override;
    bool answersFirst() const override { return true; }
    // "Calculate Settlements"
    void Command1_Click();
    // "Exit"
    void Command2_Click();
    // "Dimensions "
    void Command3_Click();
    // "Equation" (Terzaghi-Bjerrum)
    void Command4_Click();
    // "Values for Calpha"
    void Command5_Click();
    // "Correction Bulkdensity "
    void Command6_Click();
    // "Curve fitting 1/Cp,1/Cs"
    void Command7_Click();
    // "Line fitting Cc-e0"
    void Command8_Click();
    // "Equation" (Terzaghi-Koppejan)
    void Command9_Click();

    // The fit and its coefficient window belong to one method each; for the other method their
    // buttons do nothing, so the window offers them only for their own.
    bool bjerrumHelpersOffered();
    bool koppejanHelpersOffered();

    // The method whose columns the table holds, set at loading. Whoever rewrites the window for
    // another method sets it too: choosing this method again then keeps what was typed.
    Integer methodLoadedFor = 0;

    std::string Text1, Text2, Text3, Text4, Text5, Text6, Text7, Text8, Text9, Text10, Text11,
        Text12, Text13, Text14, Text15;
    // "Stresspaths submergence ON/OFF ?"
    Integer Check1 = 0;
    Grid Fg1;
    std::string TxtEdit;

private:
    void fillFromState();
};

} // namespace korvex
