#pragma once

// The measurement table of the observation window: one reading of a settlement plate per row, its
// time in days in column 1 and its settlement in metres (positive downward) in column 2.

#include "app/number_text.h"
#include "app/vb_types.h"
#include "ui/grid.h"

#include <string>
#include <vector>

namespace korvex {

struct ObservationState;

inline constexpr int kMeasurementRows = 100;
inline constexpr int kTimeColumn = 1;
inline constexpr int kSettlementColumn = 2;
// How the observation file and report write a reading's settlement.
inline constexpr num::NumberPattern kReadingSettlementPattern = "##0.0000";

// The readings of the table as plain values, before they reach the shared state. Element 0 stands
// for the moment of loading and stays 0.
struct Measurements {
    SingleArray<100> times;
    SingleArray<100> settlements;
    int count = 0;
};

// The number of observations: the last row with a non-zero settlement, 0 when there is none. A
// zero settlement between two readings counts as a reading.
int observationCount(const SingleArray<100>& settlements);

// Reads every cell strictly: an empty cell reads as 0; anything but one number is refused
// (InputRefusal) by row and column. A cell such as "1,5" would otherwise enter an analysis as 1.
Measurements readMeasurements(const Grid& table);

// Reads without refusing: a cell that holds no number counts as empty.
Measurements readMeasurementsQuietly(const Grid& table);

// A cell of the table as a message names it: row 3, column "Settlement(m)".
std::string readingCellName(int row, int col);

// Refuses (InputRefusal, naming the cell) a settlement that is not 0 but that the observation file
// writes as 0: the file would read back without that reading, or not at all when it is the last.
void refuseSettlementsTheFileLoses(const Measurements& readings);

// Writes the readings into TObs, SObs and NObs, and the column headings back into the table.
void storeMeasurements(ObservationState& st, Grid& table, const Measurements& readings);

// Empties the Asaoka and rate results: they belong to the readings they were computed from, and a
// file or printout must not show them beside other readings.
void clearAnalysisResults(ObservationState& st);

// Rows 1 to count of an observation array, as a plain list.
std::vector<Single> observedRows(const SingleArray<100>& values, int count);

} // namespace korvex
