#include "observations/asaoka_analysis.h"

#include "app/number_text.h"

#include <cmath>

namespace korvex {

namespace {

constexpr double kSecondsPerDay = 24.0 * 3600.0;

// Sums of many Singles carry rounding of a few units in their seventh digit; a spread of the
// pairs below this share of the sum of squares is rounding, not data.
constexpr double kNoSpread = 1e-5;

void accumulate(Single& sum, double term) {
    sum = num::toSingle(sum + term);
}

// The value as it is stored, or none when it does not fit a Single.
std::optional<Single> storable(double value) {
    const Single stored = num::toSingle(value);
    return std::isfinite(stored) ? std::optional<Single>(stored) : std::nullopt;
}

} // namespace

bool sameWithinOnePercent(double a, double b, double step) {
    return std::fabs(a - b) <= 0.01 * std::fabs(step);
}

AsaokaResult asaokaAnalysis(const AsaokaInput& input) {
    AsaokaResult r;
    const std::size_t n = input.settlements.size();
    const double dt = input.dt;
    r.fit.assign(n, 0.0f);
    if (n == 0) {
        r.missing.emplace_back("No Asaoka line: there are no observations.");
        return r;
    }
    // Readings that begin later than one step after loading do not continue from a settlement of
    // 0: the pair (0, S(1)) would pull the line, and the final settlement, down.
    r.fromLoading = sameWithinOnePercent(input.times[0], dt, dt);
    for (std::size_t i = 1; i < n && i < input.times.size(); ++i) {
        if (!sameWithinOnePercent(static_cast<double>(input.times[i]) - input.times[i - 1], dt,
                                  dt)) {
            r.unequalSteps = true;
        }
    }

    const std::size_t first = r.fromLoading ? 0 : 1;
    auto previous = [&](std::size_t i) -> double {
        return i == 0 ? 0.0 : input.settlements[i - 1];
    };
    for (std::size_t i = first; i < n; ++i) {
        const double x = previous(i);
        const double y = input.settlements[i];
        accumulate(r.sumX, x);
        accumulate(r.sumX2, x * x);
        accumulate(r.sumXY, x * y);
        accumulate(r.sumY, y);
        accumulate(r.sumY2, y * y);
    }
    r.pairs = static_cast<int>(n - first);
    if (r.pairs < 2) {
        r.missing.emplace_back("No Asaoka line: it needs at least two pairs of successive "
                               "settlements S(i-1), S(i).");
        return r;
    }

    const double count = r.pairs;
    double sxy = r.sumXY - static_cast<double>(r.sumY) * r.sumX / count;
    const double sxx = r.sumX2 - static_cast<double>(r.sumX) * r.sumX / count;
    const double syy = r.sumY2 - static_cast<double>(r.sumY) * r.sumY / count;
    const bool spreadOfY = syy > kNoSpread * r.sumY2;
    if (!spreadOfY) {
        // Equal settlements make a flat line; what the sums leave of Sxy is rounding, and a slope
        // of rounding would pass for a consolidation with an enormous Cv.
        sxy = 0.0;
    }
    if (!(sxx > kNoSpread * r.sumX2)) {
        r.missing.emplace_back("No Asaoka line: the settlements S(i-1) of the pairs are all "
                               "equal.");
        return r;
    }
    const std::optional<Single> slope = storable(sxy / sxx);
    const std::optional<Single> intercept =
        slope ? storable(r.sumY / count - *slope * (r.sumX / count)) : std::nullopt;
    bool inRange = slope && intercept;
    for (std::size_t i = first; inRange && i < n; ++i) {
        const std::optional<Single> fitted = storable(*slope * previous(i) + *intercept);
        inRange = fitted.has_value();
        r.fit[i] = fitted.value_or(0.0f);
    }
    if (!inRange) {
        r.fit.assign(n, 0.0f);
        r.missing.emplace_back("No Asaoka line: the settlements are out of range.");
        return r;
    }
    const Single beta1 = *slope;
    const Single beta0 = *intercept;
    r.beta1 = beta1;
    r.beta0 = beta0;

    if (spreadOfY) {
        r.correlation = storable(sxy * sxy / (sxx * syy));
        if (!r.correlation) {
            r.missing.emplace_back("No correlation: the settlements are out of range.");
        }
    } else {
        r.missing.emplace_back("No correlation: the settlements S(i) of the pairs are all equal.");
    }

    // Only a slope between 0 and 1 settles towards a limit and has a logarithm. The slope is
    // judged as the window shows it: a slope shown as 1 has no final settlement to show.
    const Single shownSlope = num::toSingle(num::roundDecimals(beta1, 4));
    if (!(shownSlope > 0.0f && shownSlope < 1.0f)) {
        r.missing.push_back("No final settlement, Cv or Ch: the slope Beta1 = " +
                            num::boxText(shownSlope) + " is not between 0 and 1.");
        return r;
    }
    r.sFinal = storable(beta0 / (1.0 - beta1));
    if (!r.sFinal) {
        r.missing.emplace_back("No final settlement, Cv or Ch: the final settlement is out of "
                               "range.");
        return r;
    }
    if (!input.drainage) {
        return r;
    }
    if (!(dt > 0.0)) {
        r.missing.emplace_back("No Cv or Ch: the time increment between the first two "
                               "observations is not positive.");
        return r;
    }
    const double logBeta = std::log(static_cast<double>(beta1));
    const double seconds = dt * kSecondsPerDay;
    const double pi = input.pi;
    const double path = input.drainage->DrainPath;
    const double zone = input.drainage->DrainZone;
    r.cvOverall = storable(-4.0 * path * path * logBeta / (pi * pi * seconds));
    r.chOverall = storable(-(zone * zone * input.drainage->Fn * logBeta) / (8.0 * seconds));
    if (!r.cvOverall || !r.chOverall) {
        r.cvOverall.reset();
        r.chOverall.reset();
        r.missing.push_back("No Cv or Ch: they are out of range for a time increment of " +
                            num::boxText(input.dt) + " days.");
    }
    return r;
}

} // namespace korvex
