#pragma once

// Degrees of consolidation at a time in days: radial flow to the drains (Barron), vertical flow
// (Terzaghi), each for a load placed at once and for a load placed gradually over the construction
// time (Olson's ramp solutions).

#include "app/vb_types.h"

namespace korvex {

struct ConsolidationState;
struct GeneralState;

inline constexpr double kSecondsPerDay = 24.0 * 3600.0;

class ConsolidationDegrees {
public:
    // Reads ChAvg, CvAvg, DrainZone, Fn, DrainPath, ConstructionTime and Pi as they are stored.
    static ConsolidationDegrees fromState(const GeneralState& general,
                                          const ConsolidationState& state);

    double horizontalTimeFactor(double days) const;
    double verticalTimeFactor(double days) const;

    // 1 - Uh for an instantaneous load, never below 1e-30.
    Single radialRemainderInstant(double days) const;
    // 1 - Uv for an instantaneous load: Terzaghi's series, summed in single precision until a
    // term is at or below 0.001.
    Single verticalRemainderInstant(double days) const;
    Single radialDegreeGradual(double days) const;
    Single verticalDegreeGradual(double days) const;

    double ch = 0, cv = 0, drainZone = 0, fn = 0, drainPath = 0, constructionDays = 0;
    double pi = 3.14159;
};

// Terzaghi's remainder 1 - Uv at a vertical time factor.
Single terzaghiRemainder(double tv, double pi);
// Olson's degree for radial flow under a load rising linearly until the time factor tch.
double olsonRadialDegree(double th, double tch, double fn);
// Olson's degree for vertical flow under a load rising linearly until the time factor tcv > 0.
double olsonVerticalDegree(double tv, double tcv, double pi);

} // namespace korvex
