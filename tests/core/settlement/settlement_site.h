#pragma once

// A settlement input window filled as a user would fill it, for the calculation's tests.

#include "settlement/form1_settlement_input.h"
#include "support/test_app.h"

#include <array>
#include <string>
#include <vector>

namespace korvex::test {

struct SiteInput {
    Integer method = 1;
    std::string surface = "0";
    std::string watertable = "-1";
    std::string newWatertable = "-1";
    std::string layers; // empty: the number of rows
    std::string fill = "1";
    std::string fillSat = "1.5";
    std::string avg = "1.5";
    std::string avgSat = "1.8";
    std::string required = "2";
    std::string time = "1000";
    std::string increment = "1";
    std::string fillLayers = "15";
    bool submergence = true;
    // Columns 1 to 8 of each layer row.
    std::vector<std::array<std::string, 8>> rows;
};

inline Form1& loadSite(TestApp& t, const SiteInput& site) {
    t.state().Method = site.method;
    Form1& form = t.windows().load<Form1>();
    form.Text4 = site.surface;
    form.Text5 = site.watertable;
    form.Text15 = site.newWatertable;
    form.Text7 = site.layers.empty() ? std::to_string(site.rows.size()) : site.layers;
    form.Text6 = site.fill;
    form.Text8 = site.fillSat;
    form.Text9 = site.avg;
    form.Text10 = site.avgSat;
    form.Text11 = site.required;
    form.Text12 = site.time;
    form.Text13 = site.increment;
    form.Text14 = site.fillLayers;
    form.Check1 = site.submergence ? 1 : 0;
    for (std::size_t r = 0; r < site.rows.size(); ++r) {
        for (int c = 1; c <= 8; ++c) {
            form.Fg1.setTextMatrix(static_cast<int>(r) + 1, c, site.rows[r][c - 1]);
        }
    }
    return form;
}

// One soft layer from the surface at 0 down to -2 with a wet mass of 1 t/m3, so that its middle
// carries sigma'0 = 1 x 1 m x g = 9.80665 kPa while the water table lies at -1 or deeper.
// Terzaghi-Bjerrum: Cc/(1+e0) = 0.5, no recompression, no creep, sigma'p = sigma'0.
inline SiteInput softBjerrumSite() {
    SiteInput site;
    site.rows = {{"-2", "1", "0", "1", "1", "0", "0", "0"}};
    return site;
}

// The same layer for Terzaghi-Koppejan: 1/Cp' = 0.2, 1/Cs' = 0.01, sigma'p = sigma'0.
inline SiteInput softKoppejanSite() {
    SiteInput site;
    site.method = 2;
    site.rows = {{"-2", "1", "0.01", "0.001", "0.2", "0.01", "0", ""}};
    return site;
}

} // namespace korvex::test
