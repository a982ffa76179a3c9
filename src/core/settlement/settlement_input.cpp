#include "settlement/settlement_input.h"

#include "app/input_reading.h"
#include "app/number_text.h"
#include "settlement/form1_settlement_input.h"
#include "state/module1.h"

#include <algorithm>
#include <cmath>

namespace korvex {

namespace {

// The box a range refusal names, by the program's name of the box.
InputField box(const char* name) {
    return fieldOf(boxNamed(Form1::boxes(), name));
}

void refuseOutside(bool outside, const std::string& message, const char* boxName) {
    if (outside) {
        refuse(message, box(boxName));
    }
}

// A wet mass typed as exactly dry + water differs from it, once all three are stored as the
// nearest Singles, by up to half a Single's step of each, either way (1.34 and 2.34 leave
// +1.2E-07 t/m3, 1.25 and 2.25 leave 0); only a loss larger than that was typed.
bool losesWeightUnderWater(Single dry, Single wet, Single water) {
    auto halfStep = [](Single x) {
        const Single magnitude = std::fabs(x);
        return 0.5 * (static_cast<double>(std::nextafter(magnitude, INFINITY)) - magnitude);
    };
    const double loss = dry - (static_cast<double>(wet) - water);
    return loss > halfStep(dry) + halfStep(wet) + halfStep(water);
}

} // namespace

void readSiteInput(Module1& st, const Form1& form) {
    // The number boxes in the order the window has always been read; a refusal names the first
    // bad box.
    double layerCount = 0.0;
    for (const InputBox<Form1>& box : Form1::boxes()) {
        if (const auto* single = std::get_if<Single Module1::*>(&box.variable)) {
            st.** single = num::toSingle(readBox(form, box));
        } else if (std::holds_alternative<Integer Module1::*>(box.variable)) {
            layerCount = num::roundHalfEven(readBox(form, box));
        }
    }
    // The water-table box fills the entered level; the calculation works on Watertable, which a
    // water-table change later replaces by the new level.
    st.Watertable = st.WatertableInput;

    if (layerCount == 0.0) {
        refuse("Number of layers and other inputvalues are 0;  At least you have to fill "
               "in the textboxes and settlement parameters.",
               box("Text7"), vbOKOnly);
    }
    // The layer arrays end at 21 and the stress loop writes layer NLayers + 1.
    refuseOutside(layerCount < 1.0 || layerCount > 20.0,
                  "Number of Layers [-]: value between 1 and 20.", "Text7");
    st.NLayers = static_cast<Integer>(layerCount);

    if (st.SurfaceLevelRequired <= st.SurfaceLevel && st.Watertable > st.NewWatertable) {
        refuse(
            "Surface level required equals or is less than Original surfacelevel; The new "
            "watertable is lower than original watertable. Change required level? Or calculation "
            "regarding compensation by a Fill for the settlements due to lowering the watertable?",
            box("Text11"), vbOKOnly);
    }
    if (st.SurfaceLevelRequired == st.SurfaceLevel && st.Watertable == st.NewWatertable) {
        refuse("Surface level required equals Original surfacelevel; The new watertable "
               "equals original watertable. The situation is not changed. Calculations "
               "are not possible!!!",
               box("Text11"), vbOKOnly);
    }
    if (st.SurfaceLevelRequired < st.SurfaceLevel) {
        refuse("Surface level required lower than Original surfacelevel;Calculations are "
               "not possible!!!",
               box("Text11"), vbOKOnly);
    }
    // Bounds compared as Singles: a typed 0.01 is the Single nearest 0.01 and must pass.
    refuseOutside(st.SoilmassFill < 0.01f || st.SoilmassFill > 10.0f,
                  "Soil mass dry of fill unrealistic;value between 0.01 t/m3 and 10 t/m3.",
                  "Text6");
    refuseOutside(st.SoilmassFillSat < 0.01f || st.SoilmassFillSat > 10.0f,
                  "Soil mass wet of fill unrealistic;value between 0.01 t/m3 and 10 t/m3.",
                  "Text8");
    refuseOutside(st.SoilmassAvg < 0.5f || st.SoilmassAvg > 3.0f,
                  "SoilMass dry unrealistic;value between 0.5 t/m3 and 3 t/m3.", "Text9");
    refuseOutside(st.SoilmassAvgSat < 0.5f || st.SoilmassAvgSat > 3.0f,
                  "SoilMass wet unrealistic;value between 0.5 t/m3 and 3 t/m3.", "Text10");
    refuseOutside(st.SoilmassFill > st.SoilmassFillSat,
                  "Soil mass dry of fill greater than Soil mass wet;not realistic.", "Text6");
    refuseOutside(st.SoilmassAvg > st.SoilmassAvgSat,
                  "Soil mass dry greater than Soil mass wet;not realistic.", "Text9");

    const double fillLayers = num::roundHalfEven(st.NFillLayers);
    refuseOutside(fillLayers > 21.0, "Number of Filllayers (-): at most 21.", "Text14");
    // The creep term counts from the first day: before it, it would lift the surface.
    refuseOutside(!(st.SettlementTime >= 1.0f), "Settlement time (days): value of 1 day or more.",
                  "Text12");
    refuseOutside(!(st.FillIncrement > 0.0f),
                  "Increment Fill layer thickness (m): value greater than 0 m.", "Text13");

    // Submerged material must weigh less than dry material, or the stress paths have no slope.
    if (form.Check1 != 0) {
        refuseOutside(!losesWeightUnderWater(st.SoilmassFill, st.SoilmassFillSat, st.SoilmassWater),
                      "Soil mass wet of fill not less than Soil mass dry plus water;no weight "
                      "loss under water. Stresspaths submergence not possible.",
                      "Text8");
        refuseOutside(!losesWeightUnderWater(st.SoilmassAvg, st.SoilmassAvgSat, st.SoilmassWater),
                      "Soil mass wet not less than Soil mass dry plus water;no weight loss under "
                      "water. Stresspaths submergence not possible.",
                      "Text10");
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
