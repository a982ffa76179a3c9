#pragma once

// Plausible soft-soil sites drawn at random, for the property tests of the calculations.

#include "app/number_text.h"
#include "settlement_site.h"

#include <random>
#include <string>

namespace korvex::test {

inline std::string randomText(std::mt19937& rng, double low, double high) {
    return num::boxText(static_cast<Single>(std::uniform_real_distribution<>(low, high)(rng)));
}

// A plausible soft-soil site: 1 to 20 layers, either method, submergence on or off, the water
// table in, below or above the surface and sometimes changing.
inline SiteInput randomSite(std::mt19937& rng) {
    auto chance = [&](double p) { return std::bernoulli_distribution(p)(rng); };
    auto uniform = [&](double low, double high) {
        return static_cast<Single>(std::uniform_real_distribution<>(low, high)(rng));
    };
    SiteInput site;
    site.method = chance(0.5) ? 1 : 2;
    site.submergence = chance(0.5);
    const Single surface = uniform(-2, 3);
    site.surface = num::boxText(surface);
    const Single watertable = chance(0.15) ? surface + uniform(0.1, 1.0) : surface - uniform(0, 3);
    site.watertable = num::boxText(watertable);
    site.newWatertable =
        chance(0.6) ? site.watertable : num::boxText(watertable + uniform(-1.5, 0.5));
    const Single fill = uniform(1.4, 2.0);
    site.fill = num::boxText(fill);
    site.fillSat = num::boxText(fill + uniform(0.05, 0.5));
    const Single avg = uniform(1.2, 1.8);
    site.avg = num::boxText(avg);
    site.avgSat = num::boxText(avg + uniform(0.05, 0.5));
    site.required = num::boxText(surface + uniform(0.2, 4));
    const char* times[] = {"30", "100", "1000", "3000", "10000"};
    site.time = times[std::uniform_int_distribution<>(0, 4)(rng)];
    site.increment = randomText(rng, 0.3, 1.5);
    site.fillLayers = std::to_string(std::uniform_int_distribution<>(5, 21)(rng));
    const int layers = std::uniform_int_distribution<>(1, 20)(rng);
    // Now and then a peat so compressible that the fixed point overshoots or a layer would
    // settle by more than its thickness.
    const double softness = chance(0.2) ? 4.0 : 1.0;
    Single level = surface;
    for (int i = 0; i < layers; ++i) {
        level = level - uniform(0.3, 3);
        std::array<std::string, 8> row;
        row[0] = num::boxText(level);
        row[1] = randomText(rng, 1.1, 2.0);
        if (site.method == 1) {
            row[2] = randomText(rng, 0.005, 0.05);                    // Cr
            row[3] = randomText(rng, 0.5, 3);                         // e0
            row[4] = randomText(rng, 0.1 * softness, 1.5 * softness); // Cc
            row[5] = randomText(rng, 0.5, 3);                         // ec
            row[6] = randomText(rng, 0, 40);                          // Sigmac
            row[7] = randomText(rng, 0, 0.03);                        // Calpha
        } else {
            row[2] = randomText(rng, 0.002, 0.02);   // 1/Cp
            row[3] = randomText(rng, 0.0002, 0.005); // 1/Cs
            row[4] = randomText(rng, 0.01, 0.1);     // 1/Cp'
            row[5] = randomText(rng, 0.001, 0.01);   // 1/Cs'
            row[6] = randomText(rng, 0, 40);         // Sigmac
        }
        site.rows.push_back(row);
    }
    return site;
}

} // namespace korvex::test
