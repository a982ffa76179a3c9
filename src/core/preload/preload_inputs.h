#pragma once

// The boxes and layer rows of the preload window read as the calculation needs them, and the one
// check of all of them that runs before the calculation changes anything.

#include "app/vb_types.h"

namespace korvex {

class Desktop;
class Form10;
struct ConsolidationState;
struct SettlementInput;
struct SettlementResults;

// The layers under the drain ends consolidate together by vertical flow, as one package.
struct RestPackage {
    bool present = false;
    // The equivalent Cv of the package, m2/s.
    Single cvEquivalent = 0;
    // Its thickness, halved for two-way flow, m.
    Single drainagePath = 0;
};

struct PreloadInputs {
    // Extra fill added by each further case, m.
    Single increment = 0;
    Single restSettlement = 0;
    // Triangular drain spacing, m.
    Single spacing = 0;
    bool twoWayFlow = false;
    // Per layer 1..NLayers: 1 = the drains reach it, 0 = it lies under the drain ends; its Ch
    // (m2/s) as typed, replaced by its Cv for a layer under the drain ends.
    VbArray<Integer, 20> drained;
    SingleArray<20> ch;
    RestPackage rest;
};

// Reads and checks every box and layer row of the window against the state the calculation will
// run on. The first input that would make a step meaningless is refused (InputRefusal) with a
// message naming the box or the layer; the state and the window are not touched either way.
// The layers come from the settlement calculation, their Cv and the drain from the consolidation.
PreloadInputs readPreloadInputs(const Form10& form, const SettlementInput& input,
                                const SettlementResults& settlement,
                                const ConsolidationState& consolidation, bool endOfPrimaryAtTp,
                                Desktop& desktop);
// For a caller holding the whole state: it passes itself as every part.
template <class State>
PreloadInputs readPreloadInputs(const Form10& form, const State& st, bool endOfPrimaryAtTp,
                                Desktop& desktop) {
    return readPreloadInputs(form, st, st, st, endOfPrimaryAtTp, desktop);
}

} // namespace korvex
