#include "project/project_file_reader.h"

#include "app/application.h"
#include "app/number_text.h"
#include "app/open_from_file.h"
#include "app/text_file.h"
#include "app/window_registry.h"
#include "consolidation/form4_consolidation_input.h"
#include "report/settlement_report_labels.h"
#include "settlement/form1_settlement_input.h"
#include "state/module1.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstddef>
#include <optional>
#include <span>
#include <string_view>

namespace korvex {

namespace {

// A number too large for the Single it is read into ("1e39").
constexpr const char* kOutOfRange = "the number is out of range";

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

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && isBlankOrTab(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && isBlankOrTab(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

// A person editing the file may retype a label in other capitals or with other blanks around it;
// any other change is another label.
bool sameLabel(std::string_view inFile, std::string_view label) {
    inFile = trimmed(inFile);
    return inFile.size() == label.size() &&
           std::equal(inFile.begin(), inFile.end(), label.begin(), [](char a, char b) {
               return std::tolower(static_cast<unsigned char>(a)) ==
                      std::tolower(static_cast<unsigned char>(b));
           });
}

// A Single field of the record, the shared variable it restores and the label its line carries:
// that of the project file and the saved listing, and where the listing on screen and the
// printouts write another, that one too.
struct Field {
    Single ParsedProject::*field;
    Single Module1::*variable;
    std::string_view label;
    std::string_view listingLabel = {};
};

// In the order the file holds them, each group between passed-over items.
constexpr Field kSiteFields[] = {
    {&ParsedProject::SurfaceLevel, &Module1::SurfaceLevel, report::kSurfaceLevelLabel},
    {&ParsedProject::SurfaceLevelRequired, &Module1::SurfaceLevelRequired,
     report::kSurfaceLevelRequiredLabel},
    {&ParsedProject::Watertable, &Module1::Watertable, report::kWatertableLabel},
    {&ParsedProject::NewWatertable, &Module1::NewWatertable, report::kNewWatertableLabel},
    {&ParsedProject::SettlementTime, &Module1::SettlementTime, report::kSettlementTimeLabel},
};
constexpr Field kSoilMassFields[] = {
    {&ParsedProject::SoilmassFill, &Module1::SoilmassFill, report::kSoilmassFillLabel},
    {&ParsedProject::SoilmassFillSat, &Module1::SoilmassFillSat, report::kSoilmassFillSatLabel},
    {&ParsedProject::SoilmassAvg, &Module1::SoilmassAvg, report::kSoilmassAvgLabel},
    {&ParsedProject::SoilmassAvgSat, &Module1::SoilmassAvgSat, report::kSoilmassAvgSatLabel},
};
constexpr Field kFillFields[] = {
    {&ParsedProject::FillIncrement, &Module1::FillIncrement, report::kFillIncrementLabel},
    {&ParsedProject::NFillLayers, &Module1::NFillLayers, report::kNFillLayersLabel},
};
constexpr Field kDrainFields[] = {
    {&ParsedProject::DegreeCons, &Module1::DegreeCons, report::kDegreeConsLabel},
    {&ParsedProject::ConsolidationPeriod, &Module1::ConsolidationPeriod,
     report::kConsolidationPeriodLabel},
    {&ParsedProject::DrainDiameter, &Module1::DrainDiameter, report::kDrainDiameterLabel},
    {&ParsedProject::RestSettlement, &Module1::RestSettlement, report::kRestSettlementLabel},
    {&ParsedProject::ConstructionTime, &Module1::ConstructionTime, report::kConstructionTimeLabel},
    {&ParsedProject::DrainArea, &Module1::DrainArea, report::kDrainAreaLabel},
};
constexpr Field kSoilThicknessFields[] = {
    {&ParsedProject::SoilThickness, &Module1::SoilThickness, report::kSoilThicknessLabel},
};
constexpr Field kCoefficientFields[] = {
    {&ParsedProject::CvAvg, &Module1::CvAvg, report::kCvAvgLabel, report::kCvAvgUnitlessLabel},
    {&ParsedProject::ChAvg, &Module1::ChAvg, report::kChAvgLabel, report::kChAvgUnitlessLabel},
    {&ParsedProject::TimeFactor, &Module1::TimeFactor, report::kTimeFactorLabel},
};
constexpr Field kFillResultFields[] = {
    {&ParsedProject::FillThickness, &Module1::FillThickness, report::kFillThicknessLabel},
    {&ParsedProject::FillSettlement, &Module1::FillSettlement, report::kFillSettlementLabel},
};
constexpr Field kLogTimeFields[] = {
    {&ParsedProject::S10Cons, &Module1::S10Cons, report::kS10ConsLabel},
    {&ParsedProject::S10000Cons, &Module1::S10000Cons, report::kS10000ConsLabel},
};
constexpr std::span<const Field> kAllFields[] = {
    kSiteFields,          kSoilMassFields,    kFillFields,       kDrainFields,
    kSoilThicknessFields, kCoefficientFields, kFillResultFields, kLogTimeFields,
};
constexpr Field kLayerCountField{nullptr, nullptr, report::kNLayersLabel};

// The titles of the sections read, by number.
constexpr std::string_view kSectionTitles[] = {
    report::kSection1Title,
    report::kSection2Title,
    report::kSection3Title,
    report::kSection4Title,
};

// The columns of section 1's layer table for each method, under the heading the file holds.
struct LayerColumns {
    std::string_view fileHeading;
    std::array<SingleArray<21> Module1::*, 8> arrays;
};
const LayerColumns kBjerrumColumns{report::kBjerrumLayerHeading,
                                   {&Module1::LDepth, &Module1::Soilwet, &Module1::Cr, &Module1::e0,
                                    &Module1::Cc, &Module1::ec, &Module1::Sigmac,
                                    &Module1::Calpha}};
const LayerColumns kKoppejanColumns{report::kKoppejanLayerHeading,
                                    {&Module1::LDepth, &Module1::Soilwet, &Module1::InvCp,
                                     &Module1::InvCs, &Module1::InvCp2, &Module1::InvCs2,
                                     &Module1::Sigmac, &Module1::CKoppejan}};

const LayerColumns& columnsOf(Integer method) {
    return method == 1 ? kBjerrumColumns : kKoppejanColumns;
}

// The items from line 7 on, in file order, with the checks every place makes. A line is split only
// when its first item is read, so a file costs no more than the part of it that is read.
class ItemReader {
public:
    explicit ItemReader(TextLines& lines) : lines_(lines) {}

    // A number item runs as far as its number and takes the blanks and one comma after it; any
    // other item runs to the next comma or the line end.
    Item next() {
        if (!inLine_) {
            std::optional<std::string> line = lines_.next();
            if (!line) {
                throw ProjectFileError(lines_.count() + 1, "the file ends before this line");
            }
            text_ = std::move(*line);
            pos_ = 0;
            inLine_ = true;
        }
        Item item{{}, false, lines_.count(), pos_ == 0, false};
        while (pos_ < text_.size() && isBlankOrTab(text_[pos_])) {
            ++pos_;
        }
        itemStart_ = pos_;
        const std::size_t end = numberEnd(text_, pos_);
        if (end > pos_) {
            item.text = text_.substr(pos_, end - pos_);
            item.number = true;
            pos_ = end;
            while (pos_ < text_.size() && isBlankOrTab(text_[pos_])) {
                ++pos_;
            }
            if (pos_ < text_.size() && text_[pos_] == ',') {
                ++pos_;
            } else if (pos_ == text_.size()) {
                item.lastOnLine = true;
            }
        } else {
            const std::size_t comma = text_.find(',', pos_);
            item.lastOnLine = comma == std::string::npos;
            item.text = text_.substr(pos_, item.lastOnLine ? std::string::npos : comma - pos_);
            pos_ = item.lastOnLine ? text_.size() : comma + 1;
        }
        inLine_ = !item.lastOnLine;
        return item;
    }

    void skip(int count) {
        for (int i = 0; i < count; ++i) {
            next();
        }
    }

    // A section's title: its number with a point, then its text.
    void sectionTitle(int number) {
        const Item item = next();
        const std::string_view title = kSectionTitles[number - 1];
        if (!item.number || item.text != std::to_string(number) + "." || item.lastOnLine ||
            !sameLabel(next().text, title) || inLine_) {
            throw ProjectFileError(item.line,
                                   "the title of section " + std::to_string(number) + " expected");
        }
    }

    // A whole line of the field's label, its colon and one number. The number is read from the
    // rest of the line, so that what follows it is named as text after the number.
    Single labelled(const Field& field) {
        const Item item = next();
        const std::string_view line = std::string_view(text_).substr(itemStart_);
        const std::size_t colon = line.find(':');
        const std::string_view label = line.substr(0, colon == line.npos ? line.npos : colon + 1);
        if (item.number || !item.firstOnLine ||
            !(sameLabel(label, field.label) ||
              (!field.listingLabel.empty() && sameLabel(label, field.listingLabel)))) {
            throw ProjectFileError(item.line, "\"" + std::string(field.label) + "\" expected");
        }
        const num::FieldNumber value = num::readFileNumber(line.substr(label.size()));
        inLine_ = false;
        if (value.kind == num::FieldNumber::Kind::TextAfterNumber) {
            throw ProjectFileError(item.line, "text after the number");
        }
        if (value.kind == num::FieldNumber::Kind::OutOfRange) {
            throw ProjectFileError(item.line, kOutOfRange);
        }
        if (!value.isNumber()) {
            throw ProjectFileError(item.line, "no number after the colon");
        }
        return num::toSingle(value.value);
    }

    void labelled(ParsedProject& record, std::span<const Field> fields) {
        for (const Field& f : fields) {
            record.*f.field = labelled(f);
        }
    }

    // A row of a table: exactly `count` numbers, one line.
    template <std::size_t count> std::array<Single, count> row(const std::string& what) {
        std::array<Single, count> values{};
        int line = 0;
        for (std::size_t k = 0; k < count; ++k) {
            const Item item = next();
            line = k == 0 ? item.line : line;
            const num::FieldNumber read =
                item.number ? num::readFileNumber(item.text)
                            : num::FieldNumber{num::FieldNumber::Kind::NoNumber, 0.0};
            if (read.kind == num::FieldNumber::Kind::OutOfRange && item.line == line) {
                throw ProjectFileError(line, std::string(kOutOfRange) + " (" + what + ")");
            }
            const std::optional<Single> value =
                read.isNumber() ? std::optional<Single>(num::toSingle(read.value)) : std::nullopt;
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
        const Item item = next();
        if (!item.number) {
            if (item.text.starts_with(report::kBjerrumMethodLabel)) {
                return 1;
            }
            if (item.text.starts_with(report::kKoppejanMethodLabel)) {
                return 2;
            }
        }
        throw ProjectFileError(item.line, "no method line (\"Method Terzaghi-Bjerrum\" or "
                                          "\"Method Terzaghi-Koppejan\")");
    }

    void layerHeading(Integer method) {
        const Item item = next();
        if (item.number || item.text != columnsOf(method).fileHeading) {
            throw ProjectFileError(
                item.line, "the heading of the layer table of the method "
                           "Terzaghi-" +
                               std::string(method == 1 ? "Bjerrum" : "Koppejan") + " expected");
        }
    }

    // The line the next item stands on, whether or not the file still has it.
    int lineOfNext() const { return lines_.count() + (inLine_ ? 0 : 1); }

private:
    TextLines& lines_;
    std::string text_;
    std::size_t pos_ = 0;
    std::size_t itemStart_ = 0;
    bool inLine_ = false;
};

// The text of a whole line after its label's colon.
std::string afterLabel(TextLines& lines, std::string_view label) {
    std::optional<std::string> text = lines.next();
    if (!text) {
        throw ProjectFileError(lines.count() + 1, "the file ends before this line");
    }
    if (text->compare(0, label.size(), label) != 0) {
        throw ProjectFileError(lines.count(), "\"" + std::string(label) + "\" expected");
    }
    return text->substr(label.size());
}

} // namespace

ParsedProject parseProjectFile(std::string_view bytes) {
    ParsedProject r;
    TextLines lines(bytes);
    afterLabel(lines, report::kProgramLabel);
    // Lines 2 and 3 may hold anything, but they must be there.
    for (int line = 2; line <= 3; ++line) {
        if (!lines.next()) {
            throw ProjectFileError(line, "the file ends before this line");
        }
    }
    // The writer puts one blank after "Project:"; the name starts after it, or every save of an
    // opened file would add one.
    r.ProjectName = afterLabel(lines, report::kProjectLabel);
    if (!r.ProjectName.empty() && r.ProjectName.front() == ' ') {
        r.ProjectName.erase(0, 1);
    }
    r.BoreHole = afterLabel(lines, report::kBoreHoleLabel);
    r.ExtraCode = afterLabel(lines, report::kExtraCodeLabel);

    ItemReader file(lines);
    file.skip(2);
    file.sectionTitle(1);
    r.Method = file.method();
    file.skip(1);
    file.labelled(r, kSiteFields);
    file.skip(1);
    file.labelled(r, kSoilMassFields);
    file.skip(1);
    file.labelled(r, kFillFields);
    const int countLine = file.lineOfNext();
    const Single count = file.labelled(kLayerCountField);
    if (!(count >= 0.0f && count <= static_cast<Single>(kProjectMaxLayers)) ||
        std::trunc(count) != count) {
        throw ProjectFileError(countLine, "the number of layers must be a whole number from 0 to " +
                                              std::to_string(kProjectMaxLayers));
    }
    r.NLayers = static_cast<Integer>(count);
    file.skip(1);
    file.layerHeading(r.Method);
    file.skip(2);
    r.layers.reserve(static_cast<std::size_t>(r.NLayers));
    r.consolidationLayers.reserve(static_cast<std::size_t>(r.NLayers));
    for (int i = 1; i <= r.NLayers; ++i) {
        r.layers.push_back(file.row<8>("layer " + std::to_string(i) + " of section 1"));
    }

    file.skip(1);
    file.sectionTitle(2);
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
    file.sectionTitle(3);
    // The notes, an empty line, the three repeated site lines and an empty line.
    file.skip(10);
    file.labelled(r, kFillResultFields);
    file.skip(2);
    file.sectionTitle(4);
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
    // The results the file brings belong to its method: choosing the other one discards them.
    st.SettlementMethod = r.Method;
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
    showOpenedFile(app.desktop(), path);
}

void openProjectFile(Application& app) {
    ParsedProject record;
    // Started without a name, so that Cancel ends the command whatever was chosen before.
    openChosenFile(
        app.desktop(), {"Open", "All Files (*.*)|*.*", 1, ""}, kOpenFileCaption, "a project file",
        {}, [&record](std::string_view bytes) { record = parseProjectFile(bytes); },
        [&](const std::string& path) { applyProject(app, record, path); });
}

} // namespace korvex
