#include "settlement/form17_curve_fitting.h"

#include "app/application.h"
#include "app/number_text.h"
#include "settlement/form1_settlement_input.h"
#include "state/module1.h"

namespace korvex {

std::span<const InputBox<Form17>> Form17::boxes() {
    static const InputBox<Form17> table[] = {
        {"Text1", &Form17::Text1, &Module1::aCp, "aCp :"},
        {"Text2", &Form17::Text2, &Module1::aCs, "aCs :"},
        {"Text3", &Form17::Text3, &Module1::aCp2, "aCp' :"},
        {"Text4", &Form17::Text4, &Module1::aC, "aC :"},
        {"Text5", &Form17::Text5, &Module1::bCp, "bCp :"},
        {"Text6", &Form17::Text6, &Module1::bCs, "bCs :"},
        {"Text7", &Form17::Text7, &Module1::bCp2, "bCp' :"},
        {"Text8", &Form17::Text8, &Module1::bC, "bC :"},
    };
    return table;
}

Form17::Form17(Application& app) : WindowModel(app) {
    Caption = "Curve fitting exponentional function";
}

void Form17::Form_Load() {
    loadBoxes(*this, state(), boxes());
}

void Form17::Command1_Click() {
    if (state().Method == 2) {
        const double count = num::countFromText(windows().load<Form1>().Text7);
        // A coefficient that is no number is refused, and the window stays open for the
        // correction.
        const bool stored = commitOnSuccess(app(), [&](Module1& st) {
            // A count the per-layer arrays cannot hold is left for the calculation to refuse;
            // it must not reach the shared state from a coefficient window.
            if (count >= 0 && count <= Form1::kLayerRows) {
                st.NLayers = static_cast<Integer>(count);
            }
            storeBoxes(st, *this, boxes());
        });
        if (!stored) {
            return;
        }
    }
    windows().unload(*this);
}

} // namespace korvex
