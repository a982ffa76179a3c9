#pragma once

namespace korvex {

class Application;
class Form1;

// "Calculate Settlements": validates the input of the settlement window, computes the stresses,
// the settlements per load step and time and the fill thickness, stores them in the shared state,
// loads the consolidation window, announces the new settlement results to every loaded window and
// beeps. Every refusal is shown to the user; the result is true only when the calculation
// completed and its results are stored.
bool calculateSettlements(Application& app, Form1& form);

} // namespace korvex
