#include "program/program_windows.h"

#include "app/application.h"
#include "consolidation/form15_drains_no_drains_graph.h"
#include "consolidation/form4_consolidation_input.h"
#include "consolidation/form5_consolidation_results.h"
#include "consolidation/form6_settlement_time_graph.h"
#include "consolidation/form7_settlement_time_list.h"
#include "observations/form13_observations.h"
#include "observations/form14_observation_graph.h"
#include "preload/form10_preload_input.h"
#include "preload/form11_extra_fill_results.h"
#include "preload/form12_removal_time.h"
#include "program/frm_about.h"
#include "program/frm_main.h"
#include "program/frm_splash.h"
#include "project/project_file_reader.h"
#include "project/project_file_writer.h"
#include "report/form18_listing.h"
#include "report/main_menu_printout.h"
#include "settlement/form16_cc_e0_regression.h"
#include "settlement/form17_curve_fitting.h"
#include "settlement/form1_settlement_input.h"
#include "settlement/form2_soil_stresses.h"
#include "settlement/form3_settlement_results.h"
#include "settlement/form8_fill_height.h"
#include "settlement/form9_fill_height_required_time.h"

namespace korvex {

void registerWindowModels(WindowRegistry& windows) {
    windows.registerModel<frmSplash>();
    windows.registerModel<frmMain>();
    windows.registerModel<frmAbout>();

    windows.registerModel<Form1>();
    windows.registerModel<Form2>();
    windows.registerModel<Form3>();
    windows.registerModel<Form8>();
    windows.registerModel<Form9>();
    windows.registerModel<Form16>();
    windows.registerModel<Form17>();

    windows.registerModel<Form4>();
    windows.registerModel<Form5>();
    windows.registerModel<Form6>();
    windows.registerModel<Form7>();
    windows.registerModel<Form15>();

    windows.registerModel<Form10>();
    windows.registerModel<Form11>();
    windows.registerModel<Form12>();

    windows.registerModel<Form13>();
    windows.registerModel<Form14>();

    windows.registerModel<Form18>();
}

void installFileCommands(frmMain& mainWindow, Application& app) {
    mainWindow.FileOpenCommand = [&app] { openProjectFile(app); };
    mainWindow.FileSaveCommand = [&app] { saveProjectFile(app); };
    mainWindow.FilePrintCommand = [&app] { report::printMainMenuReport(app); };
}

} // namespace korvex
