#pragma once

// A site calculated for settlements and consolidation, as the preload window finds it.

#include "../settlement/settlement_site.h"
#include "consolidation/form4_consolidation_input.h"
#include "preload/form10_preload_input.h"

namespace korvex::test {

// Surface 0, water table -1. Layer 1 from 0 to -3 and layer 2 from -3 to -5, both soft
// Terzaghi-Bjerrum clay (Cc/(1+e0) 0.3 and 0.2, creep 0.01 and 0.02 per log cycle); required
// level 1.
inline SiteInput twoLayerPreloadSite() {
    SiteInput site;
    site.required = "1";
    site.rows = {{"-3", "1.5", "0", "1", "0.6", "1", "0", "0.02"},
                 {"-5", "1.6", "0.1", "1", "0.4", "1", "0", "0.04"}};
    return site;
}

struct PreloadSite {
    TestApp t;

    explicit PreloadSite(const SiteInput& site = twoLayerPreloadSite(),
                         bool endOfPrimaryAtTp = false) {
        loadSite(t, site).Command1_Click();
        Form4& consolidation = t.windows().load<Form4>();
        consolidation.Option3 = !endOfPrimaryAtTp;
        consolidation.Option4 = endOfPrimaryAtTp;
        consolidation.Command1_Click();
        t.desktop.messages.clear();
    }
    Form10& window() { return t.windows().load<Form10>(); }
    // "Calculate" of the preload window; true when it showed no message.
    bool calculate() {
        const std::size_t before = t.desktop.messages.size();
        window().Command2_Click();
        return t.desktop.messages.size() == before;
    }
    const Module1& state() { return t.state(); }
};

} // namespace korvex::test
