#pragma once

namespace korvex {

class Application;
class Form4;

// "Calculate" of the consolidation window: reads and checks its boxes, designs the drains, computes
// the settlement-time series and the rest-settlement times, stores everything in the shared state,
// announces the new consolidation results to every loaded window, fills the result window and
// shows it. Every refusal is shown to the user and leaves the state as it was; the result is true
// only when the calculation completed.
bool calculateConsolidation(Application& app, Form4& form);

} // namespace korvex
