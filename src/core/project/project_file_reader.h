#pragma once

// Reading a project file back: the input of the settlement and consolidation calculations and the
// few results the consolidation input window shows. A project lives in its file for years and is
// built on again, so a file is read whole or not at all: its bytes are parsed into a plain record,
// every field checked where it stands, and only a record that passed reaches the shared state and
// the input windows.
//
// Lines 1 to 6 are read whole (a project name may hold commas). From line 7 on the file is a
// sequence of items: a number item runs as far as its number and takes the blanks, tabs and one
// comma or line end after it; any other item runs to the next comma or the line end; an empty line
// is one item. Each field sits at a fixed place in that sequence, as the writer puts it, so a
// saved listing of the same report reads too. A labelled line must carry its writer's label there
// (in any capitals, with any blanks around it), so that two swapped or renamed lines are refused
// instead of read into each other's fields. The file is split only as far as it is read: whatever
// follows the last field read is not looked at.

#include "app/open_from_file.h"
#include "app/vb_types.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace korvex {

class Application;

inline constexpr int kProjectMaxLayers = 20;

struct ParsedProject {
    std::string ProjectName, BoreHole, ExtraCode;
    // 1 Terzaghi-Bjerrum, 2 Terzaghi-Koppejan, from the method line.
    Integer Method = 0;
    Single SurfaceLevel = 0, SurfaceLevelRequired = 0, Watertable = 0, NewWatertable = 0;
    Single SettlementTime = 0, SoilmassFill = 0, SoilmassFillSat = 0, SoilmassAvg = 0;
    Single SoilmassAvgSat = 0, FillIncrement = 0, NFillLayers = 0;
    Integer NLayers = 0;
    // Layers 1 to NLayers of section 1, as the file's columns: depth, wet soil mass, the four
    // compression values of the method, Sigmac, and Calpha or C.
    std::vector<std::array<Single, 8>> layers;
    Single DegreeCons = 0, ConsolidationPeriod = 0, DrainDiameter = 0, RestSettlement = 0;
    Single ConstructionTime = 0, DrainArea = 0, SoilThickness = 0, CvAvg = 0, ChAvg = 0;
    Single TimeFactor = 0;
    // Layers 1 to NLayers of section 2: Cv, ChExtraFill, CvExtraFill.
    std::vector<std::array<Single, 3>> consolidationLayers;
    Single FillThickness = 0, FillSettlement = 0, S10Cons = 0, S10000Cons = 0;
};

// A line of the file that does not hold what its place requires.
class ProjectFileError : public FileLineRefusal {
public:
    using FileLineRefusal::FileLineRefusal;
};

// The record of a file's bytes, or a ProjectFileError naming the first line that is wrong.
ParsedProject parseProjectFile(std::string_view bytes);

// Puts a valid record in place, all in one step: the shared state as a program just started
// holds it (Module1::resetForProject) with the file's values, so that no result of the project
// before remains; then both input windows loaded and every loaded window told that the project
// was replaced (the input windows fill themselves from the state, result windows close), the
// settlement input window shown and the opened file's name.
void applyProject(Application& app, const ParsedProject& project, const std::string& path);

// File, Open: the open dialog, the reading, and a message naming the file, the line and the
// reason for a file that cannot be read, which changes nothing.
void openProjectFile(Application& app);

} // namespace korvex
