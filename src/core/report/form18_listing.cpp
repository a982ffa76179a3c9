#include "report/form18_listing.h"

#include "app/application.h"
#include "app/save_to_file.h"
#include "app/window_registry.h"
#include "report/header_texts.h"
#include "report/observation_report.h"
#include "report/report_sinks.h"
#include "report/settlement_report.h"
#include "state/general_state.h"
#include "state/module1.h"

#include <utility>

namespace korvex {

namespace {

constexpr const char* kSaveFilter =
    "Text files(*.txt)|*.txt|Observation files(*.obs)|*.obs|All files(*.*)|*.*|";
// The same title and message for both report kinds.
constexpr const char* kSaveTitle = "Save Observation file";
constexpr int kAllFilesFilter = 3;
constexpr const char* kSavedMessage = "The saved observation File is:  ";
constexpr const char* kSavedCaption = "Korvex saving Observational file";

} // namespace

Form18::Form18(Application& app) : WindowModel(app) {
    Caption = "Listing of results";
}

void Form18::Form_Load() {
    fillList();
}

void Form18::fillList() {
    report::ReportWriter out = buildReport(report::Output::Listing);
    List1 = out.take();
}

report::ReportWriter Form18::buildReport(report::Output output) {
    Module1& st = app().state();
    report::ReportWriter out(output, st);
    if (st.ListMode == 1) {
        report::writeObservationReport(out, headerTexts(app()), st);
    } else {
        report::writeSettlementReport(out, st, headerTexts(app()));
    }
    return out;
}

void Form18::Command1_Click() {
    windows().unload(*this);
}

void Form18::Command2_Click() {
    report::printReport(desktop(), buildReport(report::Output::ListingPrintout));
}

void Form18::Command3_Click() {
    const FileDialogRequest dialog{kSaveTitle, kSaveFilter, kAllFilesFilter, CommonDialog1FileName};
    const std::optional<std::string> saved = saveToChosenFile(
        desktop(), dialog, [this](const std::string& path) { CommonDialog1FileName = path; },
        [this] { return report::reportFileBytes(buildReport(report::Output::SavedListing)); });
    if (saved) {
        desktop().msgBox(kSavedMessage + *saved, vbOKOnly, kSavedCaption);
    }
}

void showListing(WindowRegistry& windows) {
    if (Form18* open = windows.find<Form18>()) {
        open->fillList();
    }
    windows.show<Form18>();
}

} // namespace korvex
