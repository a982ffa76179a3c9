#pragma once

#include "app/window_model.h"
#include "report/report_writer.h"

#include <string>
#include <vector>

namespace korvex {

// The listing window: the report of the state as it stands, one list entry per report line. Which
// report it is, ListMode says: 1 the observation report, any other value the settlement and
// consolidation report, also while no method is chosen.
class Form18 : public WindowModel {
public:
    static constexpr const char* kName = "Form18";

    explicit Form18(Application& app);
    std::string_view windowName() const override { return kName; }

    void Form_Load() override;
    // The list is a view of the current state, so every change of results rebuilds it.
    WindowReaction reactionTo(ResultsEvent) const override { return WindowReaction::Refill; }
    void refill(ResultsEvent) override { fillList(); }

    // Builds the report for the listing from the state and ListMode and puts it in List1. A report
    // that cannot be built leaves the list as it was.
    void fillList();

    // "Exit"
    void Command1_Click();
    // "Print"
    void Command2_Click();
    // "Save under Filename"
    void Command3_Click();

    std::vector<std::string> List1;
    // The list's font: 9 point "MS sans Serif" (the nearest sans font where it is missing).
    std::string List1FontName = "MS sans Serif";
    int List1FontSize = 9;
    // The name chosen last in the save dialog, which the next save starts with.
    std::string CommonDialog1FileName;

private:
    // The report of ListMode, written for the output.
    report::ReportWriter buildReport(report::Output output);
};

// Shows the listing window with the report of the state as it now stands: an open listing is
// rebuilt before it is brought forward, so a "List" after another window's "List" never shows the
// earlier text. Every command that shows the listing goes through here.
void showListing(WindowRegistry& windows);

} // namespace korvex
