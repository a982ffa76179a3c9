#include "observations/measurement_table.h"

#include "app/input_reading.h"
#include "app/number_text.h"
#include "observations/form13_observations.h"
#include "state/observation_state.h"

namespace korvex {

namespace {

const char* const kHeadings[] = {"Number (-)", "Time(days)", "Settlement(m)"};

enum class BadCell { Refuse, ReadAsEmpty };

Measurements readTable(const Grid& table, BadCell bad) {
    Measurements readings;
    for (int col : {kTimeColumn, kSettlementColumn}) {
        SingleArray<100>& values = col == kTimeColumn ? readings.times : readings.settlements;
        for (int i = 1; i <= kMeasurementRows; ++i) {
            try {
                values(i) =
                    num::toSingle(readCell(table.TextMatrix(i, col),
                                           {Form13::kName, "Fg12", i, col}, kHeadings[col], "row"));
            } catch (const InputRefusal&) {
                if (bad == BadCell::Refuse) {
                    throw;
                }
                values(i) = 0.0f;
            }
        }
    }
    readings.count = observationCount(readings.settlements);
    return readings;
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

Measurements readMeasurements(const Grid& table) {
    return readTable(table, BadCell::Refuse);
}

Measurements readMeasurementsQuietly(const Grid& table) {
    return readTable(table, BadCell::ReadAsEmpty);
}

std::string readingCellName(int row, int col) {
    return "row " + std::to_string(row) + ", column \"" + kHeadings[col] + "\"";
}

void refuseSettlementsTheFileLoses(const Measurements& readings) {
    for (int i = 1; i <= readings.count; ++i) {
        const Single settlement = readings.settlements(i);
        std::string written;
        num::appendPatternText(written, settlement, kReadingSettlementPattern);
        if (settlement != 0.0f && num::fileNumber(written) == 0.0f) {
            refuse("The observation file writes a settlement to four decimals: " +
                       num::boxText(settlement) + " in " + readingCellName(i, kSettlementColumn) +
                       " would be written as 0 and not read back; correct the input.",
                   {Form13::kName, "Fg12", i, kSettlementColumn});
        }
    }
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

void clearAnalysisResults(ObservationState& st) {
    st.DtAsaoka = 0.0f;
    st.SumX = st.SumX2 = st.SumXY = st.SumY = st.SumY2 = 0.0f;
    st.Beta1 = st.Beta0 = st.Correlation = st.SFinal = st.CvOverall = st.ChOverall = 0.0f;
    st.SAsaokaFit.fill(0.0f);
    st.TSRatio.fill(0.0f);
    st.DsDt.fill(0.0f);
    st.DsDlogt.fill(0.0f);
}

std::vector<Single> observedRows(const SingleArray<100>& values, int count) {
    std::vector<Single> rows;
    for (int i = 1; i <= count; ++i) {
        rows.push_back(values(i));
    }
    return rows;
}

} // namespace korvex
