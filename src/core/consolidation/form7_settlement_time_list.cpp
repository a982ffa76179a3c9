#include "consolidation/form7_settlement_time_list.h"

#include "app/application.h"
#include "app/number_text.h"
#include "state/consolidation_state.h"

namespace korvex {

Form7::Form7(Application& app) : WindowModel(app), Fg5(21, 8, 1350) {
    Caption = "List of Settlements vs time";
}

void Form7::Form_Load() {
    const ConsolidationState& st = app().part<ConsolidationState>();
    struct Column {
        const char* header;
        const SingleArray<101>* wide;
        const SingleArray<21>* narrow;
    };
    const Column columns[] = {
        {"Time [days]", &st.TPred, nullptr},
        {"NO Drains IL", &st.SVertIL, nullptr},
        {"Drains IL", &st.SHorIL, nullptr},
        {"Hor/Vert flow IL", nullptr, &st.SHorVertIL},
        {"NO Drains GL", &st.SVertGL, nullptr},
        {"Drains GL", &st.SHorGL, nullptr},
        {"Hor/Vert flow GL", nullptr, &st.SHorVertGL},
        {"Secondary", &st.SSecondary, nullptr},
    };
    for (int c = 1; c <= 7; ++c) {
        Fg5.setColWidth(c, 1350);
    }
    for (int c = 0; c <= 7; ++c) {
        const Column& column = columns[c];
        Fg5.setCol(c);
        Fg5.setRow(0);
        Fg5.setText(column.header);
        for (int i = 1; i <= 20; ++i) {
            Fg5.setRow(i);
            Fg5.setText(num::boxText(column.wide ? (*column.wide)(i) : (*column.narrow)(i)));
        }
    }
}

void Form7::Command1_Click() {
    windows().unload(*this);
}

} // namespace korvex
