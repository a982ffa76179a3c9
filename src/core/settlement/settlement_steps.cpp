#include "settlement/settlement_steps.h"

#include "app/module1.h"
#include "app/number_text.h"
#include "settlement/calculation_stop.h"

#include <cmath>
#include <string>

namespace korvex {

using num::toSingle;

namespace {

bool bjerrum(const Module1& st) {
    return st.Method == 1;
}

// Terzaghi-Bjerrum works with decimal, Terzaghi-Koppejan with natural logarithms of the ratios.
double stressLog(const Module1& st, double ratio) {
    return bjerrum(st) ? std::log10(ratio) : std::log(ratio);
}

} // namespace

double log10Days(double days) {
    return std::log(days) / std::log(10.0);
}

void computeLayerCoefficients(Module1& st) {
    for (int i = 1; i <= st.NLayers; ++i) {
        const std::string layer = "layer " + std::to_string(i);
        st.SigmaEff0(i) = st.SigmaEff(i);
        if (!(st.SigmaEff0(i) > 0.0f)) {
            stopCalculation("Initial effective stress of " + layer +
                            " is 0 or less;check the layer depths, soil masses and watertable.");
        }
        st.SigmaP(i) = toSingle(static_cast<double>(st.SigmaEff0(i)) + st.Sigmac(i));
        if (!(st.SigmaP(i) > 0.0f)) {
            stopCalculation("Preconsolidation stress of " + layer +
                            " is 0 or less;check Sigmac(i).");
        }
        st.OCR(i) = toSingle(static_cast<double>(st.SigmaP(i)) / st.SigmaEff0(i));
        if (bjerrum(st)) {
            if (!(st.e0(i) > -1.0f)) {
                stopCalculation("e0(i) of " + layer + " is -1 or less;not realistic.");
            }
            const double onePlusE0 = static_cast<double>(st.e0(i)) + 1.0;
            st.CompRatio(i) = toSingle(st.Cc(i) / onePlusE0);
            st.RecompRatio(i) = toSingle(st.Cr(i) / onePlusE0);
            st.CalphaRatio(i) = toSingle(st.Calpha(i) / onePlusE0);
        } else {
            st.CompRatio(i) = st.InvCp2(i);
            st.RecompRatio(i) = st.InvCp(i);
        }
    }
}

PrimarySettlement primarySettlement(const Module1& st, int layer, double load) {
    const double thickness = st.LThickness(layer);
    const double initial = st.SigmaEff0(layer);
    const double preconsolidation = st.SigmaP(layer);
    PrimarySettlement p;
    p.stress = toSingle(load + initial);
    if (!(p.stress > 0.0f)) {
        stopCalculation("Effective stress of layer " + std::to_string(layer) +
                        " becomes 0 or less under the load;check the watertables and the fill.");
    }
    const bool virgin = p.stress > preconsolidation;
    if (virgin) {
        p.logVirgin = toSingle(stressLog(st, p.stress / preconsolidation));
        p.virgin = toSingle(thickness * -1.0 * st.CompRatio(layer) * p.logVirgin);
        p.stress = st.SigmaP(layer);
    } else if (bjerrum(st)) {
        // Bjerrum keeps the (negative) logarithm below the preconsolidation stress; nothing reads
        // it, but it is stored as computed.
        p.logVirgin = toSingle(stressLog(st, p.stress / preconsolidation));
    }
    p.logRecomp = toSingle(stressLog(st, p.stress / initial));
    p.recomp = toSingle(thickness * -1.0 * st.RecompRatio(layer) * p.logRecomp);
    return p;
}

Single creepPart(const Module1& st, int layer, const PrimarySettlement& primary, double log10Time) {
    const double thickness = st.LThickness(layer);
    if (bjerrum(st)) {
        return toSingle(thickness * -1.0 * st.CalphaRatio(layer) * log10Time);
    }
    return toSingle(thickness * st.InvCs2(layer) * primary.logVirgin * log10Time +
                    thickness * st.InvCs(layer) * primary.logRecomp * log10Time);
}

Single layerSettlement(const Module1& st, const PrimarySettlement& primary, Single creep) {
    const double primaryPart = static_cast<double>(primary.recomp) + primary.virgin;
    return toSingle(bjerrum(st) ? primaryPart + creep : primaryPart - creep);
}

void computeLoadStepSettlements(Module1& st) {
    struct TimeArrays {
        double days;
        SingleArray<20>* secondary;
        SingleArray2<20, 20>* layer;
        SingleArray<20>* total;
    };
    TimeArrays times[] = {
        {1, &st.SSec1, &st.SLayer1, &st.S1},
        {10, &st.SSec10, &st.SLayer10, &st.S10},
        {100, &st.SSec100, &st.SLayer100, &st.S100},
        {1000, &st.SSec1000, &st.SLayer1000, &st.S1000},
        {10000, &st.SSec10000, &st.SLayer10000, &st.S10000},
    };
    for (int j = 1; j <= 16; ++j) {
        for (TimeArrays& t : times) {
            (*t.total)(j) = 0.0f;
        }
    }
    // Each total adds its layers in increasing order whatever the method; the loop order of the
    // two methods only changes which layer is computed first, not the sums.
    for (int i = 1; i <= st.NLayers; ++i) {
        for (int j = 1; j <= 16; ++j) {
            const PrimarySettlement p = primarySettlement(st, i, st.StressStep(j));
            st.SigmaStep(i, j) = p.stress;
            st.LogVirgin(i, j) = p.logVirgin;
            st.LogRecomp(i, j) = p.logRecomp;
            st.SVirgin(i, j) = p.virgin;
            st.SRecomp(i, j) = p.recomp;
            for (TimeArrays& t : times) {
                const Single creep = creepPart(st, i, p, log10Days(t.days));
                if (bjerrum(st)) {
                    (*t.secondary)(i) = creep;
                }
                (*t.layer)(i, j) = layerSettlement(st, p, creep);
                (*t.total)(j) = toSingle(static_cast<double>((*t.total)(j)) + (*t.layer)(i, j));
            }
        }
    }
}

} // namespace korvex
