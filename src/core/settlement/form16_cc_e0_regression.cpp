#include "settlement/form16_cc_e0_regression.h"

#include "app/application.h"
#include "app/number_text.h"

namespace korvex {

Form16::Form16(Application& app) : WindowModel(app) {
    Caption = "Regression Equation Cc vs e0";
}

void Form16::Form_Load() {
    Text1 = num::boxText(state().CcA);
    Text2 = num::boxText(state().CcB);
}

void Form16::Command1_Click() {
    state().CcA = num::toSingle(num::leadingNumber(Text1));
    state().CcB = num::toSingle(num::leadingNumber(Text2));
    windows().unload(*this);
}

} // namespace korvex
