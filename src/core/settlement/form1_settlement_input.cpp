#include "settlement/form1_settlement_input.h"

#include "app/application.h"
#include "app/number_text.h"
#include "settlement/compression_fitting.h"
#include "settlement/form16_cc_e0_regression.h"
#include "settlement/form17_curve_fitting.h"
#include "settlement/form3_settlement_results.h"
#include "settlement/settlement_calculation.h"
#include "state/module1.h"

#include <algorithm>

namespace korvex {

std::span<const InputBox<Form1>> Form1::boxes() {
    static const InputBox<Form1> table[] = {
        {"Text1", &Form1::Text1, &Module1::ProjectName, "Name of project:"},
        {"Text2", &Form1::Text2, &Module1::BoreHole, "Representative Bore hole number:"},
        // Loading writes the name of the method here.
        {"Text3", &Form1::Text3, {}, "Extra Code:"},
        {"Text4", &Form1::Text4, &Module1::SurfaceLevel, "Surface level vs reference [m]:"},
        // The entered level, which Watertable is only until a water-table change replaces it.
        {"Text5", &Form1::Text5, &Module1::WatertableInput, "Watertable vs reference [m]:"},
        {"Text15", &Form1::Text15, &Module1::NewWatertable, "New watertable [m]:"},
        {"Text7", &Form1::Text7, &Module1::NLayers, "Number of Layers [-]:"},
        {"Text6", &Form1::Text6, &Module1::SoilmassFill,
         "Soil mass of fill above Watertable [t/m3]:"},
        {"Text8", &Form1::Text8, &Module1::SoilmassFillSat,
         "Soil mass of fill under Watertable [t/m3]:"},
        {"Text9", &Form1::Text9, &Module1::SoilmassAvg, "Average Soil mass above Watertable t/m3:"},
        {"Text10", &Form1::Text10, &Module1::SoilmassAvgSat,
         "Average Soil mass under Watertable t/m3:"},
        {"Text11", &Form1::Text11, &Module1::SurfaceLevelRequired, "Surface level required (m):"},
        {"Text12", &Form1::Text12, &Module1::SettlementTime, "Settlement time (days):"},
        {"Text13", &Form1::Text13, &Module1::FillIncrement, "Increment Fill layer thickness (m):"},
        {"Text14", &Form1::Text14, &Module1::NFillLayers, "Number of Filllayers (-):"},
    };
    return table;
}

Form1::Form1(Application& app) : WindowModel(app), Fg1(kLayerRows + 1, 9, 1300) {
    Caption = "Input Settlement Calculation";
}

std::string methodName(Integer method) {
    switch (method) {
    case 1:
        return "Terzaghi-Bjerrum";
    case 2:
        return "Terzaghi-Koppejan";
    default:
        return {};
    }
}

void Form1::Form_Load() {
    prepareEditableTable(Fg1);
    TxtEdit.clear();
    fillFromState();
    if (state().NLayers == 0) {
        Text4.clear();
        Text5.clear();
        Text15.clear();
        Text11.clear();
        Text7.clear();
    }
}

void Form1::refill(ResultsEvent /*event*/) {
    fillFromState();
    const Module1& st = state();
    // The project's own extra code, and the headings files have always been read with.
    Text3 = st.ExtraCode;
    Fg1.setTextMatrix(0, 7, "SigmaC(i)");
    if (st.Method == 1) {
        Fg1.setTextMatrix(0, 8, "Calpha(i)");
    }
    // Rows below the last layer would hold another project's layers for a raised layer count.
    for (int i = std::max<int>(st.NLayers, 0) + 1; i <= kLayerRows; ++i) {
        for (int c = 1; c <= 8; ++c) {
            Fg1.setTextMatrix(i, c, "");
        }
    }
}

void Form1::fillFromState() {
    Module1& st = state();
    methodLoadedFor = st.Method;
    Fg1.setTextMatrix(0, 0, "Lno");
    Fg1.setTextMatrix(0, 1, "LDepth(i)");
    Fg1.setTextMatrix(0, 2, "Soilwet(i)");
    if (st.Method == 1) {
        const char* headings[] = {"Cr(i)", "e0(i)", "Cc(i)", "ec(i)", "Sigmac(i)", "Calpha (i)"};
        for (int c = 3; c <= 8; ++c) {
            Fg1.setTextMatrix(0, c, headings[c - 3]);
        }
    }

    if (st.Method == 1 || st.Method == 2) {
        Text3 = methodName(st.Method);
    }
    loadBoxes(*this, st, boxes());

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
        const SingleArray<21>* columns[8] = {&st.LDepth, &st.Soilwet, &st.InvCp,  &st.InvCs,
                                             &st.InvCp2, &st.InvCs2,  &st.Sigmac, &st.CKoppejan};
        fillColumns(columns);
    }
}

void Form1::Command1_Click() {
    if (calculateSettlements(app(), *this)) {
        windows().show<Form3>();
    }
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
