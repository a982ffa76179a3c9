#pragma once

// Reading an observation file back: the plate and project it was saved for, the predictions the
// readings were compared with, and the readings. A file of measurements lives for the years a
// site is watched, so a file is read whole or not at all: it is parsed into a plain record and
// checked line by line, and only a record that passed reaches the shared state.
//
// A saved listing of the observation report has the same lines as the file and reads here too, as
// does a file whose rows another program wrote with one comma between the numbers.

#include "app/open_from_file.h"
#include "app/vb_types.h"
#include "state/observation_state.h"

#include <string>
#include <string_view>
#include <vector>

namespace korvex {

struct Module1;

struct ObservationFileRecord {
    std::string PlateCode, ProjectName, BoreHole, ExtraCode;
    // The predictions, rows 1 to 18 as the file holds them.
    PlatePredictions Predictions;
    // The readings 1 to N.
    std::vector<Single> TObs, SObs;
};

// A line that does not hold what its place in the file requires.
class ObservationFileRefusal : public FileLineRefusal {
public:
    using FileLineRefusal::FileLineRefusal;
};

// The record of a file's bytes, or an ObservationFileRefusal naming the first line that is wrong.
// Only the lines up to the last reading are read.
ObservationFileRecord readObservationFile(std::string_view bytes);

// Puts a record in place: identification, the plate's predictions, readings 1 to N with the rows
// after N cleared, and no analysis results, which belong to other readings. The calculation's own
// results stay as they are.
void applyObservationFile(const ObservationFileRecord& record, Module1& st);

} // namespace korvex
