#pragma once

#include "app/vb_types.h"
#include "state/prediction_times.h"

#include <string>

namespace korvex {

// The rows of a prediction kept beside the readings: 10 to 40 000 days, as an observation file
// holds them.
inline constexpr int kObservedPredictionRows = 18;

// The predictions the readings of a plate are compared with: those the last consolidation
// calculation handed over, or those an observation file brought. They are the plate's, kept apart
// from the calculation's own results, so that a file of another site never reaches the
// settlement report, the project file or the preload.
struct PlatePredictions {
    // The fill thickness the predictions were made for and its settlement.
    Single FillThickness = 0, FillSettlement = 0, SPrimVert = 0, SPrimHor = 0;
    // Rows 1 to 18. Until a prediction arrives the times are the prediction times of start-up
    // and every settlement is 0, so that a file saved before it reads back.
    SingleArray<kObservedPredictionRows> TPred = startUpPredictionTimes<kObservedPredictionRows>();
    SingleArray<kObservedPredictionRows> SHorIL, SVertIL, SHorVertIL;
    SingleArray<kObservedPredictionRows> SHorGL, SVertGL, SHorVertGL;
};

// What Cv and Ch of the Asaoka analysis are found from: the drainage path (vertical flow), the
// drain zone and F(n) (horizontal flow) of a consolidation calculation.
struct AsaokaDrainage {
    Single DrainPath = 0, DrainZone = 0, Fn = 0;
    bool operator==(const AsaokaDrainage&) const = default;
};

// Settlements observed on a settlement plate and what the Asaoka fit makes of them.
struct ObservationState {
    // As a program just started holds it: no plate, no reading.
    void resetToStartUp() { *this = {}; }

    SingleArray<100> TObs, SObs;
    Single NObs = 0;
    Single DtObs = 0;
    Single TShift = 0;
    std::string PlateCode;
    PlatePredictions Predictions;
    // The drainage of the consolidation calculation that handed over its predictions last.
    // CvOverall and ChOverall, when there are any, were found from it.
    AsaokaDrainage HandedDrainage;
    Single DtAsaoka = 0;
    Single SumX = 0, SumX2 = 0, SumXY = 0, SumY = 0, SumY2 = 0;
    Single Beta1 = 0, Beta0 = 0, Correlation = 0, SFinal = 0, CvOverall = 0, ChOverall = 0;
    SingleArray<100> SAsaokaFit, TSRatio, DsDt, DsDlogt;
};

} // namespace korvex
