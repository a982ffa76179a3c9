#pragma once

// Reading the settlement input window into the shared state and checking it. Every refusal throws
// an InputRefusal with the message the user sees.

namespace korvex {

struct Module1;
class Form1;

// The site boxes, in the order the window is read, and their checks; then the fill heights.
void readSiteInput(Module1& st, const Form1& form);

} // namespace korvex
