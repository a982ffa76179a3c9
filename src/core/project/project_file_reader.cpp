#include "project/project_file_reader.h"

#include "app/application.h"
#include "app/module1.h"
#include "app/number_text.h"
#include "app/text_file.h"
#include "app/window_registry.h"
#include "consolidation/form4_consolidation_input.h"
#include "settlement/form1_settlement_input.h"

#include <cctype>
#include <cmath>
#include <cstddef>
#include <optional>
#include <span>
#include <string_view>

namespace korvex {

namespace {

constexpr const char* kOpenCaption = "Korvex Open file";
constexpr int kFirstItemLine = 7;

struct Item {
    std::string text;
    bool number;
    int line;
    bool firstOnLine;
    bool lastOnLine;
};

bool isDigit(char c) {
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

// Where the number that starts at `pos` ends, or `pos` when no number starts there: a sign, digits
// with a point, and an exponent only where one follows in full.
std::size_t numberEnd(std::string_view text, std::size_t pos) {
    std::size_t i = pos;
    auto digitAt = [&](std::size_t k) { return k < text.size() && isDigit(text[k]); };
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        ++i;
    }
    const bool startsNumber = digitAt(i) || (i < text.size() && text[i] == '.' && digitAt(i + 1));
    if (!startsNumber) {
        return pos;
    }
    while (digitAt(i)) {
        ++i;
    }
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (digitAt(i)) {
            ++i;
        }
    }
    if (i < text.size() && (text[i] == 'E' || text[i] == 'e')) {
        std::size_t k = i + 1;
        if (k < text.size() && (text[k] == '+' || text[k] == '-')) {
            ++k;
        }
        if (digitAt(k)) {
            while (digitAt(k)) {
                ++k;
            }
            i = k;
        }
    }
    return i;
}

bool isBlankOrTab(char c) {
    return c == ' ' || c == '\t';
}

// The items of the lines from line 7 on.
std::vector<Item> splitItems(const std::vector<std::string>& lines) {
    std::vector<Item> items;
    for (std::size_t index = kFirstItemLine - 1; index < lines.size(); ++index) {
        const std::string_view text = lines[index];
        const int line = static_cast<int>(index) + 1;
        const std::size_t firstItem = items.size();
        std::size_t pos = 0;
        while (true) {
            while (pos < text.size() && isBlankOrTab(text[pos])) {
                ++pos;
            }
            const std::size_t end = numberEnd(text, pos);
            if (end > pos) {
                items.push_back(
                    {std::string(text.substr(pos, end - pos)), true, line, false, false});
                pos = end;
                while (pos < text.size() && isBlankOrTab(text[pos])) {
                    ++pos;
                }
                if (pos == text.size()) {
                    break;
                }
                if (text[pos] == ',') {
                    ++pos;
                }
                continue;
            }
            const std::size_t comma = text.find(',', pos);
            if (comma == std::string_view::npos) {
                items.push_back({std::string(text.substr(pos)), false, line, false, false});
                break;
            }
            items.push_back(
                {std::string(text.substr(pos, comma - pos)), false, line, false, false});
            pos = comma + 1;
        }
        items[firstItem].firstOnLine = true;
        items.back().lastOnLine = true;
    }
    return items;
}

// A Single field of the record and the shared variable it restores.
struct Field {
    Single ParsedProject::*field;
    Single Module1::*variable;
};

// In the order the file holds them, each group between passed-over items.
constexpr Field kSiteFields[] = {
    {&ParsedProject::SurfaceLevel, &Module1::SurfaceLevel},
    {&ParsedProject::SurfaceLevelRequired, &Module1::SurfaceLevelRequired},
    {&ParsedProject::Watertable, &Module1::Watertable},
    {&ParsedProject::NewWatertable, &Module1::NewWatertable},
    {&ParsedProject::SettlementTime, &Module1::SettlementTime},
};
constexpr Field kSoilMassFields[] = {
    {&ParsedProject::SoilmassFill, &Module1::SoilmassFill},
    {&ParsedProject::SoilmassFillSat, &Module1::SoilmassFillSat},
    {&ParsedProject::SoilmassAvg, &Module1::SoilmassAvg},
    {&ParsedProject::SoilmassAvgSat, &Module1::SoilmassAvgSat},
};
constexpr Field kFillFields[] = {
    {&ParsedProject::FillIncrement, &Module1::FillIncrement},
    {&ParsedProject::NFillLayers, &Module1::NFillLayers},
};
constexpr Field kDrainFields[] = {
    {&ParsedProject::DegreeCons, &Module1::DegreeCons},
    {&ParsedProject::ConsolidationPeriod, &Module1::ConsolidationPeriod},
    {&ParsedProject::DrainDiameter, &Module1::DrainDiameter},
    {&ParsedProject::RestSettlement, &Module1::RestSettlement},
    {&ParsedProject::ConstructionTime, &Module1::ConstructionTime},
    {&ParsedProject::DrainArea, &Module1::DrainArea},
};
constexpr Field kSoilThicknessFields[] = {
    {&ParsedProject::SoilThickness, &Module1::SoilThickness},
};
constexpr Field kCoefficientFields[] = {
    {&ParsedProject::CvAvg, &Module1::CvAvg},
    {&ParsedProject::ChAvg, &Module1::ChAvg},
    {&ParsedProject::TimeFactor, &Module1::TimeFactor},
};
constexpr Field kFillResultFields[] = {
    {&ParsedProject::FillThickness, &Module1::FillThickness},
    {&ParsedProject::FillSettlement, &Module1::FillSettlement},
};
constexpr Field kLogTimeFields[] = {
    {&ParsedProject::S10Cons, &Module1::S10Cons},
    {&ParsedProject::S10000Cons, &Module1::S10000Cons},
};
constexpr std::span<const Field> kAllFields[] = {
    kSiteFields,          kSoilMassFields,    kFillFields,       kDrainFields,
    kSoilThicknessFields, kCoefficientFields, kFillResultFields, kLogTimeFields,
};

// The columns of section 1's layer table for each method, with the headings the table shows.
struct LayerColumns {
    const char* fileHeading;
    std::array<SingleArray<21> Module1::*, 8> arrays;
    std::array<const char*, 6> gridHeadings; // columns 3 to 8
};
const LayerColumns kBjerrumColumns{"Depth\tSoilmasswet\tCr\te0\tCc\tec\tPc\tCalpha",
                                   {&Module1::LDepth, &Module1::Soilwet, &Module1::Cr, &Module1::e0,
                                    &Module1::Cc, &Module1::ec, &Module1::Sigmac, &Module1::Calpha},
                                   {"Cr(i)", "e0(i)", "Cc(i)", "ec(i)", "SigmaC(i)", "Calpha(i)"}};
const LayerColumns kKoppejanColumns{
    "Depth\tSoilmasswet\t1/Cp\t1/Cs\t1/Cp'\t1/Cs'\tPc\tC",
    {&Module1::LDepth, &Module1::Soilwet, &Module1::InvCp, &Module1::InvCs, &Module1::InvCp2,
     &Module1::InvCs2, &Module1::Sigmac, &Module1::CKoppejan},
    {"1/Cp(i)", "1/Cs(i)", "1/Cp'(i)", "1/Cs'(i)", "SigmaC(i)", "C(i)"}};

const LayerColumns& columnsOf(Integer method) {
    return method == 1 ? kBjerrumColumns : kKoppejanColumns;
}

// The items in file order, with the checks every place makes.
class ItemReader {
public:
    ItemReader(std::vector<Item> items, int lineCount)
        : items_(std::move(items)), lineCount_(lineCount) {}

    const Item& next() {
        if (next_ == items_.size()) {
            throw ProjectFileError(lineCount_ + 1, "the file ends before this line");
        }
        return items_[next_++];
    }

    void skip(int count) {
        for (int i = 0; i < count; ++i) {
            next();
        }
    }

    // A section's title: its number item, then its text.
    void sectionTitle(const char* number) {
        const Item& item = next();
        if (!item.number || item.text != number) {
            throw ProjectFileError(item.line,
                                   "the title of section " + std::string(number) + " expected");
        }
        skip(1);
    }

    // A line of a label, a colon and one number.
    Single labelled() {
        const Item& item = next();
        const std::size_t colon = item.text.find(':');
        if (item.number || !item.firstOnLine || !item.lastOnLine || colon == std::string::npos) {
            throw ProjectFileError(item.line, "a label, a colon and a number expected");
        }
        const std::optional<Single> value =
            num::fileNumber(std::string_view(item.text).substr(colon + 1));
        if (!value) {
            throw ProjectFileError(item.line, "no number after the colon");
        }
        return *value;
    }

    void labelled(ParsedProject& record, std::span<const Field> fields) {
        for (const Field& f : fields) {
            record.*f.field = labelled();
        }
    }

    // A row of a table: exactly `count` numbers, one line.
    template <std::size_t count> std::array<Single, count> row(const std::string& what) {
        std::array<Single, count> values{};
        int line = 0;
        for (std::size_t k = 0; k < count; ++k) {
            const Item& item = next();
            line = k == 0 ? item.line : line;
            const std::optional<Single> value =
                item.number ? num::fileNumber(item.text) : std::nullopt;
            if (!value || item.line != line || (k == 0 && !item.firstOnLine) ||
                (k + 1 == count && !item.lastOnLine)) {
                throw ProjectFileError(k == 0 ? item.line : line,
                                       std::to_string(count) + " numbers expected (" + what + ")");
            }
            values[k] = *value;
        }
        return values;
    }

    // The method that the method line names.
    Integer method() {
        const Item& item = next();
        if (!item.number) {
            if (item.text.rfind("Method Terzaghi-Bjerrum", 0) == 0) {
                return 1;
            }
            if (item.text.rfind("Method Terzaghi-Koppejan", 0) == 0) {
                return 2;
            }
        }
        throw ProjectFileError(item.line, "no method line (\"Method Terzaghi-Bjerrum\" or "
                                          "\"Method Terzaghi-Koppejan\")");
    }

    void layerHeading(Integer method) {
        const Item& item = next();
        if (item.number || item.text != columnsOf(method).fileHeading) {
            throw ProjectFileError(
                item.line, "the heading of the layer table of the method "
                           "Terzaghi-" +
                               std::string(method == 1 ? "Bjerrum" : "Koppejan") + " expected");
        }
    }

    int lineOfNext() const { return next_ < items_.size() ? items_[next_].line : lineCount_ + 1; }

private:
    std::vector<Item> items_;
    std::size_t next_ = 0;
    int lineCount_;
};

// The text of a whole line after its label's colon.
std::string afterLabel(const std::vector<std::string>& lines, int line, std::string_view label) {
    if (static_cast<int>(lines.size()) < line) {
        throw ProjectFileError(line, "the file ends before this line");
    }
    const std::string& text = lines[static_cast<std::size_t>(line - 1)];
    if (text.compare(0, label.size(), label) != 0) {
        throw ProjectFileError(line, "\"" + std::string(label) + "\" expected");
    }
    return text.substr(label.size());
}

} // namespace

ParsedProject parseProjectFile(const std::vector<std::string>& lines) {
    ParsedProject r;
    afterLabel(lines, 1, "Program:");
    // Lines 2 and 3 may hold anything, but they must be there.
    if (lines.size() < 3) {
        throw ProjectFileError(static_cast<int>(lines.size()) + 1,
                               "the file ends before this line");
    }
    // The writer puts one blank after "Project:"; the name starts after it, or every save of an
    // opened file would add one.
    r.ProjectName = afterLabel(lines, 4, "Project:");
    if (!r.ProjectName.empty() && r.ProjectName.front() == ' ') {
        r.ProjectName.erase(0, 1);
    }
    r.BoreHole = afterLabel(lines, 5, "Representative Borehole number:");
    r.ExtraCode = afterLabel(lines, 6, "Extra code:");

    ItemReader file(splitItems(lines), static_cast<int>(lines.size()));
    file.skip(2);
    file.sectionTitle("1.");
    r.Method = file.method();
    file.skip(1);
    file.labelled(r, kSiteFields);
    file.skip(1);
    file.labelled(r, kSoilMassFields);
    file.skip(1);
    file.labelled(r, kFillFields);
    const int countLine = file.lineOfNext();
    const Single count = file.labelled();
    if (!(count >= 0.0f && count <= static_cast<Single>(kProjectMaxLayers)) ||
        std::trunc(count) != count) {
        throw ProjectFileError(countLine, "the number of layers must be a whole number from 0 to " +
                                              std::to_string(kProjectMaxLayers));
    }
    r.NLayers = static_cast<Integer>(count);
    file.skip(1);
    file.layerHeading(r.Method);
    file.skip(2);
    for (int i = 1; i <= r.NLayers; ++i) {
        r.layers.push_back(file.row<8>("layer " + std::to_string(i) + " of section 1"));
    }

    file.skip(1);
    file.sectionTitle("2.");
    file.labelled(r, kDrainFields);
    file.skip(1);
    file.labelled(r, kSoilThicknessFields);
    file.skip(1);
    file.labelled(r, kCoefficientFields);
    file.skip(3);
    for (int i = 1; i <= r.NLayers; ++i) {
        const int line = file.lineOfNext();
        const std::array<Single, 4> v = file.row<4>("layer " + std::to_string(i) + " of section 2");
        if (v[0] != static_cast<Single>(i)) {
            throw ProjectFileError(line, "the row of layer " + std::to_string(i) + " expected");
        }
        r.consolidationLayers.push_back({v[1], v[2], v[3]});
    }

    file.skip(1);
    file.sectionTitle("3.");
    // The notes, an empty line, the three repeated site lines and an empty line.
    file.skip(10);
    file.labelled(r, kFillResultFields);
    file.skip(2);
    file.sectionTitle("4.");
    file.labelled(r, kLogTimeFields);
    return r;
}

void applyProject(Application& app, const ParsedProject& r, const std::string& path) {
    Module1& st = app.state();
    st.resetForProject();
    st.ProjectName = r.ProjectName;
    st.BoreHole = r.BoreHole;
    st.ExtraCode = r.ExtraCode;
    st.Method = r.Method;
    for (std::span<const Field> fields : kAllFields) {
        for (const Field& f : fields) {
            st.*f.variable = r.*f.field;
        }
    }
    // The file keeps the level the user entered; a water-table change replaces Watertable only
    // when the settlement is calculated again.
    st.WatertableInput = r.Watertable;
    st.NLayers = r.NLayers;
    const LayerColumns& columns = columnsOf(r.Method);
    for (int i = 1; i <= r.NLayers; ++i) {
        const auto row = static_cast<std::size_t>(i - 1);
        for (std::size_t c = 0; c < 8; ++c) {
            (st.*columns.arrays[c])(i) = r.layers.at(row)[c];
        }
        st.Cv(i) = r.consolidationLayers.at(row)[0];
        st.ChExtraFill(i) = r.consolidationLayers.at(row)[1];
        st.CvExtraFill(i) = r.consolidationLayers.at(row)[2];
    }
    st.FileNr = 1;
    st.FileName = path;

    // Both input windows are loaded before the announcement, so that each fills itself from the
    // file's values in its answer to it, whether it was open or not.
    WindowRegistry& windows = app.windows();
    windows.load<Form1>();
    windows.load<Form4>();
    windows.announce(ResultsEvent::ProjectReplaced);
    windows.show<Form1>();
    app.desktop().msgBox("The opened File is:  " + path, vbOKOnly, kOpenCaption);
}

void openProjectFile(Application& app) {
    Desktop& desktop = app.desktop();
    // Started without a name, so that Cancel ends the command whatever was chosen before.
    const std::optional<std::string> chosen =
        desktop.showOpen({"Open", "All Files (*.*)|*.*", 1, ""});
    if (!chosen || chosen->empty()) {
        return;
    }
    const std::string& path = *chosen;
    ParsedProject record;
    try {
        record = parseProjectFile(readTextFile(path));
    } catch (const FileError& error) {
        desktop.msgBox(error.what(), vbExclamation, kOpenCaption);
        return;
    } catch (const ProjectFileError& refusal) {
        desktop.msgBox("The file " + path + " cannot be read as a project file: line " +
                           std::to_string(refusal.line()) + ", " + refusal.what() +
                           ". Nothing was changed.",
                       vbExclamation, kOpenCaption);
        return;
    }
    applyProject(app, record, path);
}

} // namespace korvex
