#include "settlement/settlement_calculation.h"

#include "app/application.h"

namespace korvex {

bool calculateSettlements(Application& app, Form1& /*form*/) {
    app.desktop().msgBox("The settlement calculation is not available in this build.",
                         vbExclamation, "KORVEX message");
    return false;
}

} // namespace korvex
