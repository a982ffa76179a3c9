#include "observations/settlement_rates.h"

#include "app/number_text.h"

#include <cmath>

namespace korvex {

namespace {

void add(Rates& rates, bool defined, double value) {
    // Judged as stored: a rate over a step of a few 1E-45 days is finite in double precision and
    // still too large for a Single.
    const Single stored = num::toSingle(value);
    if (defined && std::isfinite(stored)) {
        rates.values.push_back(stored);
    } else {
        rates.values.push_back(0.0f);
        rates.missingRows.push_back(static_cast<int>(rates.values.size()));
    }
}

} // namespace

Rates settlementPerDay(const std::vector<Single>& settlements, Single dt) {
    Rates rates;
    double previous = 0.0;
    for (Single s : settlements) {
        add(rates, dt > 0.0f, dt > 0.0f ? (s - previous) / dt : 0.0);
        previous = s;
    }
    return rates;
}

Rates settlementPerDecade(const std::vector<Single>& times,
                          const std::vector<Single>& settlements) {
    Rates rates;
    for (std::size_t i = 0; i + 1 < settlements.size(); ++i) {
        const double t0 = times[i];
        const double t1 = times[i + 1];
        // A time of 0 or two equal times have no decade between them.
        const bool defined = t0 > 0.0 && t1 > 0.0 && t1 != t0;
        add(rates, defined,
            defined
                ? (static_cast<double>(settlements[i + 1]) - settlements[i]) / std::log10(t1 / t0)
                : 0.0);
    }
    return rates;
}

Rates settlementOverTime(const std::vector<Single>& times, const std::vector<Single>& settlements) {
    Rates rates;
    for (std::size_t i = 0; i < settlements.size(); ++i) {
        const double t = times[i];
        add(rates, t > 0.0, t > 0.0 ? settlements[i] / t : 0.0);
    }
    return rates;
}

std::string rowList(const std::vector<int>& rows) {
    std::string text;
    for (std::size_t i = 0; i < rows.size();) {
        std::size_t j = i;
        while (j + 1 < rows.size() && rows[j + 1] == rows[j] + 1) {
            ++j;
        }
        if (!text.empty()) {
            text += ", ";
        }
        text += std::to_string(rows[i]);
        if (j > i) {
            text += "-" + std::to_string(rows[j]);
        }
        i = j + 1;
    }
    return text;
}

} // namespace korvex
