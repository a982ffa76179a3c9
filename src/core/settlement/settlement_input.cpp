#include "settlement/settlement_input.h"

#include "app/module1.h"
#include "app/number_text.h"
#include "settlement/calculation_stop.h"
#include "settlement/form1_settlement_input.h"

#include <algorithm>
#include <cmath>

namespace korvex {

namespace {

// One box of the window, its label as the user sees it, and where it goes.
struct SiteBox {
    const std::string Form1::*text;
    const char* label;
    Single Module1::*target;
};

void refuseOutside(bool outside, const std::string& message) {
    if (outside) {
        stopCalculation(message);
    }
}

} // namespace

double fieldNumber(const std::string& text, const std::string& fieldName) {
    if (num::isBlank(text)) {
        return 0.0;
    }
    const double value = num::leadingNumber(text);
    // A value that no Single can hold would turn into an infinity the moment it is stored.
    if (!num::hasLeadingNumber(text) || !std::isfinite(num::toSingle(value))) {
        stopCalculation("No number in " + fieldName + "; correct the input.");
    }
    return value;
}

void readSiteInput(Module1& st, const Form1& form) {
    // The order in which the window has always been read; a refusal names the first bad box.
    const SiteBox boxes[] = {
        {&Form1::Text4, "Surface level vs reference [m]:", &Module1::SurfaceLevel},
        {&Form1::Text5, "Watertable vs reference [m]:", &Module1::Watertable},
        {&Form1::Text15, "New watertable [m]:", &Module1::NewWatertable},
        {&Form1::Text7, "Number of Layers [-]:", nullptr},
        {&Form1::Text6, "Soil mass of fill above Watertable [t/m3]:", &Module1::SoilmassFill},
        {&Form1::Text8, "Soil mass of fill under Watertable [t/m3]:", &Module1::SoilmassFillSat},
        {&Form1::Text9, "Average Soil mass above Watertable t/m3:", &Module1::SoilmassAvg},
        {&Form1::Text10, "Average Soil mass under Watertable t/m3:", &Module1::SoilmassAvgSat},
        {&Form1::Text11, "Surface level required (m):", &Module1::SurfaceLevelRequired},
        {&Form1::Text12, "Settlement time (days):", &Module1::SettlementTime},
        {&Form1::Text13, "Increment Fill layer thickness (m):", &Module1::FillIncrement},
        {&Form1::Text14, "Number of Filllayers (-):", &Module1::NFillLayers},
    };
    double layerCount = 0.0;
    for (const SiteBox& box : boxes) {
        const std::string& text = form.*(box.text);
        const double value = fieldNumber(text, std::string("\"") + box.label + "\"");
        if (box.target != nullptr) {
            st.*(box.target) = num::toSingle(value);
        } else {
            layerCount = num::countFromText(text);
        }
    }

    if (layerCount == 0.0) {
        stopCalculation("Number of layers and other inputvalues are 0;  At least you have to fill "
                        "in the textboxes and settlement parameters.",
                        vbOKOnly);
    }
    // The layer arrays end at 21 and the stress loop writes layer NLayers + 1.
    refuseOutside(layerCount < 1.0 || layerCount > 20.0,
                  "Number of Layers [-]: value between 1 and 20.");
    st.NLayers = static_cast<Integer>(layerCount);

    if (st.SurfaceLevelRequired <= st.SurfaceLevel && st.Watertable > st.NewWatertable) {
        stopCalculation(
            "Surface level required equals or is less than Original surfacelevel; The new "
            "watertable is lower than original watertable. Change required level? Or calculation "
            "regarding compensation by a Fill for the settlements due to lowering the watertable?",
            vbOKOnly);
    }
    if (st.SurfaceLevelRequired == st.SurfaceLevel && st.Watertable == st.NewWatertable) {
        stopCalculation("Surface level required equals Original surfacelevel; The new watertable "
                        "equals original watertable. The situation is not changed. Calculations "
                        "are not possible!!!",
                        vbOKOnly);
    }
    if (st.SurfaceLevelRequired < st.SurfaceLevel) {
        stopCalculation("Surface level required lower than Original surfacelevel;Calculations are "
                        "not possible!!!",
                        vbOKOnly);
    }
    // Bounds compared as Singles: a typed 0.01 is the Single nearest 0.01 and must pass.
    refuseOutside(st.SoilmassFill < 0.01f || st.SoilmassFill > 10.0f,
                  "Soil mass dry of fill unrealistic;value between 0.01 t/m3 and 10 t/m3.");
    refuseOutside(st.SoilmassFillSat < 0.01f || st.SoilmassFillSat > 10.0f,
                  "Soil mass wet of fill unrealistic;value between 0.01 t/m3 and 10 t/m3.");
    refuseOutside(st.SoilmassAvg < 0.5f || st.SoilmassAvg > 3.0f,
                  "SoilMass dry unrealistic;value between 0.5 t/m3 and 3 t/m3.");
    refuseOutside(st.SoilmassAvgSat < 0.5f || st.SoilmassAvgSat > 3.0f,
                  "SoilMass wet unrealistic;value between 0.5 t/m3 and 3 t/m3.");
    refuseOutside(st.SoilmassFill > st.SoilmassFillSat,
                  "Soil mass dry of fill greater than Soil mass wet;not realistic.");
    refuseOutside(st.SoilmassAvg > st.SoilmassAvgSat,
                  "Soil mass dry greater than Soil mass wet;not realistic.");

    const double fillLayers = num::roundHalfEven(st.NFillLayers);
    refuseOutside(fillLayers > 21.0, "Number of Filllayers (-): at most 21.");
    refuseOutside(!(st.SettlementTime > 0.0f),
                  "Settlement time (days): value greater than 0 days.");
    refuseOutside(!(st.FillIncrement > 0.0f),
                  "Increment Fill layer thickness (m): value greater than 0 m.");

    // Submerged material must weigh less than dry material, or the stress paths have no slope.
    if (form.Check1 != 0) {
        const double water = st.SoilmassWater;
        refuseOutside(st.SoilmassFill - (st.SoilmassFillSat - water) <= 0.0,
                      "Soil mass wet of fill not less than Soil mass dry plus water;no weight "
                      "loss under water. Stresspaths submergence not possible.");
        refuseOutside(st.SoilmassAvg - (st.SoilmassAvgSat - water) <= 0.0,
                      "Soil mass wet not less than Soil mass dry plus water;no weight loss under "
                      "water. Stresspaths submergence not possible.");
    }

    if (st.Watertable == st.SurfaceLevel) {
        st.Watertable = num::toSingle(st.SurfaceLevel - 0.01);
    }
    if (st.NewWatertable == st.SurfaceLevel) {
        st.NewWatertable = num::toSingle(st.SurfaceLevel - 0.01);
    }

    // Every fill step that runs gets the height of this calculation, never one left from before.
    const int steps = std::max(15, static_cast<int>(fillLayers));
    for (int k = 1; k <= steps; ++k) {
        st.FillHeight(k) = num::toSingle(k * static_cast<double>(st.FillIncrement));
    }
}

} // namespace korvex
