#pragma once

// Reading the settlement input window into the shared state and checking it. Every refusal throws
// a CalculationStop with the message the user sees.

#include <string>

namespace korvex {

struct Module1;
class Form1;

// The site boxes, in the order the window is read, and their checks; then the fill heights.
void readSiteInput(Module1& st, const Form1& form);

// The number of a box or cell: empty reads as 0, text without a leading number (or a number a
// Single cannot hold) is refused with a message naming the field.
double fieldNumber(const std::string& text, const std::string& fieldName);

} // namespace korvex
