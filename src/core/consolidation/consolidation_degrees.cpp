#include "consolidation/consolidation_degrees.h"

#include "state/consolidation_state.h"
#include "state/general_state.h"

#include <algorithm>
#include <cmath>

namespace korvex {

namespace {

// x - (1 - e^-x), which loses every digit to cancellation for small x unless taken from its series.
double rampExcess(double x) {
    if (x < 1e-3) {
        return x * x * 0.5 * (1.0 - x / 3.0 + x * x / 12.0);
    }
    return x + std::expm1(-x);
}

// Olson's series stop once a term no longer changes the degree in the sixth decimal; the cap only
// guards against a construction time so short that the load is in effect instantaneous.
constexpr double kOlsonContribution = 1e-6;
constexpr int kOlsonMaxTerms = 1'000'000;

double clampDegree(double u) {
    return std::clamp(u, 0.0, 1.0);
}

} // namespace

ConsolidationDegrees ConsolidationDegrees::fromState(const GeneralState& general,
                                                     const ConsolidationState& state) {
    ConsolidationDegrees d;
    d.ch = state.ChAvg;
    d.cv = state.CvAvg;
    d.drainZone = state.DrainZone;
    d.fn = state.Fn;
    d.drainPath = state.DrainPath;
    d.constructionDays = state.ConstructionTime;
    d.pi = general.Pi;
    return d;
}

double ConsolidationDegrees::horizontalTimeFactor(double days) const {
    return ch * days * kSecondsPerDay / (drainZone * drainZone);
}

double ConsolidationDegrees::verticalTimeFactor(double days) const {
    return cv * days * kSecondsPerDay / (drainPath * drainPath);
}

Single ConsolidationDegrees::radialRemainderInstant(double days) const {
    double remainder = std::exp(-8.0 * ch * days * kSecondsPerDay / (drainZone * drainZone * fn));
    return static_cast<Single>(std::max(remainder, 1e-30));
}

Single ConsolidationDegrees::verticalRemainderInstant(double days) const {
    return terzaghiRemainder(verticalTimeFactor(days), pi);
}

Single ConsolidationDegrees::radialDegreeGradual(double days) const {
    double tch = horizontalTimeFactor(constructionDays);
    if (!(tch > 0.0)) {
        // A load placed in no time consolidates as one placed at once: the ramp's exact limit.
        return 1.0f - radialRemainderInstant(days);
    }
    return static_cast<Single>(olsonRadialDegree(horizontalTimeFactor(days), tch, fn));
}

Single ConsolidationDegrees::verticalDegreeGradual(double days) const {
    double tcv = verticalTimeFactor(constructionDays);
    if (!(tcv > 0.0)) {
        return 1.0f - verticalRemainderInstant(days);
    }
    return static_cast<Single>(olsonVerticalDegree(verticalTimeFactor(days), tcv, pi));
}

Single terzaghiRemainder(double tv, double pi) {
    Single sum = 0.0f;
    for (int m = 0;; ++m) {
        double big = pi / 2.0 * (2 * m + 1);
        double term = 2.0 / (big * big) * std::exp(-big * big * tv);
        sum = static_cast<Single>(static_cast<double>(sum) + term);
        if (sum <= 1e-30f) {
            sum = 1e-30f;
        }
        // Written so that a NaN time factor ends the series too.
        if (!(term > 0.001)) {
            break;
        }
    }
    return sum;
}

double olsonRadialDegree(double th, double tch, double fn) {
    const double a = 8.0 / fn;
    if (th <= tch) {
        return clampDegree(rampExcess(a * th) / (a * tch));
    }
    // 1 - (e^(a Tch) - 1) e^(-a Th) / (a Tch), arranged so that no exponential can overflow.
    return clampDegree(1.0 - std::exp(-a * (th - tch)) * -std::expm1(-a * tch) / (a * tch));
}

double olsonVerticalDegree(double tv, double tcv, double pi) {
    const bool loading = tv <= tcv;
    double sum = 0.0;
    for (int m = 0; m < kOlsonMaxTerms; ++m) {
        double big = pi / 2.0 * (2 * m + 1);
        double square = big * big;
        double term;
        if (loading) {
            term = -std::expm1(-square * tv) / (square * square);
        } else {
            // e^(-M^2 (Tv - Tcv)) - e^(-M^2 Tv), without the cancellation of the plain difference.
            term = std::exp(-square * (tv - tcv)) * -std::expm1(-square * tcv) / (square * square);
        }
        sum += term;
        if (!(term * 2.0 / tcv >= kOlsonContribution)) {
            break;
        }
    }
    if (loading) {
        return clampDegree((tv - 2.0 * sum) / tcv);
    }
    return clampDegree(1.0 - 2.0 / tcv * sum);
}

} // namespace korvex
