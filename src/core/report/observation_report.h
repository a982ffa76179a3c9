#pragma once

// The observation report: the predictions for the fill layer kept with the plate's readings
// (Module1::Predictions) beside the settlements measured on it, and what the Asaoka and rate
// analyses made of them. One text serves five outputs: the observation file and the observation
// window's printout, and the listing window's list, printout and saved listing. They differ in a
// few lines only.

#include "report/report_writer.h"

namespace korvex {

struct HeaderTexts;
struct Module1;

namespace report {

// Writes the whole report for out.output(), the table rows through their line buffers. The
// header texts are the boxes of the settlement input and observation windows.
void writeObservationReport(ReportWriter& out, const HeaderTexts& header, const Module1& st);

} // namespace report
} // namespace korvex
