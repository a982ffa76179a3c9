#include "settlement/form17_curve_fitting.h"

#include "app/application.h"
#include "app/general_state.h"
#include "app/number_text.h"
#include "settlement/form1_settlement_input.h"
#include "settlement/settlement_input_state.h"

namespace korvex {

Form17::Form17(Application& app) : WindowModel(app) {
    Caption = "Curve fitting exponentional function";
}

void Form17::Form_Load() {
    const SettlementInput& st = app().part<SettlementInput>();
    Text1 = num::boxText(st.aCp);
    Text2 = num::boxText(st.aCs);
    Text3 = num::boxText(st.aCp2);
    Text4 = num::boxText(st.aC);
    Text5 = num::boxText(st.bCp);
    Text6 = num::boxText(st.bCs);
    Text7 = num::boxText(st.bCp2);
    Text8 = num::boxText(st.bC);
}

void Form17::Command1_Click() {
    SettlementInput& st = app().part<SettlementInput>();
    if (app().part<GeneralState>().Method == 2) {
        const double count = num::countFromText(windows().load<Form1>().Text7);
        // A count the per-layer arrays cannot hold is left for the calculation to refuse; it
        // must not reach the shared state from a coefficient window.
        if (count >= 0 && count <= Form1::kLayerRows) {
            st.NLayers = static_cast<Integer>(count);
        }
        auto value = [](const std::string& text) {
            return num::toSingle(num::leadingNumber(text));
        };
        st.aCp = value(Text1);
        st.aCs = value(Text2);
        st.aCp2 = value(Text3);
        st.aC = value(Text4);
        st.bCp = value(Text5);
        st.bCs = value(Text6);
        st.bCp2 = value(Text7);
        st.bC = value(Text8);
    }
    windows().unload(*this);
}

} // namespace korvex
