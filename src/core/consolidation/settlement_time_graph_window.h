#pragma once

// What the two settlement-time graph windows share: a logarithmic time axis from 10 to 80 000
// days, a settlement axis, and Exit, Print (landscape) and Image to Clipboard.

#include "ui/graph_window.h"

namespace korvex {

// "Print" prints landscape, 15000 x 8500 twips.
class SettlementTimeGraphWindow : public GraphWindow {
protected:
    SettlementTimeGraphWindow(Application& app, const char* caption, int sets, double widthTwips,
                              const char* legends[]);
};

} // namespace korvex
