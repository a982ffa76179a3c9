#pragma once

// Reading the layer table of the settlement input window into the shared state. Every refusal
// throws an InputRefusal with the message the user sees.

namespace korvex {

struct Module1;
class Desktop;
class Form1;

// The layer table for the active method: levels, soil masses and method parameters. A layer soil
// mass outside 1..3 only warns through the desktop; everything else that is wrong refuses.
void readLayerTable(Module1& st, const Form1& form, Desktop& desktop);

} // namespace korvex
