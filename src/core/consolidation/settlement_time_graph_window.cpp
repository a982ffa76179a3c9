#include "consolidation/settlement_time_graph_window.h"

#include "app/application.h"
#include "ui/graph_window.h"

namespace korvex {

SettlementTimeGraphWindow::SettlementTimeGraphWindow(Application& app, const char* caption,
                                                     int sets, double widthTwips,
                                                     const char* legends[])
    : WindowModel(app), Graph1(app.desktop()) {
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

void SettlementTimeGraphWindow::Command1_Click() {
    windows().unload(*this);
}

void SettlementTimeGraphWindow::Command2_Click() {
    printGraphWindow(Graph1, kWideLandscapePrint);
}

void SettlementTimeGraphWindow::Command3_Click() {
    copyGraphWindowImage(Graph1);
}

} // namespace korvex
