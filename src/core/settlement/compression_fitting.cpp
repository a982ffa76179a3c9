#include "settlement/compression_fitting.h"

#include "app/application.h"
#include "app/module1.h"
#include "app/number_text.h"
#include "settlement/form1_settlement_input.h"

#include <cmath>
#include <optional>
#include <vector>

namespace korvex {

namespace {

std::string joinLines(const std::vector<std::string>& lines) {
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) {
            text += "\r\n";
        }
        text += lines[i];
    }
    return text;
}

// The layer count of the input window's box. The per-layer arrays and the table hold 20 layers:
// a larger (or a negative) count is refused before it reaches the shared state.
std::optional<Integer> layerCount(Application& app, const Form1& form) {
    const double count = num::countFromText(form.Text7);
    if (count < 1 || count > Form1::kLayerRows) {
        app.desktop().msgBox("Number of Layers [-]: value between 1 and 20.", vbExclamation);
        return std::nullopt;
    }
    return static_cast<Integer>(count);
}

constexpr int kSoilwetColumn = 2;

} // namespace

std::string dimensionsMessage() {
    return joinLines({
        "Lno = Number Soil Layer [-]",
        "LDepth = Depth underside of the Soil Layer vs reference level [m]",
        "                (Above reference level (+) and under reference level (-))",
        "",
        "Soildry = Mass of dry Soil [t/m3]",
        "Soilwet = Mass of wet Soil [t/m3]",
        "Cr = Recompression Ratio [-]",
        "Cc= Compression Ratio [-]",
        "e0 = Initial voidratio [-]",
        "ec = Voidratio intersection recompressionline and virginline [-]",
        "Sigmac = Preconsolidation stress [kPa]",
        "Calpha = Ratio Primary Secondairy compression [-]",
        "",
        "Surface level = Level above (+) or under (-) reference level [m]",
        "Watertable = Saturized level above (+) or under (-) reference level [m]",
        "Number of layers = Total number of the considered Soil Layers [-] (integer)",
        "",
        "1/Cp, 1/Cp' = Compression coefficient Primary settlement before and after prestress [-]",
        "1/Cs, 1/Cs' = Compression coefficient Secondary settlement before and after prestress [-]",
    });
}

std::string calphaValuesMessage() {
    return joinLines({
        "Typical values of Calpha/Cc for Geotechnical materials",
        "",
        "Granular soils including rockfill:  0.02 +- 0.01",
        "Shale and mudstone:                 0.03 +- 0.01",
        "Inorganic clays and silts:            0.04 +- 0.01",
        "Organic clays and silts:              0.05 +- 0.01",
        "Peat and muskeg:                     0.06 +-  0.01",
        "",
        "      Calpha            Secondary Compressibility",
        "   < 0.002                Very low",
        "      0.004                Low",
        "      0.008                Medium",
        "      0.016                High",
        "      0.032                Very High",
        "      0.064                Extremely high",
    });
}

void correctBulkDensity(Application& app, Form1& form) {
    Module1& st = app.state();
    Grid& grid = form.Fg1;
    grid.setCol(kSoilwetColumn);
    grid.setRow(1);
    for (int i = 1; i < grid.Rows(); ++i) {
        const std::string& cell = grid.TextMatrix(i, kSoilwetColumn);
        // An empty row is no layer yet, and a row holding text without a number is left for the
        // calculation to refuse by name; neither may turn into a density of 0.
        if (!num::hasLeadingNumber(cell)) {
            continue;
        }
        const double typed = num::leadingNumber(cell);
        // The threshold is tested on the stored density, so a typed value that is stored as 10
        // is corrected like 10 itself.
        st.Soilwet(i) = num::toSingle(typed);
        if (st.Soilwet(i) >= 10) {
            st.Soilwet(i) = num::toSingle(typed / 10);
        }
        grid.setTextMatrix(i, kSoilwetColumn, num::boxText(st.Soilwet(i)));
    }
    grid.setRow(1);
}

bool curveFitKoppejan(Application& app, Form1& form) {
    const std::optional<Integer> count = layerCount(app, form);
    if (!count) {
        return false;
    }
    Module1& st = app.state();
    st.NLayers = *count;
    const int n = st.NLayers;
    Grid& grid = form.Fg1;

    for (int i = 1; i <= n; ++i) {
        st.Soilwet(i) = num::toSingle(num::leadingNumber(grid.TextMatrix(i, kSoilwetColumn)));
        if (st.Soilwet(i) < 1 || st.Soilwet(i) > 3) {
            app.desktop().msgBox(" Gammawet(i) unrealistic. ", vbExclamation);
        }
    }

    auto fitted = [](Single a, Single b, double w) {
        return num::toSingle(std::exp(static_cast<double>(a) * w + static_cast<double>(b)));
    };
    auto rounded5 = [](Single x) { return num::toSingle(num::roundDecimals(x, 5)); };
    for (int i = 1; i <= n; ++i) {
        const double w = st.Soilwet(i);
        st.InvCp(i) = fitted(st.aCp, st.bCp, w);
        st.InvCs(i) = fitted(st.aCs, st.bCs, w);
        // Holds 1/C until the calculation turns it into C from the primed columns.
        st.CKoppejan(i) = fitted(st.aC, st.bC, w);
        st.InvCp2(i) = fitted(st.aCp2, st.bCp2, w);
        st.InvCs2(i) = num::toSingle((static_cast<double>(st.CKoppejan(i)) - st.InvCp2(i)) / 4);
        st.InvCp(i) = rounded5(st.InvCp(i));
        st.InvCs(i) = rounded5(st.InvCs(i));
        st.InvCp2(i) = rounded5(st.InvCp2(i));
        st.InvCs2(i) = rounded5(st.InvCs2(i));
        st.CKoppejan(i) = rounded5(st.CKoppejan(i));
    }

    for (int i = 1; i <= n; ++i) {
        grid.setTextMatrix(i, 3, num::boxText(st.InvCp(i)));
        grid.setTextMatrix(i, 4, num::boxText(st.InvCs(i)));
        grid.setTextMatrix(i, 5, num::boxText(st.InvCp2(i)));
        grid.setTextMatrix(i, 6, num::boxText(st.InvCs2(i)));
        grid.setTextMatrix(i, 8, num::boxText(num::toSingle(1.0 / st.CKoppejan(i))));
    }
    return true;
}

bool lineFitBjerrum(Application& app, Form1& form) {
    const std::optional<Integer> count = layerCount(app, form);
    if (!count) {
        return false;
    }
    const int n = *count;
    Grid& grid = form.Fg1;

    // Every void ratio is checked before anything is written: a refused fit leaves the table
    // and the shared state exactly as they were.
    std::vector<Single> voidRatios(static_cast<std::size_t>(n) + 1);
    for (int i = 1; i <= n; ++i) {
        voidRatios[static_cast<std::size_t>(i)] =
            num::toSingle(num::leadingNumber(grid.TextMatrix(i, 4)));
        if (!(voidRatios[static_cast<std::size_t>(i)] > 0)) {
            app.desktop().msgBox("Line fitting Cc-e0: e0 of layer " + num::boxText(i) +
                                     " must be greater than 0.",
                                 vbExclamation);
            return false;
        }
    }

    Module1& st = app.state();
    st.NLayers = *count;
    for (int i = 1; i <= n; ++i) {
        st.e0(i) = voidRatios[static_cast<std::size_t>(i)];
        st.ec(i) = st.e0(i);
    }
    for (int i = 1; i <= n; ++i) {
        const double cc = static_cast<double>(st.CcA) * std::log(static_cast<double>(st.e0(i))) +
                          static_cast<double>(st.CcB);
        st.Cc(i) = num::toSingle(num::roundDecimals(cc, 4));
    }
    for (int i = 1; i <= n; ++i) {
        grid.setTextMatrix(i, 3, "0");
        grid.setTextMatrix(i, 5, num::boxText(st.Cc(i)));
        grid.setTextMatrix(i, 6, num::boxText(st.ec(i)));
    }
    return true;
}

} // namespace korvex
