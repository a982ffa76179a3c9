#pragma once

namespace korvex {

class Application;
class Form10;

// "Calculate" of the preload window: checks that a settlement calculation has completed, reads and
// checks the window, builds the 15 extra-fill cases with their intersections, the curves of
// cases 1 to 6 and their removal times, all with the method and submergence switch of that
// settlement calculation and the end-of-primary option of the last consolidation calculation.
// Every refusal is shown and leaves the state as it was; true when the results are stored.
bool calculatePreload(Application& app, const Form10& form);

} // namespace korvex
