#pragma once

// What opening a project writes in the two input windows, as one text, so that two runs can be
// compared in one assertion that shows where they differ.

#include "app/number_text.h"
#include "consolidation/form4_consolidation_input.h"
#include "settlement/form1_settlement_input.h"
#include "support/test_app.h"

#include <string>

namespace korvex::test {

inline std::string windowTexts(TestApp& t) {
    std::string text;
    if (const Form1* f = t.windows().find<Form1>()) {
        for (const InputBox<Form1>& box : Form1::boxes()) {
            text += f->*box.text + "|";
        }
        for (int r = 0; r <= Form1::kLayerRows; ++r) {
            for (int c = 0; c <= 8; ++c) {
                text += f->Fg1.TextMatrix(r, c) + ",";
            }
        }
        text += num::boxText(f->methodLoadedFor);
    }
    if (const Form4* f = t.windows().find<Form4>()) {
        for (const InputBox<Form4>& box : Form4::boxes()) {
            text += f->*box.text + "|";
        }
        for (int r = 0; r <= Form4::kLayerRows; ++r) {
            text += f->Fg4.TextMatrix(r, 1) + ",";
        }
    }
    return text;
}

} // namespace korvex::test
