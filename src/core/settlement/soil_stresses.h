#pragma once

namespace korvex {

struct Module1;

// Layer geometry and the total, pore-water and effective stress at the middle of every layer,
// with the water table before any change (dry above it, hydrostatic below it, and the weight of
// standing water on a flooded site). Also sets DrainPath and SoilThickness.
void computeSoilStresses(Module1& st);

// The extra effective stress of a changed water table (WatertableLoad: Integer 0 when the level
// does not change); afterwards Watertable holds the new level.
void applyWatertableChange(Module1& st);

} // namespace korvex
