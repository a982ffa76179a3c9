#pragma once

// The site of the hand-written observation files in tests/data/observations: three readings of
// plate "P1" beside both predictions, and results of every analysis. Rows outside what the files
// show, and the calculation's own results, hold values no file may show.

#include "app/number_text.h"
#include "observations/consolidation_handover.h"
#include "report/header_texts.h"
#include "state/module1.h"
#include "support/temp_folder.h"

#include <string>

namespace korvex::test {

inline const HeaderTexts kObservedHeader{"Dike A", "BH 7", "Terzaghi-Bjerrum", "P1"};

inline std::string observationData(const std::string& name) {
    return fileBytes(std::string(KORVEX_TEST_DATA) + "/observations/" + name);
}

// A consolidation calculated for the inputs as they stand, with a drainage path of 2 m, a drain
// zone of 1.8 m and F(n) 2.5.
inline void drained(Module1& st) {
    st.ConsolidationCalculated = 1;
    st.DrainPath = 2.0f;
    st.DrainZone = 1.8f;
    st.Fn = 2.5f;
    handOverPredictions(st, st, st);
}

inline void observedSite(Module1& st) {
    PlatePredictions& p = st.Predictions;
    p.FillThickness = 2.5f;
    p.FillSettlement = 0.75f;
    p.SPrimVert = 0.6f;
    p.SPrimHor = 0.7f;
    // TPred keeps its start-up times, 10 to 40 000 days.
    for (int i = 1; i <= kObservedPredictionRows; ++i) {
        p.SHorIL(i) = num::toSingle(-i / 100.0);
        p.SVertIL(i) = num::toSingle(-i / 1000.0);
        p.SHorVertIL(i) = num::toSingle(-0.2 - i / 100.0);
        p.SHorGL(i) = num::toSingle(-0.001 - i / 100.0);
        p.SVertGL(i) = -0.3f;
        p.SHorVertGL(i) = num::toSingle(-1.0 - i / 100.0);
    }
    // The calculation's own predictions are no file's.
    st.FillThickness = st.FillSettlement = st.SPrimVert = st.SPrimHor = -9.0f;
    st.SHorIL.fill(-9.0f);
    st.SHorVertGL.fill(-9.0f);
    // Cv and Ch below were found from the drainage of the consolidation calculated for these
    // inputs.
    st.ConsolidationCalculated = 1;
    st.DrainPath = st.HandedDrainage.DrainPath = 2.0f;
    st.NObs = 3;
    const Single times[] = {10, 20, 30.5f, 40};
    const Single settlements[] = {0.05f, 0.08f, 0.1234f, 0.2f};
    const Single ts[] = {0.005f, 0.004f, 0.0041f, 9};
    const Single dsdt[] = {0.0051f, 0.0031f, 0.0042f, 9};
    // Row 3 of ds/log(dt) is left from an analysis of more readings: there is no step after it.
    const Single dsdlogt[] = {0.0997f, 0.1135f, 0.7777f, 9};
    for (int i = 1; i <= 4; ++i) {
        const auto k = static_cast<std::size_t>(i - 1);
        st.TObs(i) = times[k];
        st.SObs(i) = settlements[k];
        st.TSRatio(i) = ts[k];
        st.DsDt(i) = dsdt[k];
        st.DsDlogt(i) = dsdlogt[k];
    }
    st.Beta1 = 0.6079f;
    st.Beta0 = 0.1001f;
    st.Correlation = 0.998741f;
    st.SFinal = 0.2553f;
    st.CvOverall = 2.5e-7f;
    st.ChOverall = 1.25e-6f;
}

} // namespace korvex::test
