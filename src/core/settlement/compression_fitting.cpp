#include "settlement/compression_fitting.h"

#include "app/application.h"
#include "app/input_reading.h"
#include "app/number_text.h"
#include "settlement/form1_settlement_input.h"
#include "state/module1.h"

#include <cmath>
#include <optional>
#include <utility>
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
        showRefusal(app, InputRefusal("Number of Layers [-]: value between 1 and 20.",
                                      vbExclamation, fieldOf(boxNamed(Form1::boxes(), "Text7"))));
        return std::nullopt;
    }
    return static_cast<Integer>(count);
}

constexpr int kSoilwetColumn = 2;
constexpr int kVoidRatioColumn = 4;

// A fit or a correction is one action: it looks at every layer, collects why each refused layer
// cannot be used, and writes nothing unless no layer was refused.
class LayerRefusals {
public:
    explicit LayerRefusals(std::string action) : action_(std::move(action)) {}

    // The number in a cell, or nothing when the cell is refused (the reason is kept).
    std::optional<double> cell(const Grid& grid, int layer, int column) {
        try {
            return readCell(grid.TextMatrix(layer, column), layerCell(layer, column),
                            grid.TextMatrix(0, column));
        } catch (const InputRefusal& refusal) {
            add(refusal.what(), layer, column);
            return std::nullopt;
        }
    }
    void add(std::string reason, int layer, int column) {
        reasons_.push_back(std::move(reason));
        if (!first_) {
            first_ = layerCell(layer, column);
        }
    }

    // Shows the one message naming every refused layer, the cursor on the first; true when there
    // was one.
    bool show(Application& app) const {
        if (reasons_.empty()) {
            return false;
        }
        std::vector<std::string> lines{action_ + ": nothing was written; correct these layers:"};
        lines.insert(lines.end(), reasons_.begin(), reasons_.end());
        showRefusal(app, InputRefusal(joinLines(lines), vbExclamation, first_));
        return true;
    }

private:
    static InputField layerCell(int layer, int column) {
        return {Form1::kName, "Fg1", layer, column};
    }

    std::string action_;
    std::vector<std::string> reasons_;
    std::optional<InputField> first_;
};

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
    Grid& grid = form.Fg1;
    LayerRefusals refusals("Correction Bulkdensity");
    std::vector<std::pair<int, Single>> corrected;
    for (int i = 1; i < grid.Rows(); ++i) {
        // An empty row is no layer yet and stays empty; it must not turn into a density of 0.
        if (num::isBlank(grid.TextMatrix(i, kSoilwetColumn))) {
            continue;
        }
        const std::optional<double> typed = refusals.cell(grid, i, kSoilwetColumn);
        if (!typed) {
            continue;
        }
        // The threshold is tested on the stored density, so a typed value that is stored as 10
        // is corrected like 10 itself.
        Single density = num::toSingle(*typed);
        if (density >= 10) {
            density = num::toSingle(*typed / 10);
        }
        corrected.emplace_back(i, density);
    }
    if (refusals.show(app)) {
        return;
    }
    Module1& st = app.state();
    for (const auto& [row, density] : corrected) {
        st.Soilwet(row) = density;
        grid.setTextMatrix(row, kSoilwetColumn, num::boxText(density));
    }
    grid.setCol(kSoilwetColumn);
    grid.setRow(1);
}

namespace {

// The Koppejan constants of one wet density, each rounded as the table shows it.
struct KoppejanFit {
    Single invCp = 0, invCs = 0, invCp2 = 0, invCs2 = 0;
    // 1/C: the calculation turns it into C from the primed columns.
    Single invC = 0;
};

KoppejanFit fitKoppejan(const SettlementInput& coefficients, double w) {
    auto fitted = [w](Single a, Single b) {
        return num::toSingle(std::exp(static_cast<double>(a) * w + static_cast<double>(b)));
    };
    auto rounded5 = [](Single x) { return num::toSingle(num::roundDecimals(x, 5)); };
    const SettlementInput& c = coefficients;
    KoppejanFit fit;
    fit.invCp = fitted(c.aCp, c.bCp);
    fit.invCs = fitted(c.aCs, c.bCs);
    fit.invC = fitted(c.aC, c.bC);
    fit.invCp2 = fitted(c.aCp2, c.bCp2);
    fit.invCs2 = num::toSingle((static_cast<double>(fit.invC) - fit.invCp2) / 4);
    fit.invCp = rounded5(fit.invCp);
    fit.invCs = rounded5(fit.invCs);
    fit.invCp2 = rounded5(fit.invCp2);
    fit.invCs2 = rounded5(fit.invCs2);
    fit.invC = rounded5(fit.invC);
    return fit;
}

// The first fitted value that is not finite and positive, as "1/Cs'(i) = -0.00002"; empty when
// all are.
std::string firstUnusableValue(const Grid& grid, const KoppejanFit& fit) {
    const std::pair<int, double> values[] = {{3, fit.invCp},
                                             {4, fit.invCs},
                                             {5, fit.invCp2},
                                             {6, fit.invCs2},
                                             {8, 1.0 / static_cast<double>(fit.invC)}};
    for (const auto& [column, value] : values) {
        if (!(std::isfinite(value) && value > 0.0)) {
            return grid.TextMatrix(0, column) + " = " + num::boxText(num::toSingle(value));
        }
    }
    return {};
}

} // namespace

bool curveFitKoppejan(Application& app, Form1& form) {
    const std::optional<Integer> count = layerCount(app, form);
    if (!count) {
        return false;
    }
    const int n = *count;
    Grid& grid = form.Fg1;
    LayerRefusals refusals("Curve fitting 1/Cp,1/Cs");
    std::vector<Single> densities(static_cast<std::size_t>(n) + 1);
    std::vector<KoppejanFit> fits(static_cast<std::size_t>(n) + 1);
    for (int i = 1; i <= n; ++i) {
        const auto layer = static_cast<std::size_t>(i);
        const std::optional<double> typed = refusals.cell(grid, i, kSoilwetColumn);
        if (!typed) {
            continue;
        }
        densities[layer] = num::toSingle(*typed);
        fits[layer] = fitKoppejan(app.state(), densities[layer]);
        const std::string unusable = firstUnusableValue(grid, fits[layer]);
        if (!unusable.empty()) {
            refusals.add("layer " + std::to_string(i) + ": " + grid.TextMatrix(0, kSoilwetColumn) +
                             " " + num::boxText(densities[layer]) + " gives " + unusable +
                             "; every fitted value must be a number greater than 0.",
                         i, kSoilwetColumn);
        }
    }
    if (refusals.show(app)) {
        return false;
    }

    for (int i = 1; i <= n; ++i) {
        const Single density = densities[static_cast<std::size_t>(i)];
        if (density < 1 || density > 3) {
            app.desktop().msgBox(" Gammawet(i) unrealistic. ", vbExclamation);
        }
    }
    Module1& st = app.state();
    st.NLayers = *count;
    for (int i = 1; i <= n; ++i) {
        const KoppejanFit& fit = fits[static_cast<std::size_t>(i)];
        st.Soilwet(i) = densities[static_cast<std::size_t>(i)];
        st.InvCp(i) = fit.invCp;
        st.InvCs(i) = fit.invCs;
        st.InvCp2(i) = fit.invCp2;
        st.InvCs2(i) = fit.invCs2;
        st.CKoppejan(i) = fit.invC;
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
    const Module1& coefficients = app.state();
    LayerRefusals refusals("Line fitting Cc-e0");
    std::vector<Single> voidRatios(static_cast<std::size_t>(n) + 1);
    std::vector<Single> indices(static_cast<std::size_t>(n) + 1);
    for (int i = 1; i <= n; ++i) {
        const std::optional<double> typed = refusals.cell(grid, i, kVoidRatioColumn);
        if (!typed) {
            continue;
        }
        const Single e0 = num::toSingle(*typed);
        const std::string layer = "layer " + std::to_string(i) + ": e0 " + num::boxText(e0);
        if (!(e0 > 0)) {
            refusals.add(layer + " has no logarithm; e0 must be greater than 0.", i,
                         kVoidRatioColumn);
            continue;
        }
        const double cc =
            static_cast<double>(coefficients.CcA) * std::log(static_cast<double>(e0)) +
            static_cast<double>(coefficients.CcB);
        const Single rounded = num::toSingle(num::roundDecimals(cc, 4));
        // Below the line's zero the soil would swell under load.
        if (!(std::isfinite(rounded) && rounded > 0)) {
            refusals.add(layer + " gives Cc = " + num::boxText(rounded) +
                             "; the fitted Cc must be greater than 0.",
                         i, kVoidRatioColumn);
            continue;
        }
        voidRatios[static_cast<std::size_t>(i)] = e0;
        indices[static_cast<std::size_t>(i)] = rounded;
    }
    if (refusals.show(app)) {
        return false;
    }

    Module1& st = app.state();
    st.NLayers = *count;
    for (int i = 1; i <= n; ++i) {
        st.e0(i) = voidRatios[static_cast<std::size_t>(i)];
        st.ec(i) = st.e0(i);
        st.Cc(i) = indices[static_cast<std::size_t>(i)];
        grid.setTextMatrix(i, 3, "0");
        grid.setTextMatrix(i, 5, num::boxText(st.Cc(i)));
        grid.setTextMatrix(i, 6, num::boxText(st.ec(i)));
    }
    return true;
}

} // namespace korvex
