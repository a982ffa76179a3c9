#include "project/project_file_writer.h"

#include "app/application.h"
#include "app/open_from_file.h"
#include "app/save_to_file.h"
#include "report/header_texts.h"
#include "report/method_refusal.h"
#include "report/report_sinks.h"
#include "report/settlement_report.h"
#include "state/module1.h"

#include <optional>
#include <string>

namespace korvex {

void saveProjectFile(Application& app) {
    if (refusedWithoutMethod(app)) {
        return;
    }
    Module1& st = app.state();
    Desktop& desktop = app.desktop();
    // No name from an earlier choice: Cancel must not look like a choice of it.
    const FileDialogRequest dialog{"Save", "All Files (*.*)|*.*", 1, ""};
    const std::optional<std::string> saved = saveToChosenFile(
        desktop, dialog, [&desktop](const std::string& path) { showOpenedFile(desktop, path); },
        [&app, &st] {
            report::ReportWriter out(report::Output::ProjectFile, st);
            report::writeSettlementReport(out, st, headerTexts(app));
            return report::reportFileBytes(out);
        });
    if (!saved) {
        return;
    }
    st.FileName = *saved;
    desktop.msgBox("The saved File is:  " + *saved, vbOKOnly, "Korvex saving file");
}

} // namespace korvex
