#pragma once

// The helpers of the settlement input window that fill or correct columns of its layer table
// before a calculation. None of them starts a calculation; each reports its own refusals.

#include <string>

namespace korvex {

class Application;
class Form1;

// The two explanatory messages of the input window.
std::string dimensionsMessage();
std::string calphaValuesMessage();

// Each helper is one action over every layer: a layer it cannot use (a cell that is not one
// number, or a fitted value that is not a finite positive number) is refused, one message names
// every refused layer and why, and nothing is written for any layer.

// "Correction Bulkdensity ": every wet density of 10 or more in a layer row is taken as typed in
// kN/m3 and divided by 10. Empty rows are left as they are.
void correctBulkDensity(Application& app, Form1& form);

// "Curve fitting 1/Cp,1/Cs": the Koppejan coefficients of every layer from its wet density.
// Returns false, having changed nothing, when a layer or the number of layers was refused.
bool curveFitKoppejan(Application& app, Form1& form);

// "Line fitting Cc-e0": the compression index of every layer from its void ratio. Returns false,
// having changed nothing, when a layer has no positive void ratio or fitted Cc, or the layer
// count is refused.
bool lineFitBjerrum(Application& app, Form1& form);

} // namespace korvex
