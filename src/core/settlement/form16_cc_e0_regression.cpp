#include "settlement/form16_cc_e0_regression.h"

#include "app/application.h"
#include "state/module1.h"

namespace korvex {

std::span<const InputBox<Form16>> Form16::boxes() {
    static const InputBox<Form16> table[] = {
        {"Text1", &Form16::Text1, &Module1::CcA, "a = :"},
        {"Text2", &Form16::Text2, &Module1::CcB, "b = :"},
    };
    return table;
}

Form16::Form16(Application& app) : WindowModel(app) {
    Caption = "Regression Equation Cc vs e0";
}

void Form16::Form_Load() {
    loadBoxes(*this, state(), boxes());
}

void Form16::Command1_Click() {
    // A coefficient that is no number is refused, and the window stays open for the correction.
    if (commitOnSuccess(app(), [this](Module1& st) { storeBoxes(st, *this, boxes()); })) {
        windows().unload(*this);
    }
}

} // namespace korvex
