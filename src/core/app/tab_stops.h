#pragma once

// The one tab-stop rule of the report's text, shared by the listing window and every printout, so
// that a table's columns stand under their headings wherever the report is read. The report's
// tables were laid out for the classic list box: a stop every eight average characters, a heading
// wider than that taking two stops. The average character is the one that list box measured, the
// mean width of the 52 letters; a font's own average counts many narrow signs and makes the stops
// too narrow for an eight-character number such as 1.50E-07. Measured on a printer, the stops
// scale with its resolution.
//
// A line alone cannot say where its columns stand: the printouts write some column heads with one
// tab where their values have two ("Hor.Flow\tVert.Flow" over "-0.347\t\t-1.20"), and a value
// wider than its column (" not reached") pushes the rest of its row one stop on. So the lines of a
// table are laid out together (layOutReportLines): each run of tabs begins the line's next column,
// and a column stands at the furthest stop any of its lines takes by the rule for a line alone.

#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace korvex {

inline constexpr int kCharactersPerTabStop = 8;
// A tab moves to the first stop at least this far after the text before it: text ending a hair
// short of a stop would otherwise run into the next column and read as one word with it.
inline constexpr double kColumnGapCharacters = 0.25;
// A wrapped line continues this many average characters in, so that its continuation reads as
// one and not as a line of its own.
inline constexpr int kContinuationIndentCharacters = 4;

// A piece of a report line and where it stands: on which row of the line (0 unless the line was
// wrapped) and how far from the line's left edge, in the units of the measure.
struct PlacedText {
    int row = 0;
    double x = 0;
    std::string text;

    bool operator==(const PlacedText&) const = default;
};

// The width of a UTF-8 text in the font in use.
using TextAdvance = std::function<double(std::string_view)>;

// Lays out one report line: each tab moves to the first stop past the text before it and the gap.
// The report counts a column as eight characters, so an entry of up to eight characters that
// stands at a stop keeps to it even where the font draws it wider (1.00E+00 with a broad plus),
// as long as it only runs into an empty column; text never runs into text. With a width above 0,
// text that would pass it continues on the next row at the continuation indent, broken after a
// blank where one fits and inside a word only when the word alone is wider than the row; nothing
// is dropped. Blanks at a break are left out.
std::vector<PlacedText> layOutTabbedLine(std::string_view line, const TextAdvance& advance,
                                         double width = 0);

// Lays out the lines of a report, one list of pieces a line. A table is a run of lines with tabs,
// together with the empty lines and the rules of underscores between them; its lines take their
// columns' stops, so that a heading stands over its values whatever tabs each line uses. A column
// stands at the furthest stop its lines take alone, and past the widest entry of the column before
// it and the gap. Lines without tabs and wrapping are laid out as by layOutTabbedLine.
std::vector<std::vector<PlacedText>>
layOutReportLines(std::span<const std::string> lines, const TextAdvance& advance, double width = 0);

} // namespace korvex
