#include "settlement/layer_table.h"

#include "app/desktop.h"
#include "app/input_reading.h"
#include "app/number_text.h"
#include "settlement/form1_settlement_input.h"
#include "state/module1.h"

#include <string>

namespace korvex {

namespace {

struct ParameterColumn {
    int column;
    const char* heading;
    SingleArray<21> Module1::*target;
    // A negative compression constant makes the layer rise under load.
    bool compression = false;
};

InputField layerCell(int layer, int column) {
    return {Form1::kName, "Fg1", layer, column};
}

double cellNumber(const Form1& form, int layer, int column, const char* heading) {
    return readCell(form.Fg1.TextMatrix(layer, column), layerCell(layer, column), heading);
}

void readColumn(Module1& st, const Form1& form, const ParameterColumn& column) {
    for (int i = 1; i <= st.NLayers; ++i) {
        const double value = cellNumber(form, i, column.column, column.heading);
        if (column.compression && value < 0.0) {
            refuse("Negative value in layer " + std::to_string(i) + ", column \"" + column.heading +
                       "\"; the value must be 0 or more.",
                   layerCell(i, column.column));
        }
        (st.*(column.target))(i) = num::toSingle(value);
    }
}

// A Koppejan pair with one constant left at 0 has no meaning as typed; both get a tiny value so
// that neither term vanishes silently nor divides by zero later.
void substituteZeroPair(Single& first, Single& second) {
    if (first == 0.0f || second == 0.0f) {
        first = num::toSingle(0.000001);
        second = num::toSingle(0.000001);
    }
}

} // namespace

void readLayerTable(Module1& st, const Form1& form, Desktop& desktop) {
    // Layer 1 is compared with the surface of this calculation, never with a level left from an
    // earlier one.
    st.LDepth(0) = st.SurfaceLevel;
    for (int i = 1; i <= st.NLayers; ++i) {
        st.LDepth(i) = num::toSingle(cellNumber(form, i, 1, "LDepth(i)"));
        if (i > 1 && !(st.LDepth(i) < st.LDepth(i - 1))) {
            refuse(" Fault in depth of Soil Layer(s) . ", layerCell(i, 1));
        }
        if (st.LDepth(i) >= st.SurfaceLevel) {
            refuse("Fault; Groundlevel same or less than underlying depth of Soil "
                   "Layer(s).",
                   layerCell(i, 1));
        }
    }

    for (int i = 1; i <= st.NLayers; ++i) {
        st.Soilwet(i) = num::toSingle(cellNumber(form, i, 2, "Soilwet(i)"));
        if (st.Soilwet(i) < 1.0f || st.Soilwet(i) > 3.0f) {
            desktop.msgBox(" Gammawet(i) unrealistic. ", vbExclamation, {});
        }
    }

    if (st.Method == 1) {
        const ParameterColumn columns[] = {
            {3, "Cr(i)", &Module1::Cr, true},   {4, "e0(i)", &Module1::e0},
            {5, "Cc(i)", &Module1::Cc, true},   {6, "ec(i)", &Module1::ec},
            {7, "Sigmac(i)", &Module1::Sigmac}, {8, "Calpha (i)", &Module1::Calpha, true},
        };
        for (const ParameterColumn& column : columns) {
            readColumn(st, form, column);
        }
        return;
    }

    const ParameterColumn columns[] = {
        {3, "1/Cp(i)", &Module1::InvCp, true},   {4, "1/Cs(i)", &Module1::InvCs, true},
        {5, "1/Cp'(i)", &Module1::InvCp2, true}, {6, "1/Cs'(i)", &Module1::InvCs2, true},
        {7, "Sigmac(i)", &Module1::Sigmac},
    };
    for (const ParameterColumn& column : columns) {
        readColumn(st, form, column);
    }
    for (int i = 1; i <= st.NLayers; ++i) {
        substituteZeroPair(st.InvCp(i), st.InvCs(i));
        substituteZeroPair(st.InvCp2(i), st.InvCs2(i));
        const double denominator = static_cast<double>(st.InvCp2(i)) + 4.0 * st.InvCs2(i);
        if (denominator == 0.0) {
            refuse("Layer " + std::to_string(i) +
                       ": 1/Cp'(i) + 4 x 1/Cs'(i) is 0; C(i) cannot be calculated.",
                   layerCell(i, 5));
        }
        // C is stored, then rounded from the stored Single: a C stored as 0.125 shows 0.13.
        st.CKoppejan(i) = num::toSingle(1.0 / denominator);
        st.CKoppejan(i) = num::toSingle(num::roundDecimals(st.CKoppejan(i), 2));
    }
}

} // namespace korvex
