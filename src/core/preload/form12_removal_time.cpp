#include "preload/form12_removal_time.h"

#include "app/application.h"
#include "app/number_text.h"
#include "consolidation/rest_settlement_times.h"
#include "preload/extra_fill_curves.h"
#include "state/preload_state.h"
#include "state/settlement_results_state.h"

namespace korvex {

namespace {

// Before any preload calculation no case has a removal time at all; afterwards a case either has
// one or has "not reached".
bool calculated(Single removal) {
    return removal != 0.0f;
}

std::string removalText(Single removal) {
    return calculated(removal) ? restTimeText(removal) : std::string();
}

bool hasAdvantage(const PreloadState& pre, int c) {
    return restTimeReached(pre.TRemove(c)) && restTimeReached(pre.TRemove(1)) &&
           calculated(pre.TRemove(c)) && calculated(pre.TRemove(1));
}

} // namespace

Form12::Form12(Application& app) : GraphWindow(app), Fg12(kCurveCases + 1, 3) {
    Caption = "Settlement time versus Fillthickness";
    Fg12.setColWidth(0, 1100);
    Fg12.setColWidth(1, 1400);
    Fg12.setColWidth(2, 1400);
    // "not reached" stands where the numbers of its column stand.
    constexpr int kAlignRightCenter = 7;
    Fg12.setColAlignment(1, kAlignRightCenter);
    Fg12.setColAlignment(2, kAlignRightCenter);
    Graph1.setNumPoints(kCurveCases);
    Graph1.setNumSets(2);
    Graph1.setGraphTitle(" Settlement Time vs FillThickness");
    Graph1.setBottomTitle("Extra Fill thickness (m)");
    Graph1.setLeftTitle("(Time  before removal of Extra Fill(days)");
    Graph1.saveDesign();
}

void Form12::Form_Load() {
    PreloadState& pre = app().part<PreloadState>();
    const SettlementResults& settlement = app().part<SettlementResults>();
    const Single spacing = app().part<PreloadState>().SpacingTriPre;
    for (int c = 1; c <= kCurveCases; ++c) {
        pre.TAdvantage(c) =
            hasAdvantage(pre, c)
                ? num::toSingle((static_cast<double>(pre.TRemove(c)) - pre.TRemove(1)) * -1.0)
                : 0.0f;
    }
    Text1 = num::boxText(spacing);
    Fg12.setTextMatrix(0, 0, "Thickness (m)");
    Fg12.setTextMatrix(0, 1, "Time (days)");
    Fg12.setTextMatrix(0, 2, "Advantage(days)");
    for (int c = 1; c <= kCurveCases; ++c) {
        Fg12.setTextMatrix(c, 0, num::boxText(settlement.ExtraFill(c)));
        Fg12.setTextMatrix(c, 1, removalText(pre.TRemove(c)));
        Fg12.setTextMatrix(c, 2, hasAdvantage(pre, c) ? num::boxText(pre.TAdvantage(c)) : "");
    }

    // A case without a removal time has no point: the line joins the cases that have one. The
    // drain spacing labels every point but the first drawn, whichever case that is.
    Graph1.restoreDesign();
    Graph1.setThisSet(1);
    bool firstDrawn = true;
    for (int c = 1; c <= kCurveCases; ++c) {
        Graph1.setThisPoint(c);
        if (calculated(pre.TRemove(c)) && restTimeReached(pre.TRemove(c))) {
            Graph1.setGraphData(pre.TRemove(c));
            Graph1.setXPosData(settlement.ExtraFill(c));
            if (!firstDrawn) {
                Graph1.setLabelText(spacing);
            }
            firstDrawn = false;
        }
    }
    Graph1.setThisSet(2);
    for (int c = 1; c <= kCurveCases; ++c) {
        Graph1.setThisPoint(c);
        if (hasAdvantage(pre, c)) {
            Graph1.setGraphData(pre.TAdvantage(c));
            Graph1.setXPosData(settlement.ExtraFill(c));
        }
    }
    Graph1.setLabelText(std::string("Time(days)"));
    Graph1.setDrawMode(2);
}

} // namespace korvex
