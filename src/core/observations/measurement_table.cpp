#include "observations/measurement_table.h"

#include "app/number_text.h"
#include "observations/observation_state.h"

namespace korvex {

namespace {

const char* const kHeadings[] = {"Number (-)", "Time(days)", "Settlement(m)"};

// TODO(seams): refuse through the shared cell reading and its refusal type once it has landed.
std::string cellRefusal(int row, int col, const std::string& text, num::FieldNumber::Kind kind) {
    const std::string where = "Measurements, row " + std::to_string(row) + ", \"" + kHeadings[col] +
                              "\": \"" + text + "\"";
    if (kind == num::FieldNumber::Kind::TextAfterNumber) {
        return where + " has text after its number (the decimal symbol is a point); correct the "
                       "input.";
    }
    if (kind == num::FieldNumber::Kind::OutOfRange) {
        return where + " is too large a number; correct the input.";
    }
    return where + " is no number; correct the input.";
}

} // namespace

int observationCount(const SingleArray<100>& settlements) {
    for (int i = kMeasurementRows; i >= 1; --i) {
        if (settlements(i) != 0.0f) {
            return i;
        }
    }
    return 0;
}

std::variant<Measurements, std::string> readMeasurements(const Grid& table) {
    Measurements readings;
    for (int col : {kTimeColumn, kSettlementColumn}) {
        SingleArray<100>& values = col == kTimeColumn ? readings.times : readings.settlements;
        for (int i = 1; i <= kMeasurementRows; ++i) {
            const std::string& text = table.TextMatrix(i, col);
            const num::FieldNumber cell = num::readFieldNumber(text);
            if (cell.isNumber()) {
                values(i) = num::toSingle(cell.value);
            } else if (cell.kind != num::FieldNumber::Kind::Empty) {
                return cellRefusal(i, col, text, cell.kind);
            }
        }
    }
    readings.count = observationCount(readings.settlements);
    return readings;
}

Measurements readMeasurementsQuietly(const Grid& table) {
    Measurements readings;
    for (int i = 1; i <= kMeasurementRows; ++i) {
        const num::FieldNumber time = num::readFieldNumber(table.TextMatrix(i, kTimeColumn));
        const num::FieldNumber settlement =
            num::readFieldNumber(table.TextMatrix(i, kSettlementColumn));
        readings.times(i) = time.isNumber() ? num::toSingle(time.value) : 0.0f;
        readings.settlements(i) = settlement.isNumber() ? num::toSingle(settlement.value) : 0.0f;
    }
    readings.count = observationCount(readings.settlements);
    return readings;
}

void storeMeasurements(ObservationState& st, Grid& table, const Measurements& readings) {
    table.setTextMatrix(0, kTimeColumn, kHeadings[kTimeColumn]);
    table.setTextMatrix(0, kSettlementColumn, kHeadings[kSettlementColumn]);
    for (int i = 1; i <= kMeasurementRows; ++i) {
        st.TObs(i) = readings.times(i);
        st.SObs(i) = readings.settlements(i);
    }
    st.NObs = static_cast<Single>(readings.count);
}

std::vector<Single> observedRows(const SingleArray<100>& values, int count) {
    std::vector<Single> rows;
    for (int i = 1; i <= count; ++i) {
        rows.push_back(values(i));
    }
    return rows;
}

} // namespace korvex
