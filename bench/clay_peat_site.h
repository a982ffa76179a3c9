#pragma once

#include "app/application.h"
#include "app/number_text.h"
#include "settlement/form1_settlement_input.h"
#include "state/module1.h"

#include <string>

namespace korvex::bench {

// A clay and peat site: surface 0, water table 1 m down, layers of 0.75 m (20 layers), 3 m
// (5 layers) or 15 m (1 layer) down to -15, required level 2 m after 1000 days.
inline void fillSite(Form1& form, int layers, Integer method, bool submergence) {
    form.Text4 = "0";
    form.Text5 = "-1";
    form.Text15 = "-1";
    form.Text7 = std::to_string(layers);
    form.Text6 = "1.8";
    form.Text8 = "2";
    form.Text9 = "1.5";
    form.Text10 = "1.7";
    form.Text11 = "2";
    form.Text12 = "1000";
    form.Text13 = "1";
    form.Text14 = "15";
    form.Check1 = submergence ? 1 : 0;
    const double thickness = 15.0 / layers;
    for (int i = 1; i <= layers; ++i) {
        const bool peat = i % 3 == 0;
        form.Fg1.setTextMatrix(i, 1, num::boxText(-thickness * i));
        form.Fg1.setTextMatrix(i, 2, peat ? "1.1" : "1.6");
        if (method == 1) {
            const char* row[] = {"0.02", peat ? "4" : "1.2",     peat ? "1.5" : "0.4", "1",
                                 "10",   peat ? "0.02" : "0.008"};
            for (int c = 3; c <= 8; ++c) {
                form.Fg1.setTextMatrix(i, c, row[c - 3]);
            }
        } else {
            const char* row[] = {"0.01", "0.001", peat ? "0.08" : "0.03", peat ? "0.008" : "0.003",
                                 "10"};
            for (int c = 3; c <= 7; ++c) {
                form.Fg1.setTextMatrix(i, c, row[c - 3]);
            }
        }
    }
}

// The settlement input window of a program on its defaults, holding the site under the method.
inline Form1& loadSite(Application& app, int layers, Integer method, bool submergence) {
    app.state().setDefaults();
    app.state().Method = method;
    Form1& form = app.windows().load<Form1>();
    fillSite(form, layers, method, submergence);
    return form;
}

} // namespace korvex::bench
