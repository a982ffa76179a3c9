#include "settlement/settlement_steps.h"

#include "app/input_reading.h"
#include "app/number_text.h"
#include "state/general_state.h"
#include "state/settlement_input_state.h"
#include "state/settlement_results_state.h"

#include <cmath>
#include <string>

namespace korvex {

using num::toSingle;

namespace {

bool bjerrum(const GeneralState& general) {
    return general.Method == 1;
}

// Terzaghi-Bjerrum works with decimal, Terzaghi-Koppejan with natural logarithms of the ratios.
double stressLog(const GeneralState& general, double ratio) {
    return bjerrum(general) ? std::log10(ratio) : std::log(ratio);
}

} // namespace

double log10Days(double days) {
    return std::log(days) / std::log(10.0);
}

void computeLayerCoefficients(const GeneralState& general, const SettlementInput& input,
                              SettlementResults& results) {
    for (int i = 1; i <= input.NLayers; ++i) {
        const std::string layer = "layer " + std::to_string(i);
        results.SigmaEff0(i) = results.SigmaEff(i);
        if (!(results.SigmaEff0(i) > 0.0f)) {
            refuse("Initial effective stress of " + layer +
                   " is 0 or less;check the layer depths, soil masses and watertable.");
        }
        results.SigmaP(i) = toSingle(static_cast<double>(results.SigmaEff0(i)) + input.Sigmac(i));
        if (!(results.SigmaP(i) > 0.0f)) {
            refuse("Preconsolidation stress of " + layer + " is 0 or less;check Sigmac(i).");
        }
        results.OCR(i) = toSingle(static_cast<double>(results.SigmaP(i)) / results.SigmaEff0(i));
        if (bjerrum(general)) {
            if (!(input.e0(i) > -1.0f)) {
                refuse("e0(i) of " + layer + " is -1 or less;not realistic.");
            }
            const double onePlusE0 = static_cast<double>(input.e0(i)) + 1.0;
            results.CompRatio(i) = toSingle(input.Cc(i) / onePlusE0);
            results.RecompRatio(i) = toSingle(input.Cr(i) / onePlusE0);
            results.CalphaRatio(i) = toSingle(input.Calpha(i) / onePlusE0);
        } else {
            results.CompRatio(i) = input.InvCp2(i);
            results.RecompRatio(i) = input.InvCp(i);
        }
    }
}

RecompressionLogs recompressionLogs(const GeneralState& general, const SettlementInput& input,
                                    const SettlementResults& results) {
    RecompressionLogs logs;
    for (int i = 1; i <= input.NLayers; ++i) {
        logs.layer(i) =
            stressLog(general, static_cast<double>(results.SigmaP(i)) / results.SigmaEff0(i));
    }
    return logs;
}

PrimarySettlement primarySettlement(const GeneralState& general, const SettlementResults& results,
                                    const RecompressionLogs& recompression, int layer,
                                    double load) {
    const double thickness = results.LThickness(layer);
    const double initial = results.SigmaEff0(layer);
    const double preconsolidation = results.SigmaP(layer);
    PrimarySettlement p;
    p.stress = toSingle(load + initial);
    if (!(p.stress > 0.0f)) {
        refuse("Effective stress of layer " + std::to_string(layer) +
               " becomes 0 or less under the load;check the watertables and the fill.");
    }
    const bool virgin = p.stress > preconsolidation;
    if (virgin) {
        p.logVirgin = toSingle(stressLog(general, p.stress / preconsolidation));
        p.virgin = toSingle(thickness * -1.0 * results.CompRatio(layer) * p.logVirgin);
        p.stress = results.SigmaP(layer);
    } else if (bjerrum(general)) {
        // Bjerrum keeps the (negative) logarithm below the preconsolidation stress; nothing reads
        // it, but it is stored as computed.
        p.logVirgin = toSingle(stressLog(general, p.stress / preconsolidation));
    }
    p.logRecomp =
        toSingle(virgin ? recompression.layer(layer) : stressLog(general, p.stress / initial));
    p.recomp = toSingle(thickness * -1.0 * results.RecompRatio(layer) * p.logRecomp);
    return p;
}

Single creepPart(const GeneralState& general, const SettlementInput& input,
                 const SettlementResults& results, int layer, const PrimarySettlement& primary,
                 double log10Time) {
    const double thickness = results.LThickness(layer);
    if (bjerrum(general)) {
        return toSingle(thickness * -1.0 * results.CalphaRatio(layer) * log10Time);
    }
    return toSingle(thickness * input.InvCs2(layer) * primary.logVirgin * log10Time +
                    thickness * input.InvCs(layer) * primary.logRecomp * log10Time);
}

Single layerSettlement(const GeneralState& general, const PrimarySettlement& primary,
                       Single creep) {
    const double primaryPart = static_cast<double>(primary.recomp) + primary.virgin;
    return toSingle(bjerrum(general) ? primaryPart + creep : primaryPart - creep);
}

void computeLoadStepSettlements(const GeneralState& general, const SettlementInput& input,
                                SettlementResults& results) {
    struct TimeArrays {
        double days;
        SingleArray<20>* secondary;
        SingleArray2<20, 20>* layer;
        SingleArray<20>* total;
        // The same five logarithms serve every layer and load step.
        double log10Time = 0.0;
    };
    TimeArrays times[] = {
        {1, &results.SSec1, &results.SLayer1, &results.S1},
        {10, &results.SSec10, &results.SLayer10, &results.S10},
        {100, &results.SSec100, &results.SLayer100, &results.S100},
        {1000, &results.SSec1000, &results.SLayer1000, &results.S1000},
        {10000, &results.SSec10000, &results.SLayer10000, &results.S10000},
    };
    for (TimeArrays& t : times) {
        t.log10Time = log10Days(t.days);
    }
    for (int j = 1; j <= 16; ++j) {
        for (TimeArrays& t : times) {
            (*t.total)(j) = 0.0f;
        }
    }
    const RecompressionLogs recompression = recompressionLogs(general, input, results);
    // Each total adds its layers in increasing order whatever the method; the loop order of the
    // two methods only changes which layer is computed first, not the sums.
    for (int i = 1; i <= input.NLayers; ++i) {
        for (int j = 1; j <= 16; ++j) {
            const PrimarySettlement p =
                primarySettlement(general, results, recompression, i, input.StressStep(j));
            results.SigmaStep(i, j) = p.stress;
            results.LogVirgin(i, j) = p.logVirgin;
            results.LogRecomp(i, j) = p.logRecomp;
            results.SVirgin(i, j) = p.virgin;
            results.SRecomp(i, j) = p.recomp;
            for (TimeArrays& t : times) {
                const Single creep = creepPart(general, input, results, i, p, t.log10Time);
                if (bjerrum(general)) {
                    (*t.secondary)(i) = creep;
                }
                (*t.layer)(i, j) = layerSettlement(general, p, creep);
                (*t.total)(j) = toSingle(static_cast<double>((*t.total)(j)) + (*t.layer)(i, j));
            }
        }
    }
}

} // namespace korvex
