#pragma once

// The words report lines are written in, and the writer a section builder writes them to.
//
// A line is its pieces joined with nothing between them: literal text, `tab`, `tabs(n)`,
// `plain(x)` (the signed number text, " .5", "-12") and `pattern(x, "##0.000")`. A number is
// written by the number module straight into the line being built, with the type of the variable
// it comes from, so keep Single variables Single; a pattern is a literal, read when the program is
// compiled (a table of patterns holds num::NumberPattern). A builder takes the writer, whose output
// says which of the report's outputs is being made; per-output differences go in a small table of
// rows that start with the output, picked with forOutput:
//
//     struct Differences { Output output; bool emptyFirstLine; const char* unitText; };
//     constexpr Differences kDifferences[] = {{Output::Listing, true, "[m/day]"}, ...};
//
//     void writeSection(ReportWriter& out, const ObservationState& st) {
//         const Differences& v = forOutput(kDifferences, out.output());
//         out.line("Final settlement [m] :", plain(st.SFinal));
//         out.line("days", tab, tab, v.unitText);
//         for (int i = 1; i <= wholeRows(st.NObs); ++i) {
//             out.row(&ReportLines::LinesObserved, i, plain(st.TObs(i)), tabs(2),
//                     pattern(st.SObs(i), "##0.0000"));
//         }
//         out.empty();
//     }
//
// The finished lines go to their destination through report/report_sinks.h.

#include "app/number_text.h"
#include "app/vb_types.h"
#include "state/report_lines_state.h"

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// The words are short (line, tab, plain), so they live in a namespace of their own.
namespace korvex::report {

// Every output the report text is made for. The observation file and the observation window's
// printout are written from the observation report as well.
enum class Output {
    Listing,
    ListingPrintout,
    SavedListing,
    MainMenuPrintout,
    ProjectFile,
    ObservationFile,
    ObservationPrintout,
};

inline constexpr std::string_view tab = "\t";

// A piece that writes itself at the end of the line being built: a number, tabs. Any other piece
// is text.
template <typename Piece>
concept WrittenPiece = requires(const Piece& piece, std::string& text) {
    piece.appendTo(text);
};

template <typename Piece> void appendPiece(std::string& text, const Piece& piece) {
    if constexpr (WrittenPiece<Piece>) {
        piece.appendTo(text);
    } else {
        text.append(std::string_view(piece));
    }
}

// `count` tab characters.
struct Tabs {
    int count;
    void appendTo(std::string& text) const {
        text.append(static_cast<std::size_t>(count < 0 ? 0 : count), '\t');
    }
};
inline Tabs tabs(int count) {
    return {count};
}

// The plain number text: a leading blank unless negative, no zero before the point.
template <typename Number> struct Plain {
    Number value;
    void appendTo(std::string& text) const { num::appendSignedText(text, value); }
};
inline Plain<Single> plain(Single value) {
    return {value};
}
inline Plain<double> plain(double value) {
    return {value};
}
inline Plain<long long> plain(long long value) {
    return {value};
}
inline Plain<long long> plain(int value) {
    return {value};
}
inline Plain<long long> plain(Integer value) {
    return {value};
}
inline Plain<Variant> plain(const Variant& value) {
    return {value};
}

// The value by a format pattern ("##0.000", "#0.00", "##0.00#", "scientific"), read when the
// program is compiled.
template <typename Number> struct Patterned {
    Number value;
    num::NumberPattern pattern;
    void appendTo(std::string& text) const { num::appendPatternText(text, value, pattern); }
};
inline Patterned<Single> pattern(Single value, num::NumberPattern formatPattern) {
    return {value, formatPattern};
}
inline Patterned<double> pattern(double value, num::NumberPattern formatPattern) {
    return {value, formatPattern};
}

// A whole line of underscores.
inline std::string rule(int underscores) {
    return std::string(static_cast<std::size_t>(underscores < 0 ? 0 : underscores), '_');
}

// The pieces joined, each written where it stands. A piece must be text or say how it is written:
// a bare number does not compile.
template <typename... Pieces> void appendLine(std::string& text, const Pieces&... pieces) {
    (appendPiece(text, pieces), ...);
}
template <typename... Pieces> std::string line(const Pieces&... pieces) {
    std::string text;
    appendLine(text, pieces...);
    return text;
}

// The rows 1 to count of a table whose count is held as a Single (NObs): the last whole row not
// above it. A count that is not a number or below 1 gives no rows.
int wholeRows(Single count);

// The row of a table of per-output differences whose `output` member is this output. A table
// without a row for the output is a mistake of the builder, not of the user's data.
template <typename Table> const auto& forOutput(const Table& table, Output output) {
    for (const auto& row : table) {
        if (row.output == output) {
            return row;
        }
    }
    throw std::logic_error("A report section has no variant for this output");
}

// Collects the lines of one output run, in order. Rows kept in a line buffer of the shared state
// are assigned to their element and emitted from it, so the buffers hold the last report's rows.
// The whole text is built before any of it reaches its destination: a row beyond its buffer (a
// count above the data model) throws before anything is printed, saved or listed.
class ReportWriter {
public:
    ReportWriter(Output output, ReportLines& buffers) : output_(output), buffers_(buffers) {}

    Output output() const { return output_; }

    // The line is built in one buffer kept for the whole report, so that it is allocated once
    // at its final length.
    template <typename... Pieces> void line(const Pieces&... pieces) {
        lineBuffer_.clear();
        appendLine(lineBuffer_, pieces...);
        lines_.emplace_back(lineBuffer_);
    }
    void empty() { lines_.emplace_back(); }
    void rule(int underscores) { lines_.push_back(report::rule(underscores)); }

    // A line kept in element i of a buffer, then emitted from there.
    template <std::size_t UBound, typename... Pieces>
    void row(StringArray<UBound> ReportLines::*buffer, std::ptrdiff_t i, const Pieces&... pieces) {
        lines_.push_back(keep(buffer, i, pieces...));
    }

    // A text kept in element i of a buffer without emitting it: a row built before the lines
    // that stand above it, or a piece of a line the buffer holds on its own.
    template <std::size_t UBound, typename... Pieces>
    const std::string& keep(StringArray<UBound> ReportLines::*buffer, std::ptrdiff_t i,
                            const Pieces&... pieces) {
        std::string& element = (buffers_.*buffer)(i);
        lineBuffer_.clear();
        appendLine(lineBuffer_, pieces...);
        element.assign(lineBuffer_);
        return element;
    }

    const std::vector<std::string>& lines() const { return lines_; }
    std::vector<std::string> take() { return std::exchange(lines_, {}); }

private:
    Output output_;
    ReportLines& buffers_;
    std::vector<std::string> lines_;
    std::string lineBuffer_;
};

} // namespace korvex::report
