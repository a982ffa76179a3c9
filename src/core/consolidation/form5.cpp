#include "consolidation/form5.h"

#include "app/application.h"
#include "app/number_text.h"
#include "consolidation/rest_settlement_times.h"

namespace korvex {

Form5::Form5(Application& app) : WindowModel(app) {
    Caption = "Results Consolidation and Drains [Drainspacing, Settlement times etc.]";
}

void Form5::Form_Load() {
    const Module1& st = state();
    Text1 = num::boxText(st.DrainZone);
    Text2 = num::boxText(st.SpacingTri);
    Text3 = num::boxText(st.SpacingSq);
    Text4 = num::boxText(st.DrainsPerM2);
    Text5 = num::boxText(st.DrainsTotal);
    Text6 = num::boxText(st.DrainArea);
    Text7 = num::boxText(st.TconsHor);
    Text8 = num::boxText(st.TconsVert);
    Text9 = num::boxText(st.TimeFactor);
    Text10 = num::boxText(st.DiffSHor);
    Text11 = num::boxText(st.DiffSVert);
    Text12 = num::boxText(st.RestSettlement);
    Text13 = num::boxText(st.RestSettlement);
    Text14 = restTimeText(st.TimeRestHor(5));
    Text15 = restTimeText(st.TimeRestVert(5));
    Text16 = num::boxText(st.ConsolidationPeriod);
    Text17 = num::boxText(st.ConsolidationPeriod);
}

void Form5::fillFromState() {
    Form_Load();
    Text18 = num::boxText(state().Discharge);
    Text19 = num::boxText(state().DischargeYear);
}

void Form5::Command1_Click() {
    windows().unload(*this);
}

} // namespace korvex
