#pragma once

namespace korvex {

struct Module1;
struct PreloadInputs;

// The calculated fill with 0, 1, ... 14 increments of extra fill (cases 1 to 15): the layer flags
// and Ch, the stress path of each case and where it meets the settlement of the subsoil after 10
// and after 10 000 days. The method of the state decides the layer settlements.
void computePreloadCases(Module1& st, const PreloadInputs& inputs, bool submergence);

} // namespace korvex
