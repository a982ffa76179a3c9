#include "observations/observation_file_reader.h"

#include "app/number_text.h"
#include "app/text_file.h"
#include "observations/measurement_table.h"
#include "state/module1.h"

#include <cmath>
#include <deque>
#include <optional>
#include <string_view>

namespace korvex {

namespace {

// Where the file keeps what is read back, by line number (1 is the first line).
constexpr int kTitleLine = 1;
constexpr int kPlateLine = 4, kProjectLine = 5, kBoreHoleLine = 6, kExtraCodeLine = 7;
constexpr int kFillThicknessLine = 11, kFillSettlementLine = 12, kPrimVertLine = 13,
              kPrimHorLine = 14;
constexpr int kFirstInstantRow = 17, kFirstGradualRow = 44;
constexpr int kCountLine = 64, kFirstReadingRow = 67;

// The file's lines, decoded only as far as they are read.
class Lines {
public:
    explicit Lines(std::string_view bytes) : source_(bytes) {}

    const std::string& at(int line) {
        while (static_cast<int>(read_.size()) < line) {
            std::optional<std::string> next = source_.next();
            if (!next) {
                throw ObservationFileRefusal(line, "the file ends before this line");
            }
            read_.push_back(std::move(*next));
        }
        return read_[static_cast<std::size_t>(line - 1)];
    }

    // The text after the label's colon, whole: a plate code or a project name may hold commas
    // and colons of its own.
    std::string_view afterLabel(int line, std::string_view label) {
        const std::string& text = at(line);
        if (text.compare(0, label.size(), label) != 0) {
            throw ObservationFileRefusal(line, "\"" + std::string(label) + "\" expected");
        }
        return std::string_view(text).substr(text.find(':') + 1);
    }

    Single labelledNumber(int line, std::string_view label) {
        const num::FieldNumber value = num::readFileNumber(afterLabel(line, label));
        if (value.kind == num::FieldNumber::Kind::TextAfterNumber) {
            throw ObservationFileRefusal(line, "text after the number");
        }
        if (!value.isNumber()) {
            throw ObservationFileRefusal(line, "no number after \"" + std::string(label) + "\"");
        }
        return num::toSingle(value.value);
    }

    // The numbers of a table row: fields apart by TABs and blanks, or by one comma among them.
    // Two commas in a row mean a lost value, which no row may read as 0.
    std::vector<Single> row(int line, std::size_t count, const char* what) {
        const std::string& text = at(line);
        const std::string refusal = std::to_string(count) + " numbers expected (" + what + ")";
        std::vector<Single> values;
        std::size_t i = 0;
        bool commaSeen = true; // the start of a line is no place for a comma either
        while (i < text.size()) {
            const char c = text[i];
            if (c == '\t' || c == ' ') {
                ++i;
                continue;
            }
            if (c == ',') {
                if (commaSeen) {
                    throw ObservationFileRefusal(line, refusal);
                }
                commaSeen = true;
                ++i;
                continue;
            }
            const std::size_t end = text.find_first_of("\t ,", i);
            const std::optional<Single> value = num::fileNumber(
                std::string_view(text).substr(i, end == std::string::npos ? end : end - i));
            if (!value || values.size() == count) {
                throw ObservationFileRefusal(line, refusal);
            }
            values.push_back(*value);
            commaSeen = false;
            i = end == std::string::npos ? text.size() : end;
        }
        if (values.size() != count || (commaSeen && !values.empty())) {
            throw ObservationFileRefusal(line, refusal);
        }
        return values;
    }

private:
    TextLines source_;
    // A deque, so that a line handed out stays where it is while later ones are read.
    std::deque<std::string> read_;
};

using Column = SingleArray<kObservedPredictionRows>;

// One prediction table: the times (checked against those of the table before it, when there is
// one) and its three series.
void readPredictions(Lines& file, int firstLine, Column& times, const Column* earlierTimes,
                     Column& hor, Column& vert, Column& horVert) {
    for (int row = 1; row <= kObservedPredictionRows; ++row) {
        const int line = firstLine + row - 1;
        const std::vector<Single> v =
            file.row(line, 4, "time and the settlements of three kinds of flow");
        const Single previous = row == 1 ? 0.0f : times(row - 1);
        if (!(v[0] > previous)) {
            throw ObservationFileRefusal(line, "the time must be above 0 and above the time of "
                                               "the row before");
        }
        if (earlierTimes != nullptr && v[0] != (*earlierTimes)(row)) {
            throw ObservationFileRefusal(line, "the time differs from that of the same row of "
                                               "the instantaneous load");
        }
        times(row) = v[0];
        hor(row) = v[1];
        vert(row) = v[2];
        horVert(row) = v[3];
    }
}

} // namespace

ObservationFileRecord readObservationFile(std::string_view bytes) {
    Lines file(bytes);
    ObservationFileRecord r;
    if (file.at(kTitleLine).find("SETTLEMENT OBSERVATIONDATA") == std::string::npos) {
        throw ObservationFileRefusal(kTitleLine, "this is no file of observation data");
    }
    r.PlateCode = file.afterLabel(kPlateLine, "Code settlement plate :");
    // The writer puts one blank after "Project:"; the name itself starts after it, or every save
    // of a file opened would add one.
    std::string_view project = file.afterLabel(kProjectLine, "Project:");
    if (!project.empty() && project.front() == ' ') {
        project.remove_prefix(1);
    }
    r.ProjectName = project;
    r.BoreHole = file.afterLabel(kBoreHoleLine, "Representative Borehole number:");
    r.ExtraCode = file.afterLabel(kExtraCodeLine, "Extra code:");

    PlatePredictions& p = r.Predictions;
    p.FillThickness = file.labelledNumber(kFillThicknessLine, "Calculated fillthickness [m] :");
    p.FillSettlement =
        file.labelledNumber(kFillSettlementLine, "Calculated settlement for fillthickness [m] :");
    p.SPrimVert =
        file.labelledNumber(kPrimVertLine, "Calculated primary settlement Vertical flow [m] :");
    p.SPrimHor =
        file.labelledNumber(kPrimHorLine, "Calculated primary settlement Horizontal flow [m] :");
    readPredictions(file, kFirstInstantRow, p.TPred, nullptr, p.SHorIL, p.SVertIL, p.SHorVertIL);
    Column gradualTimes;
    readPredictions(file, kFirstGradualRow, gradualTimes, &p.TPred, p.SHorGL, p.SVertGL,
                    p.SHorVertGL);

    const Single count = file.labelledNumber(kCountLine, "Number of settlementdata :");
    if (!(count >= 0.0f && count <= static_cast<Single>(kMeasurementRows)) ||
        std::trunc(count) != count) {
        throw ObservationFileRefusal(kCountLine, "the number of settlementdata must be a whole "
                                                 "number from 0 to 100");
    }
    const int n = static_cast<int>(count);
    for (int i = 0; i < n; ++i) {
        const std::vector<Single> v =
            file.row(kFirstReadingRow + i, 2, "the time and the settlement of a reading");
        r.TObs.push_back(v[0]);
        r.SObs.push_back(v[1]);
    }
    // The window counts the readings up to the last settlement that is not 0: a last reading of 0
    // would be on show but left out of every analysis, and dropped by the next save.
    if (n > 0 && r.SObs.back() == 0.0f) {
        throw ObservationFileRefusal(kFirstReadingRow + n - 1,
                                     "the settlement of the last reading is 0, which the window "
                                     "does not count as a reading");
    }
    return r;
}

void applyObservationFile(const ObservationFileRecord& r, Module1& st) {
    st.PlateCode = r.PlateCode;
    st.ProjectName = r.ProjectName;
    st.BoreHole = r.BoreHole;
    st.ExtraCode = r.ExtraCode;
    st.Predictions = r.Predictions;
    const auto n = static_cast<int>(r.TObs.size());
    for (int i = 1; i <= kMeasurementRows; ++i) {
        st.TObs(i) = i <= n ? r.TObs[static_cast<std::size_t>(i - 1)] : 0.0f;
        st.SObs(i) = i <= n ? r.SObs[static_cast<std::size_t>(i - 1)] : 0.0f;
    }
    st.NObs = static_cast<Single>(n);
    clearAnalysisResults(st);
    st.FileNr = 2;
}

} // namespace korvex
