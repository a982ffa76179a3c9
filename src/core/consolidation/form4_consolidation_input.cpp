#include "consolidation/form4_consolidation_input.h"

#include "app/application.h"
#include "app/input_reading.h"
#include "app/number_text.h"
#include "consolidation/consolidation_calculation.h"
#include "consolidation/equivalent_cv.h"
#include "consolidation/form5_consolidation_results.h"
#include "state/module1.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

namespace korvex {

namespace {

// The boxes whose load value the settlement calculation gives, and what each shows before there
// are any layers.
struct SettlementBox {
    const char* name;
    const char* withoutLayers;
};
constexpr SettlementBox kSettlementBoxes[] = {
    {"Text5", "1"}, {"Text6", "1"}, {"Text10", "1"}, {"Text15", ""}, {"Text16", ""}, {"Text17", ""},
};

InputField cvCell(int layer) {
    return {Form4::kName, "Fg4", layer, 1};
}

} // namespace

std::span<const InputBox<Form4>> Form4::boxes() {
    static const InputBox<Form4> table[] = {
        {"Text1", &Form4::Text1, &Module1::DegreeCons, "Degree of Consolidation [-]:"},
        {"Text2", &Form4::Text2, &Module1::ConsolidationPeriod, "Consolidation period [days]:"},
        {"Text3", &Form4::Text3, &Module1::DrainDiameter, "Equivalent draindiameter [m]:"},
        {"Text4", &Form4::Text4, &Module1::RestSettlement, "Rest Settlement [m]:"},
        {"Text5", &Form4::Text5, &Module1::S10Cons, "Settlement after 10 days [m]:"},
        {"Text6", &Form4::Text6, &Module1::S10000Cons, "Settlement after 10 000 days [m]:"},
        {"Text7", &Form4::Text7, &Module1::ConstructionTime, "Construction time [days]:"},
        {"Text8", &Form4::Text8, &Module1::KhKr, "Ratio kh/kr [-]:"},
        {"Text9", &Form4::Text9, &Module1::DrainArea, "Area [m2]:"},
        {"Text10", &Form4::Text10, &Module1::SoilThickness, "Total thickness of Soil layers [m]:"},
        {"Text11", &Form4::Text11, &Module1::ChAvg, "Average Ch [m2/s]:"},
        {"Text12", &Form4::Text12, &Module1::CvAvg, "Average Cv [m2/s]:"},
        {"Text13", &Form4::Text13, &Module1::TimeFactor, "Time factor for End of Primary [-]:"},
        // Empty until "Calculation Equiv. Cv" fills it.
        {"Text14", &Form4::Text14, {}, "Equivalent Cv for total Layer thickness [m/s2]:"},
        {"Text15", &Form4::Text15, &Module1::FillThickness, "Necessary Fill layer thickness (m):"},
        {"Text16", &Form4::Text16, &Module1::FillSettlement,
         "Settlement due to Fill layer thickness (m):"},
        {"Text17", &Form4::Text17, &Module1::SettlementTime,
         "Settlement time used for design (days):"},
    };
    return table;
}

Form4::Form4(Application& app) : WindowModel(app), Fg4(kLayerRows + 1, 2) {
    Caption = "Input Consolidation and Vertical drains";
}

void Form4::Form_Load() {
    prepareEditableTable(Fg4);
    TxtEdit.clear();
    loadBoxes(*this, state(), boxes());
    fillSettlementBoxes();
    fillLayerCv();
}

void Form4::refill(ResultsEvent event) {
    // The table keeps its layout: only the boxes and the layer column are written again.
    if (event == ResultsEvent::ProjectReplaced) {
        // Every value the file holds, also those of a project without layers.
        loadBoxes(*this, state(), boxes());
    } else {
        fillSettlementBoxes();
    }
    fillLayerCv();
    dropStaleEquivalentCv();
}

void Form4::dropStaleEquivalentCv() {
    if (Text14.empty() || Text14 != equivalentCvText_) {
        return;
    }
    // An opened project can bring the same layer stack with other Cv values.
    const Module1& st = state();
    std::vector<Single> cvs;
    for (std::size_t i = 1; i <= equivalentCvLayers_.size(); ++i) {
        cvs.push_back(st.Cv(static_cast<int>(i)));
    }
    if (layerThicknesses() != equivalentCvThicknesses_ || cvs != equivalentCvLayers_) {
        Text14.clear();
    }
}

std::vector<Single> Form4::layerThicknesses() {
    const Module1& st = state();
    const int layers = std::clamp<int>(st.NLayers, 0, kLayerRows);
    // The same thicknesses the settlement calculation derives from the layer depths.
    std::vector<Single> thicknesses;
    Single upper = st.SurfaceLevel;
    for (int i = 1; i <= layers; ++i) {
        thicknesses.push_back(num::toSingle(std::fabs(static_cast<double>(st.LDepth(i)) - upper)));
        upper = st.LDepth(i);
    }
    return thicknesses;
}

void Form4::fillSettlementBoxes() {
    const Module1& st = state();
    for (const SettlementBox& settlementBox : kSettlementBoxes) {
        const InputBox<Form4>& box = boxNamed(boxes(), settlementBox.name);
        this->*box.text =
            st.NLayers == 0 ? settlementBox.withoutLayers : variableText(st, box.variable);
    }
}

void Form4::fillLayerCv() {
    Module1& st = state();
    const int layers = std::clamp<int>(st.NLayers, 0, kLayerRows);
    Fg4.setTextMatrix(0, 0, "Lno");
    Fg4.setTextMatrix(0, 1, "Cv(i)");
    for (int i = 1; i <= layers; ++i) {
        Fg4.setTextMatrix(i, 0, std::to_string(i));
        // A layer's own Cv, saved in a project or calculated before, survives a reload; only a
        // layer without one takes the average.
        if (!(st.Cv(i) > 0)) {
            st.Cv(i) = st.CvAvg;
        }
        Fg4.setTextMatrix(i, 1, num::boxText(st.Cv(i)));
    }
    // A row below the last layer belongs to no layer of this site.
    for (int i = layers + 1; i <= kLayerRows; ++i) {
        Fg4.setTextMatrix(i, 1, "");
    }
    Fg4.setRow(layers > 0 ? layers : 1);
    Fg4.setCol(1);
}

void Form4::Command1_Click() {
    calculateConsolidation(app(), *this);
}

void Form4::Command3_Click() {
    windows().unload(*this);
}

void Form4::Command4_Click() {
    // An equivalent Cv left from other layer values must not outlive a refused recomputation:
    // "Calculate" would take it for the present table.
    Text14.clear();
    Module1& st = state();
    const int layers = std::clamp<int>(st.NLayers, 0, kLayerRows);
    const std::vector<Single> thicknesses = layerThicknesses();
    std::vector<Single> cvs;
    try {
        cvs = layerCv(layers);
        for (int i = 1; i <= layers; ++i) {
            const Single cv = cvs[static_cast<std::size_t>(i - 1)];
            if (!(std::isfinite(cv) && cv > 0.0f)) {
                refuse(cvNotPositiveMessage(i), cvCell(i));
            }
        }
    } catch (const InputRefusal& refusal) {
        showRefusal(app(), refusal);
        return;
    }
    std::optional<Single> cv = equivalentCv(thicknesses, cvs, desktop());
    if (!cv) {
        return;
    }
    st.LDepth(0) = st.SurfaceLevel;
    for (int i = 1; i <= layers; ++i) {
        st.LThickness(i) = thicknesses[static_cast<std::size_t>(i - 1)];
        st.Cv(i) = cvs[static_cast<std::size_t>(i - 1)];
    }
    Fg4.setRow(layers > 0 ? layers : 1);
    Fg4.setCol(1);
    Text14 = num::boxText(*cv);
    equivalentCvText_ = Text14;
    equivalentCvThicknesses_ = thicknesses;
    equivalentCvLayers_ = cvs;
}

std::vector<Single> Form4::layerCv(int layers) const {
    std::vector<Single> cvs;
    for (int i = 1; i <= layers; ++i) {
        cvs.push_back(
            num::toSingle(readCell(Fg4.TextMatrix(i, 1), cvCell(i), Fg4.TextMatrix(0, 1))));
    }
    return cvs;
}

void Form4::ShowResults() {
    if (state().ConsolidationCalculated == 0) {
        desktop().msgBox(" You forgot to push the Calculate button. ", vbExclamation);
        return;
    }
    windows().show<Form5>();
}

} // namespace korvex
