#pragma once

#include "app/vb_types.h"
#include "app/window_model.h"
#include "ui/grid.h"
#include "ui/input_boxes.h"

#include <span>
#include <string>
#include <vector>

namespace korvex {

// The consolidation input window: drain and pore-water data and the Cv of every layer.
class Form4 : public WindowModel {
public:
    static constexpr const char* kName = "Form4";
    static constexpr int kLayerRows = 20;

    explicit Form4(Application& app);
    std::string_view windowName() const override { return kName; }

    // Every text box: its name, its text, the variable loading shows in it and its caption.
    static std::span<const InputBox<Form4>> boxes();

    void Form_Load() override;
    // The boxes and layers this window takes from the settlement results follow every new
    // settlement calculation and the other method, which leaves none; what the user typed for the
    // drains stays. An opened project fills every box from the state. The table keeps its layout
    // either way.
    WindowReaction reactionTo(ResultsEvent event) const override {
        return event == ResultsEvent::SettlementResultsChanged ||
                       event == ResultsEvent::ProjectReplaced ||
                       event == ResultsEvent::MethodChanged
                   ? WindowReaction::Refill
                   : WindowReaction::Keep;
    }
    void refill(ResultsEvent event) override;
    bool answersFirst() const override { return true; }
    // "Calculate"
    void Command1_Click();
    // "Exit"
    void Command3_Click();
    // "Calculation Equiv. Cv"
    void Command4_Click();
    // The Cv of the first `layers` rows as typed in the table; a cell that holds no number is
    // refused naming its layer and the column heading.
    std::vector<Single> layerCv(int layers) const;
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

private:
    // "Calculate" takes Text14 before the average Cv: an equivalent Cv of another layer stack
    // would stand in for this one unseen, so it goes once the stack has changed. A value the user
    // typed there stays.
    void dropStaleEquivalentCv();
    void fillSettlementBoxes();
    void fillLayerCv();
    // The thicknesses of layers 1 to NLayers as the layer depths give them.
    std::vector<Single> layerThicknesses();

    // The equivalent Cv shown in Text14 and the layer thicknesses and Cv values it was computed
    // for: it belongs to that stack only.
    std::string equivalentCvText_;
    std::vector<Single> equivalentCvThicknesses_;
    std::vector<Single> equivalentCvLayers_;
};

} // namespace korvex
