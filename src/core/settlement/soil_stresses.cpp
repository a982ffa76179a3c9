#include "settlement/soil_stresses.h"

#include "app/module1.h"
#include "app/number_text.h"

#include <cmath>

namespace korvex {

using num::toSingle;

void computeSoilStresses(Module1& st) {
    for (int i = 1; i <= st.NLayers; ++i) {
        for (auto* array :
             {&st.SigmaTotBot, &st.SigmaWatBot, &st.CumDepth, &st.HalfSigmaTot, &st.HalfSigmaWat,
              &st.SigmaWatWT, &st.SigmaWatFlooded, &st.SigmaTotSoil, &st.SigmaTotFlooded,
              &st.SigmaTot, &st.Depth, &st.SigmaEff, &st.SigmaWat}) {
            (*array)(i) = 0.0f;
        }
    }
    st.CumDepth(0) = 0.0f;
    st.SigmaTotBot(0) = 0.0f;
    st.SigmaWatBot(0) = 0.0f;

    const double g = st.Gravity;
    const bool flooded = st.SurfaceLevel - static_cast<double>(st.Watertable) < 0.0;
    // The water column above the surface (flooded) or the dry depth above the water table; the
    // program has always taken it with the density 1 rather than GammaWater.
    const double waterOffset = std::fabs(st.SurfaceLevel - static_cast<double>(st.Watertable)) * g;
    for (int i = 1; i <= st.NLayers; ++i) {
        st.LDepth(0) = st.SurfaceLevel;
        st.LThickness(i) =
            toSingle(std::fabs(st.LDepth(i) - static_cast<double>(st.LDepth(i - 1))));
        const double thickness = st.LThickness(i);
        st.HalfSigmaTot(i) = toSingle(thickness * st.Soilwet(i) * g * 0.5);
        st.HalfSigmaWat(i) = toSingle(st.GammaWater * thickness * g * 0.5);
        st.CumDepth(i + 1) = toSingle(thickness + st.CumDepth(i));
        st.Depth(i) = toSingle(st.SurfaceLevel - (st.CumDepth(i + 1) - 0.5 * thickness));
        st.SigmaWatBot(i + 1) = toSingle(2.0 * st.HalfSigmaWat(i) + st.SigmaWatBot(i));
        st.SigmaWatWT(i) =
            toSingle(static_cast<double>(st.SigmaWatBot(i + 1)) - st.HalfSigmaWat(i) - waterOffset);
        st.SigmaWatFlooded(i) =
            toSingle(static_cast<double>(st.SigmaWatBot(i + 1)) - st.HalfSigmaWat(i) + waterOffset);
        if (st.SigmaWatWT(i) > 0.0f) {
            st.SigmaWat(i) = st.SigmaWatWT(i);
        } else {
            st.SigmaWatWT(i) = 0.0f;
        }
        if (flooded) {
            st.SigmaWat(i) = st.SigmaWatFlooded(i);
        }
        st.SigmaTotBot(i + 1) = toSingle(2.0 * st.HalfSigmaTot(i) + st.SigmaTotBot(i));
        st.SigmaTotSoil(i) =
            toSingle(static_cast<double>(st.SigmaTotBot(i + 1)) - st.HalfSigmaTot(i));
        st.SigmaTotFlooded(i) = toSingle(waterOffset + st.SigmaTotSoil(i));
        st.SigmaTot(i) = flooded ? st.SigmaTotFlooded(i) : st.SigmaTotSoil(i);
        st.SigmaEff(i) = toSingle(static_cast<double>(st.SigmaTot(i)) - st.SigmaWat(i));
    }
    st.DrainPath = st.CumDepth(st.NLayers + 1);
    st.SoilThickness = st.DrainPath;
}

void applyWatertableChange(Module1& st) {
    st.WatertableLoad = Variant::integer(0);
    if (st.NewWatertable == st.Watertable) {
        return;
    }
    st.WatertableOrig = st.Watertable;
    const double g = st.Gravity;
    // Dry minus submerged unit mass of the top soil: what a metre of it gains or loses in
    // effective weight when the water leaves or enters it.
    const double gain =
        st.SoilmassAvg - (static_cast<double>(st.SoilmassAvgSat) - st.SoilmassWater);
    const double oldLevel = st.Watertable;
    const double newLevel = st.NewWatertable;
    const double surface = st.SurfaceLevel;
    if (newLevel <= surface) {
        const double change = std::fabs(oldLevel - newLevel) * gain * g;
        st.WatertableLoad = Variant::single(toSingle(newLevel < oldLevel ? change : -change));
    } else if (oldLevel <= surface) {
        st.WatertableLoad = Variant::single(toSingle(-std::fabs(oldLevel - surface) * gain * g));
    }
    st.Watertable = st.NewWatertable;
}

} // namespace korvex
