#pragma once

// The diameter of the zone one vertical drain consolidates within the period, from Barron's
// relation t = D^2 F(n) / (8 Ch) ln(1 / (1 - U)) with n = D / dw.

#include "app/vb_types.h"

namespace korvex {

// Barron's F(n) in the arrangement the substitution uses: 1/(1 - 1/n^2) ln n - 3/4 + 1/(4 n^2).
double barronFSubstitution(double n);
// The same function as it is stored in Fn: n^2/(n^2 - 1) ((ln n - 3/4) + 1/n^2 (1 - 1/(4 n^2))).
double barronFn(double n);

struct DrainZoneSolution {
    // The stored zone diameter, m.
    Single drainZone = 0;
    // n of the last pass (the ratio of the diameter that entered it to the drain diameter); Fn is
    // evaluated at this n.
    double lastRatio = 0;
    int passes = 0;
    // True when the substitution did not settle and the root was found by bisection.
    bool bisected = false;
};

// Repeated substitution from D = 1 m, every pass continuing from the stored Single D, until two
// passes differ by less than 1 mm. The substitution cycles or leaves the valid range (n <= 1) when
// the zone is hardly larger than the drain; D^2 F(D/dw) grows strictly with D, so its root is
// then found by bisection. periodSeconds, ch > 0, 0 < degree < 1 and drainDiameter > 0 are the
// caller's to ensure.
DrainZoneSolution solveDrainZone(Single periodSeconds, Single ch, Single degree,
                                 Single drainDiameter);

// The zone is considered hardly larger than the drain below this ratio: the spacing then depends
// on the drain diameter more than on the soil, and the engineer is warned.
inline constexpr double kNarrowDrainZoneRatio = 2.0;

} // namespace korvex
