#pragma once

#include "app/vb_types.h"

namespace korvex {

// What the settlement calculation reads: the site and layer input as the input window last
// stored it, the load steps and the coefficients of the fitting windows.
struct SettlementInput {
    // Site input copies.
    Integer NLayers = 0;
    Single SurfaceLevel = 0;
    Single Watertable = 0;
    // The level as the user entered it: a water-table change replaces Watertable by the new
    // level, and the project file must keep the old one or a reopened project loses the load.
    Single WatertableInput = 0;
    Single NewWatertable = 0;
    Variant WatertableLoad;
    Single WatertableOrig = 0;
    Single SoilmassFill = 0;
    Single SoilmassFillSat = 0;
    Single SoilmassAvg = 0;
    Single SoilmassAvgSat = 0;
    Single SurfaceLevelRequired = 0;
    Single SettlementTime = 0;
    Single NFillLayers = 0;
    Single FillIncrement = 0;

    // Soil-layer input arrays (element i = layer i; LDepth(0) is the surface level).
    SingleArray<21> LDepth, Soilwet, Cr, e0, Cc, ec, Calpha, Sigmac;
    SingleArray<21> InvCp, InvCs, InvCp2, InvCs2, CKoppejan;

    // Load steps.
    SingleArray<21> StressStep;

    // Fitting coefficients.
    Single CcA = 0, CcB = 0;
    Single aCp = 0, bCp = 0, aCs = 0, bCs = 0, aCp2 = 0, bCp2 = 0, aC = 0, bC = 0;

    // As a program just started holds it.
    void resetToStartUp();
};

} // namespace korvex
