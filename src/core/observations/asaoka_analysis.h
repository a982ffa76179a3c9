#pragma once

// Asaoka's method: each settlement of a series read at equal time steps is fitted as a straight
// line of the settlement before it, S(i) = Beta0 + Beta1 S(i-1). Where that line crosses
// S(i) = S(i-1) the settlement has stopped: the final settlement. For consolidation by one
// exponential term the slope gives the coefficient of consolidation: ln Beta1 = -pi^2 Cv dt / 4H^2
// for vertical flow over a drainage path H, ln Beta1 = -8 Ch dt / (D^2 F(n)) for radial flow to
// drains of zone diameter D.

#include "app/vb_types.h"
#include "state/observation_state.h"

#include <optional>
#include <string>
#include <vector>

namespace korvex {

struct AsaokaInput {
    // Observations 1 to n, in days and metres.
    std::vector<Single> times;
    std::vector<Single> settlements;
    // The time step between the readings, days.
    Single dt = 0;
    // None when no consolidation stands beside the readings: the fit and the final settlement
    // are found, Cv and Ch are not.
    std::optional<AsaokaDrainage> drainage;
    Single pi = 0;
};

struct AsaokaResult {
    // The pair (0, S(1)) belongs to the series only when the first reading lies one step after
    // loading.
    bool fromLoading = false;
    // The readings are not all one step apart: the method takes them as if they were.
    bool unequalSteps = false;
    int pairs = 0;
    // Accumulated in single precision, as they are stored.
    Single sumX = 0, sumX2 = 0, sumXY = 0, sumY = 0, sumY2 = 0;
    // Slope and intercept as computed, before any rounding for display.
    std::optional<Single> beta1, beta0;
    std::optional<Single> correlation, sFinal, cvOverall, chOverall;
    // The fitted line at each observation 1..n; 0 where no pair ends at that observation.
    std::vector<Single> fit;
    // Why a result could not be found, one sentence each. Every result is a finite Single: one that
    // would overflow is not found.
    std::vector<std::string> missing;
};

// Whether two times agree within 1 % of the step (the readings of a field log are not exact).
bool sameWithinOnePercent(double a, double b, double step);

AsaokaResult asaokaAnalysis(const AsaokaInput& input);

} // namespace korvex
