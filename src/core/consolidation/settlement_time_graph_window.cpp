#include "consolidation/settlement_time_graph_window.h"

namespace korvex {

SettlementTimeGraphWindow::SettlementTimeGraphWindow(Application& app, const char* caption,
                                                     int sets, double widthTwips,
                                                     const char* legends[])
    : GraphWindow(app, kWideLandscapePrint) {
    Caption = caption;
    Graph1.setNumPoints(20);
    Graph1.setNumSets(sets);
    for (int k = 1; k <= sets; ++k) {
        Graph1.setLegendText(k, legends[k - 1]);
    }
    Graph1.setBottomTitle("Time in days");
    Graph1.setLeftTitle("Settlement in m");
    // The times run from 10 to 80 000 days: on a linear axis the first decades would be one line.
    Graph1.setXScale(AxisScale::Logarithmic);
    Graph1.setWidth(widthTwips);
    Graph1.setHeight(5655);
    Graph1.saveDesign();
}

} // namespace korvex
