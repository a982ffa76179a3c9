#include "consolidation/drain_zone.h"

#include <cmath>

namespace korvex {

namespace {

constexpr int kMaxSubstitutionPasses = 100;
constexpr double kToleranceMetres = 0.001;

// 8 Ch t / ln(1 / (1 - U)): what D^2 F(n) must equal.
double barronTarget(Single periodSeconds, Single ch, Single degree) {
    return 8.0 * static_cast<double>(periodSeconds) * static_cast<double>(ch) /
           std::log(1.0 / (1.0 - static_cast<double>(degree)));
}

Single bisectDrainZone(double target, double drainDiameter) {
    auto excess = [&](double d) { return d * d * barronFn(d / drainDiameter) - target; };
    double low = drainDiameter;
    double high = 2.0 * drainDiameter;
    for (int i = 0; i < 2000 && !(excess(high) > 0.0); ++i) {
        low = high;
        high *= 2.0;
    }
    for (int i = 0; i < 200 && high - low > 1e-12 * high; ++i) {
        double mid = 0.5 * (low + high);
        if (excess(mid) > 0.0) {
            high = mid;
        } else {
            low = mid;
        }
    }
    return static_cast<Single>(0.5 * (low + high));
}

} // namespace

double barronFSubstitution(double n) {
    double inverseSquare = (1.0 / n) * (1.0 / n);
    return 1.0 / (1.0 - inverseSquare) * std::log(n) - 0.75 + 0.25 * inverseSquare;
}

double barronFn(double n) {
    double square = n * n;
    return square / (square - 1.0) *
           ((std::log(n) - 0.75) + (1.0 / square) * (1.0 - 0.25 / square));
}

DrainZoneSolution solveDrainZone(Single periodSeconds, Single ch, Single degree,
                                 Single drainDiameter) {
    const double target = barronTarget(periodSeconds, ch, degree);
    const double dw = drainDiameter;
    DrainZoneSolution solution;
    Single d = 1.0f;
    for (int pass = 1; pass <= kMaxSubstitutionPasses; ++pass) {
        double n = static_cast<double>(d) / dw;
        double f = barronFSubstitution(n);
        if (!(n > 1.0) || !(f > 0.0) || !std::isfinite(f)) {
            break;
        }
        Single next = static_cast<Single>(std::sqrt(target / f));
        if (!std::isfinite(next)) {
            break;
        }
        double change = std::fabs(static_cast<double>(d) - static_cast<double>(next));
        solution.drainZone = next;
        solution.lastRatio = n;
        solution.passes = pass;
        d = next;
        if (change < kToleranceMetres) {
            return solution;
        }
    }
    solution.bisected = true;
    solution.drainZone = bisectDrainZone(target, dw);
    solution.lastRatio = static_cast<double>(solution.drainZone) / dw;
    return solution;
}

} // namespace korvex
