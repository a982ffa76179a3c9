#include "settlement/soil_stresses.h"

#include "app/number_text.h"
#include "state/consolidation_state.h"
#include "state/general_state.h"
#include "state/settlement_input_state.h"
#include "state/settlement_results_state.h"

#include <cmath>

namespace korvex {

using num::toSingle;

void computeSoilStresses(const GeneralState& general, SettlementInput& input,
                         SettlementResults& results, ConsolidationState& consolidation) {
    for (int i = 1; i <= input.NLayers; ++i) {
        for (auto* array :
             {&results.SigmaTotBot, &results.SigmaWatBot, &results.CumDepth, &results.HalfSigmaTot,
              &results.HalfSigmaWat, &results.SigmaWatWT, &results.SigmaWatFlooded,
              &results.SigmaTotSoil, &results.SigmaTotFlooded, &results.SigmaTot, &results.Depth,
              &results.SigmaEff, &results.SigmaWat}) {
            (*array)(i) = 0.0f;
        }
    }
    results.CumDepth(0) = 0.0f;
    results.SigmaTotBot(0) = 0.0f;
    results.SigmaWatBot(0) = 0.0f;

    const double g = general.Gravity;
    const bool flooded = input.SurfaceLevel - static_cast<double>(input.Watertable) < 0.0;
    // The water column above the surface (flooded) or the dry depth above the water table; the
    // program has always taken it with the density 1 rather than GammaWater.
    const double waterOffset =
        std::fabs(input.SurfaceLevel - static_cast<double>(input.Watertable)) * g;
    for (int i = 1; i <= input.NLayers; ++i) {
        input.LDepth(0) = input.SurfaceLevel;
        results.LThickness(i) =
            toSingle(std::fabs(input.LDepth(i) - static_cast<double>(input.LDepth(i - 1))));
        const double thickness = results.LThickness(i);
        results.HalfSigmaTot(i) = toSingle(thickness * input.Soilwet(i) * g * 0.5);
        results.HalfSigmaWat(i) = toSingle(general.GammaWater * thickness * g * 0.5);
        results.CumDepth(i + 1) = toSingle(thickness + results.CumDepth(i));
        results.Depth(i) =
            toSingle(input.SurfaceLevel - (results.CumDepth(i + 1) - 0.5 * thickness));
        results.SigmaWatBot(i + 1) =
            toSingle(2.0 * results.HalfSigmaWat(i) + results.SigmaWatBot(i));
        results.SigmaWatWT(i) = toSingle(static_cast<double>(results.SigmaWatBot(i + 1)) -
                                         results.HalfSigmaWat(i) - waterOffset);
        results.SigmaWatFlooded(i) = toSingle(static_cast<double>(results.SigmaWatBot(i + 1)) -
                                              results.HalfSigmaWat(i) + waterOffset);
        if (results.SigmaWatWT(i) > 0.0f) {
            results.SigmaWat(i) = results.SigmaWatWT(i);
        } else {
            results.SigmaWatWT(i) = 0.0f;
        }
        if (flooded) {
            results.SigmaWat(i) = results.SigmaWatFlooded(i);
        }
        results.SigmaTotBot(i + 1) =
            toSingle(2.0 * results.HalfSigmaTot(i) + results.SigmaTotBot(i));
        results.SigmaTotSoil(i) =
            toSingle(static_cast<double>(results.SigmaTotBot(i + 1)) - results.HalfSigmaTot(i));
        results.SigmaTotFlooded(i) = toSingle(waterOffset + results.SigmaTotSoil(i));
        results.SigmaTot(i) = flooded ? results.SigmaTotFlooded(i) : results.SigmaTotSoil(i);
        results.SigmaEff(i) =
            toSingle(static_cast<double>(results.SigmaTot(i)) - results.SigmaWat(i));
    }
    consolidation.DrainPath = results.CumDepth(input.NLayers + 1);
    consolidation.SoilThickness = consolidation.DrainPath;
}

void applyWatertableChange(const GeneralState& general, SettlementInput& input) {
    input.WatertableLoad = Variant::integer(0);
    if (input.NewWatertable == input.Watertable) {
        return;
    }
    input.WatertableOrig = input.Watertable;
    const double g = general.Gravity;
    // Dry minus submerged unit mass of the top soil: what a metre of it gains or loses in
    // effective weight when the water leaves or enters it.
    const double gain =
        input.SoilmassAvg - (static_cast<double>(input.SoilmassAvgSat) - general.SoilmassWater);
    const double oldLevel = input.Watertable;
    const double newLevel = input.NewWatertable;
    const double surface = input.SurfaceLevel;
    if (newLevel <= surface) {
        const double change = std::fabs(oldLevel - newLevel) * gain * g;
        input.WatertableLoad = Variant::single(toSingle(newLevel < oldLevel ? change : -change));
    } else if (oldLevel <= surface) {
        input.WatertableLoad = Variant::single(toSingle(-std::fabs(oldLevel - surface) * gain * g));
    }
    input.Watertable = input.NewWatertable;
}

} // namespace korvex
