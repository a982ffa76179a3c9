#include "report/header_texts.h"

#include "app/application.h"
#include "app/number_text.h"
#include "observations/form13_observations.h"
#include "settlement/form1_settlement_input.h"
#include "state/module1.h"
#include "ui/input_boxes.h"

namespace korvex {

namespace {

std::string loadedBoxText(const Module1& st, const char* box) {
    return variableText(st, boxNamed(Form1::boxes(), box).variable);
}

} // namespace

std::string plateCodeOnLoading(const ObservationState& st) {
    return num::isBlank(st.PlateCode) ? "BH1plate" : st.PlateCode;
}

HeaderTexts headerTexts(Application& app) {
    const Module1& st = app.state();
    const WindowRegistry& windows = app.windows();
    HeaderTexts texts;
    if (const Form1* form1 = windows.find<Form1>()) {
        texts.projectName = form1->Text1;
        texts.boreHole = form1->Text2;
        texts.extraCode = form1->Text3;
    } else {
        texts.projectName = loadedBoxText(st, "Text1");
        texts.boreHole = loadedBoxText(st, "Text2");
        texts.extraCode = methodName(st.Method);
    }
    const Form13* form13 = windows.find<Form13>();
    texts.plateCode = form13 ? form13->Text1 : plateCodeOnLoading(st);
    return texts;
}

} // namespace korvex
