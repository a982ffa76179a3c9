#pragma once

// The site of the report's hand-written listings, for the tests of the report's text and of its
// layout on paper and on screen.

#include "report/header_texts.h"
#include "state/module1.h"

#include <memory>

namespace korvex::test {

// The site of the hand-written listings in tests/data/report: three layers holding both methods'
// soil values, so that a listing showing the other method's column is caught. The values are set
// by hand, not calculated, so the listings test the report and nothing else.
inline void reportedSite(Module1& st, Integer method) {
    st.Method = method;
    st.SurfaceLevel = -2.5f;
    st.SurfaceLevelRequired = 1.25f;
    st.Watertable = -0.75f;
    st.WatertableInput = -0.75f; // the entered level: no calculation has replaced Watertable
    st.NewWatertable = -1.5f;
    st.SettlementTime = 10000;
    st.SoilmassFill = 1.8f;
    st.SoilmassFillSat = 2.05f;
    st.SoilmassAvg = 1.55f;
    st.SoilmassAvgSat = 1.65f;
    st.FillIncrement = 0.25f;
    st.NFillLayers = 15;
    st.NLayers = 3;
    struct Layer {
        Single depth, soilwet, cr, e0, cc, ec, sigmac, calpha;
        Single invCp, invCs, invCp2, invCs2, cKoppejan;
        Single cv, chExtra, cvExtra;
        Integer drained;
    };
    // -2.125 and 1.625 are exact halves at two decimals; 0.00625 lies just above one as a Single.
    const Layer layers[] = {
        {-0.5f, 1.625f, 0.02f, 1.05f, 0.35f, 1.2345f, 25, 0.012f, 0.0125f, 0.0031f, 0.0456f,
         0.0078f, 0.0009f, 2.5e-8f, 3e-7f, 5e-8f, 1},
        {-2.125f, 1.45f, 0.015f, 2.4f, 0.9f, 0.9f, 40.5f, 0.036f, 0.025f, 0.005f, 0.08f, 0.016f,
         0.0021f, 4e-8f, 6e-7f, 7.5e-8f, 0},
        {-10, 2, 0.008f, 0.75f, 0.12f, 0.4f, 123.456f, 0.0025f, 0.00625f, 0.001f, 0.1f, 0.02f,
         0.0005f, 1.5e-7f, 1.2e-6f, 1e-7f, 2},
    };
    for (int i = 1; i <= 3; ++i) {
        const Layer& l = layers[i - 1];
        st.LDepth(i) = l.depth;
        st.Soilwet(i) = l.soilwet;
        st.Cr(i) = l.cr;
        st.e0(i) = l.e0;
        st.Cc(i) = l.cc;
        st.ec(i) = l.ec;
        st.Sigmac(i) = l.sigmac;
        st.Calpha(i) = l.calpha;
        st.InvCp(i) = l.invCp;
        st.InvCs(i) = l.invCs;
        st.InvCp2(i) = l.invCp2;
        st.InvCs2(i) = l.invCs2;
        st.CKoppejan(i) = l.cKoppejan;
        st.Cv(i) = l.cv;
        st.ChExtraFill(i) = l.chExtra;
        st.CvExtraFill(i) = l.cvExtra;
        st.Drained(i) = l.drained;
    }
    // A layer below the table: not reported, not touched.
    st.Drained(4) = 0;
    st.ChExtraFill(4) = 9e-7f;

    st.DegreeCons = 0.9f;
    st.ConsolidationPeriod = 365;
    st.DrainDiameter = 0.065f;
    st.RestSettlement = 0.2f;
    st.ConstructionTime = 60;
    st.DrainArea = 12345678; // more integer digits than a Single's seven: exponent form
    st.DrainPath = 5;
    st.SoilThickness = 10;
    st.CvAvg = 2.5e-8f;
    st.ChAvg = 3.456e-7f;
    st.TimeFactor = 2;

    // 0.3 - 0.5 in Single is -.2; in double it would read -.199999988079071.
    st.FillThickness = 0.3f;
    st.FillSettlement = 0.5f;
    st.S10Cons = 0.123f;
    st.S10000Cons = 1.5f;
    st.TconsHor = 180.5f;
    st.TconsVert = 5000;
    st.DiffSHor = -0.05f;
    st.DiffSVert = -0.125f;
    st.TimeRestHor(5) = 412;
    st.TimeRestVert(5) = 1.0e6f; // the bound of a search that never reached the rest settlement
    st.DrainZone = 1.575f;
    st.SpacingTri = 1.5f;
    st.SpacingSq = 1.396277f;
    st.Discharge = 1.5e-6f;
    st.DischargeYear = 47.304f;

    const Single times[] = {10,  20,  40,   60,   80,   100,  200,  400,
                            600, 800, 1000, 2000, 4000, 6000, 8000, 10000};
    for (int i = 1; i <= 16; ++i) {
        st.TPred(i) = times[i - 1];
    }
    st.SPrimVert = 0.5f;
    st.SPrimHor = 1.2f;
    // Row 1 and row 16 of each time table; row 17 is calculated but never reported.
    st.SHorIL(1) = -0.347f;
    st.SVertIL(1) = -1.2f;
    st.SHorVertIL(16) = -1.5f;
    st.SHorIL(17) = -9;
    st.SVertGL(1) = -0.1f;
    st.SHorGL(16) = -0.347f;
    for (int i = 1; i <= 10; ++i) {
        st.RestSett(i) = static_cast<Single>(40 * i); // fifths of 0.2 m, in mm
    }
    st.TimeRestVert(1) = 2.46f;
    st.UHorIL(1) = 0.347f;
    st.UVertIL(1) = 0.347f;
    st.UHorVertIL(16) = 1;
    st.UHorGL(16) = 1;
    st.UVertGL(16) = 0.5f;
    st.UHorGL(17) = 1;

    // Sections 12 to 14. Every half below is exact in a Single, so it is rounded away from zero.
    // The stress steps are the start-up ones, 5 to 280.
    auto started = std::make_unique<Module1>();
    started->setDefaults();
    for (int j = 1; j <= 16; ++j) {
        st.StressStep(j) = started->StressStep(j);
    }
    const Single depth[] = {-3.125f, -5.5f, -10.875f};
    const Single sigmaTot[] = {18.375f, 45.5f, 1234.5678f};
    const Single sigmaWat[] = {-0.625f, 23.625f, 98.1f};
    const Single sigmaEff[] = {18.375f, 21.875f, 1136.4678f};
    const Single ocr[] = {1, 2.5f, 0.875f};
    const Single thickness[] = {1.375f, 2.5f, 6.125f};
    for (int i = 1; i <= 3; ++i) {
        st.Depth(i) = depth[i - 1];
        st.SigmaTot(i) = sigmaTot[i - 1];
        st.SigmaWat(i) = sigmaWat[i - 1];
        st.SigmaEff(i) = sigmaEff[i - 1];
        st.OCR(i) = ocr[i - 1];
        st.LThickness(i) = thickness[i - 1];
        st.CumDepth(i + 1) = st.CumDepth(i) + thickness[i - 1];
    }
    st.OCR(4) = 7;
    st.SLayer1(1, 1) = -0.0625f;
    st.SLayer10(1, 1) = -0.1004f;
    st.SLayer100(1, 1) = -1.2f;
    st.SLayer1000(1, 1) = -0.0456f;
    st.SLayer10000(1, 1) = -0.1875f;
    st.SLayer1(2, 1) = 0.25f; // a heave is written as stored, without a sign
    st.SLayer10000(3, 1) = -12.3456f;
    // The totals are not the sums of the layers: they are written as stored.
    st.S1(1) = 0.1875f;
    st.S10(1) = -0.1004f;
    st.S100(1) = -1.2f;
    st.S1000(1) = -0.0456f;
    st.S10000(1) = -12.5f;
    st.SLayer1(3, 16) = -0.005f;
    st.SLayer10000(2, 16) = -2.3456f;
    st.S1(16) = -0.005f;
    st.S10000(16) = -2.3456f;

    for (int k = 1; k <= 15; ++k) {
        st.FillHeight(k) = 0.25f * static_cast<Single>(k);
    }
    st.FillHeight(16) = 4; // beyond the 15 reported steps
    st.FillHeightSettlement(1) = -0.456f;
    st.FillHeightStress(1) = 1234.567f;
    st.SurfaceHeight(1) = -0.5f;
    st.FillHeightSettlement(2) = -0.125f;
    st.FillHeightStress(2) = 4.5f;
    st.SurfaceHeight(2) = -2.375f;
    st.FillHeightSettlement(15) = -1.875f;
    st.FillHeightStress(15) = 12345.625f;
    st.SurfaceHeight(15) = 1.125f;

    // Section 15: the preload's six cases at its own time points. Case 0, case 7 and time point 17
    // are never reported.
    st.SpacingTriPre = 1.75f;
    for (int k = 1; k <= 6; ++k) {
        st.ExtraFill(k) = 0.5f * static_cast<Single>(k - 1);
        st.FillPlusPreload(k) = 0.3f + st.ExtraFill(k);
    }
    st.ExtraFill(7) = 9;
    for (int i = 1; i <= 16; ++i) {
        st.TPreload(i) = times[i - 1];
    }
    st.SPreloadHor(1, 1) = -0.123f;
    st.SPreloadVertRest(1, 1) = -0.123f;
    st.SPreloadTotal(1, 1) = -1.5f;
    st.SPreloadHor(16, 6) = -2.346f;
    st.SPreloadVertRest(16, 6) = -0.1004f;
    st.SPreloadTotal(16, 6) = -2.4464f;
    st.SPreloadTotal(17, 1) = -9;
    st.SPreloadTotal(1, 0) = -7;
}

inline const char* const kMethodNames[] = {"", "Terzaghi-Bjerrum", "Terzaghi-Koppejan"};

inline HeaderTexts siteHeader(Integer method) {
    return {"Dike B, km 4", "BH 12", kMethodNames[method], "P1"};
}

} // namespace korvex::test
