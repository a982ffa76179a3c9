#include "settlement/form1_settlement_input.h"

#include "app/application.h"
#include "app/module1.h"
#include "app/number_text.h"
#include "settlement/compression_fitting.h"
#include "settlement/form16_cc_e0_regression.h"
#include "settlement/form17_curve_fitting.h"
#include "settlement/form2_soil_stresses.h"
#include "settlement/form3_settlement_results.h"
#include "settlement/form8_fill_height.h"
#include "settlement/form9_fill_height_required_time.h"
#include "settlement/settlement_calculation.h"

namespace korvex {

Form1::Form1(Application& app) : WindowModel(app), Fg1(kLayerRows + 1, 9, 1300) {
    Caption = "Input Settlement Calculation";
}

void Form1::Form_Load() {
    Module1& st = state();
    prepareEditableTable(Fg1);
    TxtEdit.clear();

    Fg1.setTextMatrix(0, 0, "Lno");
    Fg1.setTextMatrix(0, 1, "LDepth(i)");
    Fg1.setTextMatrix(0, 2, "Soilwet(i)");
    if (st.Method == 1) {
        const char* headings[] = {"Cr(i)", "e0(i)", "Cc(i)", "ec(i)", "Sigmac(i)", "Calpha (i)"};
        for (int c = 3; c <= 8; ++c) {
            Fg1.setTextMatrix(0, c, headings[c - 3]);
        }
        Text3 = "Terzaghi-Bjerrum";
    }

    Text1 = st.ProjectName;
    Text2 = st.BoreHole;
    Text4 = num::boxText(st.SurfaceLevel);
    Text5 = num::boxText(st.Watertable);
    Text7 = num::boxText(st.NLayers);
    Text6 = num::boxText(st.SoilmassFill);
    Text8 = num::boxText(st.SoilmassFillSat);
    Text9 = num::boxText(st.SoilmassAvg);
    Text10 = num::boxText(st.SoilmassAvgSat);
    Text11 = num::boxText(st.SurfaceLevelRequired);
    Text12 = num::boxText(st.SettlementTime);
    Text13 = num::boxText(st.FillIncrement);
    Text14 = num::boxText(st.NFillLayers);
    Text15 = num::boxText(st.NewWatertable);
    if (st.NLayers == 0) {
        Text4.clear();
        Text5.clear();
        Text15.clear();
        Text11.clear();
        Text7.clear();
    }

    auto fillColumns = [&](const SingleArray<21>* columns[8]) {
        const int layers = std::min<int>(st.NLayers, kLayerRows);
        for (int c = 1; c <= 8; ++c) {
            for (int i = 1; i <= layers; ++i) {
                Fg1.setTextMatrix(i, c, num::boxText((*columns[c - 1])(i)));
            }
        }
    };
    if (st.Method == 1) {
        const SingleArray<21>* columns[8] = {&st.LDepth, &st.Soilwet, &st.Cr,     &st.e0,
                                             &st.Cc,     &st.ec,      &st.Sigmac, &st.Calpha};
        fillColumns(columns);
    } else if (st.Method == 2) {
        const char* headings[] = {"1/Cp(i)",  "1/Cs(i)",   "1/Cp'(i)",
                                  "1/Cs'(i)", "Sigmac(i)", "C(i)"};
        for (int c = 3; c <= 8; ++c) {
            Fg1.setTextMatrix(0, c, headings[c - 3]);
        }
        Text3 = "Terzaghi-Koppejan";
        const SingleArray<21>* columns[8] = {&st.LDepth, &st.Soilwet, &st.InvCp,  &st.InvCs,
                                             &st.InvCp2, &st.InvCs2,  &st.Sigmac, &st.CKoppejan};
        fillColumns(columns);
    }
}

void Form1::Command1_Click() {
    if (!calculateSettlements(app(), *this)) {
        return;
    }
    // A result window that stays open must never show the results of an earlier calculation
    // beside the new input: every open one is filled again as its loading fills it.
    WindowRegistry& registry = windows();
    if (Form3* form3 = registry.find<Form3>()) {
        form3->Form_Load();
    }
    if (Form2* form2 = registry.find<Form2>()) {
        form2->Form_Load();
    }
    if (Form8* form8 = registry.find<Form8>()) {
        form8->Form_Load();
    }
    if (Form9* form9 = registry.find<Form9>()) {
        form9->Form_Load();
    }
    registry.show<Form3>();
}

void Form1::Command2_Click() {
    windows().unload(*this);
}

bool Form1::bjerrumHelpersOffered() {
    return state().Method == 1;
}

bool Form1::koppejanHelpersOffered() {
    return state().Method == 2;
}

void Form1::Command3_Click() {
    desktop().msgBox(dimensionsMessage(), vbOKOnly);
}

void Form1::Command4_Click() {
    if (state().Method == 1) {
        windows().show<Form16>();
    }
}

void Form1::Command5_Click() {
    desktop().msgBox(calphaValuesMessage(), vbOKOnly);
}

void Form1::Command6_Click() {
    correctBulkDensity(app(), *this);
}

void Form1::Command7_Click() {
    if (state().Method == 2) {
        curveFitKoppejan(app(), *this);
    }
}

void Form1::Command8_Click() {
    if (state().Method == 1) {
        lineFitBjerrum(app(), *this);
    }
}

void Form1::Command9_Click() {
    if (state().Method == 2) {
        windows().show<Form17>();
    }
}

} // namespace korvex
