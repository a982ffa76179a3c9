#include "settlement/form16_cc_e0_regression.h"

#include "app/application.h"
#include "app/number_text.h"
#include "settlement/settlement_input_state.h"

namespace korvex {

Form16::Form16(Application& app) : WindowModel(app) {
    Caption = "Regression Equation Cc vs e0";
}

void Form16::Form_Load() {
    Text1 = num::boxText(app().part<SettlementInput>().CcA);
    Text2 = num::boxText(app().part<SettlementInput>().CcB);
}

void Form16::Command1_Click() {
    app().part<SettlementInput>().CcA = num::toSingle(num::leadingNumber(Text1));
    app().part<SettlementInput>().CcB = num::toSingle(num::leadingNumber(Text2));
    windows().unload(*this);
}

} // namespace korvex
