#pragma once

#include "app/vb_types.h"

#include <string>

namespace korvex {

// Settlements observed on a settlement plate and what the Asaoka fit makes of them.
struct ObservationState {
    // As a program just started holds it: no plate, no reading.
    void resetToStartUp() { *this = {}; }

    SingleArray<100> TObs, SObs;
    Single NObs = 0;
    Single DtObs = 0;
    Single TShift = 0;
    std::string PlateCode;
    Single DtAsaoka = 0;
    Single SumX = 0, SumX2 = 0, SumXY = 0, SumY = 0, SumY2 = 0;
    Single Beta1 = 0, Beta0 = 0, Correlation = 0, SFinal = 0, CvOverall = 0, ChOverall = 0;
    SingleArray<100> SAsaokaFit, TSRatio, DsDt, DsDlogt;
};

} // namespace korvex
