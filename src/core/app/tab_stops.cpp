#include "app/tab_stops.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace korvex {

namespace {

bool startsCharacter(char byte) {
    return (static_cast<unsigned char>(byte) & 0xC0U) != 0x80U;
}

std::string_view withoutTrailingBlanks(std::string_view text) {
    const std::size_t end = text.find_last_not_of(' ');
    return end == std::string_view::npos ? std::string_view{} : text.substr(0, end + 1);
}

// The bytes of the longest start of the text that ends before a blank and fits in the room; 0 when
// even the first word does not fit.
std::size_t fitAtBlank(std::string_view text, double room, const TextAdvance& advance) {
    std::size_t fit = 0;
    for (std::size_t blank = text.find(' '); blank != std::string_view::npos;
         blank = text.find(' ', blank + 1)) {
        const std::string_view head = withoutTrailingBlanks(text.substr(0, blank));
        if (head.empty()) {
            continue;
        }
        if (advance(head) > room) {
            break;
        }
        fit = blank;
    }
    return fit;
}

// The bytes of the longest start that fits in the room, at least one whole character, so that a
// row too narrow for a single character still moves on.
std::size_t fitAtCharacter(std::string_view text, double room, const TextAdvance& advance) {
    std::size_t fit = 0;
    for (std::size_t end = 1; end <= text.size(); ++end) {
        if (end < text.size() && !startsCharacter(text[end])) {
            continue;
        }
        if (fit > 0 && advance(text.substr(0, end)) > room) {
            break;
        }
        fit = end;
    }
    return fit;
}

// The stops, the gap and the indent of a font, in its own units.
struct StopMetrics {
    double stop;
    double gap;
    double indent;

    explicit StopMetrics(const TextAdvance& advance) {
        const std::string_view letters = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
        const double averageCharWidth = advance(letters) / static_cast<double>(letters.size());
        stop = kCharactersPerTabStop * averageCharWidth;
        gap = kColumnGapCharacters * averageCharWidth;
        indent = kContinuationIndentCharacters * averageCharWidth;
    }

    // The first stop past x and the gap after it.
    double stopAfter(double x) const { return (std::floor((x + gap) / stop) + 1) * stop; }
};

// A piece placed whole on the first row, with the column it begins (the count of tab runs before
// it) and where its drawn text ends.
struct ColumnEntry {
    std::size_t column;
    double x;
    double end;
};

// Lays out one line. Without columns each tab moves on by itself; with them a run of tabs moves to
// the stop of the column it begins, or past the text before it where that reaches further. The
// entries, where asked for, are the pieces that stand whole on the first row.
std::vector<PlacedText> layOutLine(std::string_view line, const TextAdvance& advance,
                                   const StopMetrics& m, double width,
                                   std::span<const double> columns,
                                   std::vector<ColumnEntry>* entries = nullptr) {
    const double stop = m.stop;
    const bool wraps = width > 0;
    std::vector<PlacedText> placed;
    int row = 0;
    double x = 0;
    // Where the drawn text of the row ends, which can lie past x after an entry kept to its stop.
    double inkEnd = 0;
    bool rowHasText = false;
    bool startsAtStop = true;
    const auto nextRow = [&] {
        ++row;
        x = m.indent;
        inkEnd = m.indent;
        rowHasText = false;
        startsAtStop = false;
    };
    // The stop the last entry stands at whole, or below 0 when it was broken or wrapped.
    double columnStart = 0;
    std::size_t columnCharacters = 0;
    std::size_t column = 0;
    bool tabBeginsColumn = true;

    std::size_t start = 0;
    for (bool first = true;; first = false) {
        const std::size_t tab = line.find('\t', start);
        std::string_view piece = line.substr(
            start, tab == std::string_view::npos ? std::string_view::npos : tab - start);
        // An empty piece between two tabs lies inside a run of tabs; a run begins a column.
        if (!first && tabBeginsColumn) {
            ++column;
        }
        tabBeginsColumn = first || !piece.empty();
        if (!first && stop > 0) {
            if (!columns.empty()) {
                if (!piece.empty()) {
                    const double columnStop = column < columns.size() ? columns[column] : 0;
                    x = std::max(columnStop, rowHasText ? m.stopAfter(std::max(x, inkEnd)) : x);
                }
            } else {
                const bool keepsToItsStop =
                    columnStart >= 0 && columnCharacters <= kCharactersPerTabStop && piece.empty();
                x = keepsToItsStop ? columnStart + stop : m.stopAfter(std::max(x, inkEnd));
            }
            startsAtStop = true;
            if (wraps && x >= width) {
                nextRow();
            }
        }
        columnStart = startsAtStop ? x : -1;
        columnCharacters = static_cast<std::size_t>(std::count_if(
            piece.begin(), piece.end(), [](char byte) { return startsCharacter(byte); }));
        while (!piece.empty()) {
            const double pieceWidth = advance(piece);
            if (!wraps || x + pieceWidth <= width) {
                if (entries != nullptr && row == 0) {
                    entries->push_back({column, x, x + pieceWidth});
                }
                placed.push_back({row, x, std::string(piece)});
                x += pieceWidth;
                inkEnd = std::max(inkEnd, x);
                rowHasText = true;
                break;
            }
            columnStart = -1;
            std::size_t fit = fitAtBlank(piece, width - x, advance);
            if (fit == 0 && rowHasText) {
                nextRow();
                continue;
            }
            if (fit == 0) {
                fit = fitAtCharacter(piece, width - x, advance);
            }
            const std::string_view head = withoutTrailingBlanks(piece.substr(0, fit));
            placed.push_back({row, x, std::string(head)});
            piece.remove_prefix(fit);
            const std::size_t rest = piece.find_first_not_of(' ');
            piece.remove_prefix(rest == std::string_view::npos ? piece.size() : rest);
            if (piece.empty()) {
                // Only blanks were left over: they are not worth a row of their own.
                x += advance(head);
                inkEnd = std::max(inkEnd, x);
                rowHasText = true;
            } else {
                nextRow();
            }
        }
        if (tab == std::string_view::npos) {
            return placed;
        }
        start = tab + 1;
    }
}

bool hasTab(std::string_view line) {
    return line.find('\t') != std::string_view::npos;
}

// An empty line or a rule of underscores, which stands inside a table without ending it.
bool separatesRows(std::string_view line) {
    return line.find_first_not_of('_') == std::string_view::npos;
}

// The stop of each column of the table's lines: the furthest its lines take alone, and past the
// widest entry before it.
std::vector<double> tableColumns(std::span<const std::string> table, const TextAdvance& advance,
                                 const StopMetrics& m) {
    if (!(m.stop > 0)) {
        return {};
    }
    std::vector<std::vector<ColumnEntry>> lines(table.size());
    std::vector<double> columns;
    for (std::size_t i = 0; i < table.size(); ++i) {
        layOutLine(table[i], advance, m, 0, {}, &lines[i]);
        for (const ColumnEntry& entry : lines[i]) {
            if (entry.column >= columns.size()) {
                columns.resize(entry.column + 1, 0);
            }
            columns[entry.column] = std::max(columns[entry.column], entry.x);
        }
    }
    // Moving a column on can bring its entries up against the next one's.
    for (std::size_t column = 1; column < columns.size(); ++column) {
        for (const std::vector<ColumnEntry>& entries : lines) {
            for (std::size_t k = 1; k < entries.size(); ++k) {
                if (entries[k].column == column && entries[k - 1].column + 1 == column) {
                    const double end = columns[column - 1] + entries[k - 1].end - entries[k - 1].x;
                    columns[column] = std::max(columns[column], m.stopAfter(end));
                }
            }
        }
    }
    return columns;
}

} // namespace

std::vector<PlacedText> layOutTabbedLine(std::string_view line, const TextAdvance& advance,
                                         double width) {
    return layOutLine(line, advance, StopMetrics(advance), width, {});
}

std::vector<std::vector<PlacedText>> layOutReportLines(std::span<const std::string> lines,
                                                       const TextAdvance& advance, double width) {
    const StopMetrics m(advance);
    std::vector<std::vector<PlacedText>> placed;
    placed.reserve(lines.size());
    for (std::size_t first = 0; first < lines.size();) {
        if (!hasTab(lines[first])) {
            placed.push_back(layOutLine(lines[first], advance, m, width, {}));
            ++first;
            continue;
        }
        std::size_t end = first + 1;
        for (std::size_t next = end; next < lines.size(); ++next) {
            if (hasTab(lines[next])) {
                end = next + 1;
            } else if (!separatesRows(lines[next])) {
                break;
            }
        }
        const std::span<const std::string> table = lines.subspan(first, end - first);
        const std::vector<double> columns = tableColumns(table, advance, m);
        for (const std::string& line : table) {
            placed.push_back(layOutLine(line, advance, m, width, columns));
        }
        first = end;
    }
    return placed;
}

} // namespace korvex
