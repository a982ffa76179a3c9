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

} // namespace

std::vector<PlacedText> layOutTabbedLine(std::string_view line, const TextAdvance& advance,
                                         double width) {
    const std::string_view letters = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    const double averageCharWidth = advance(letters) / static_cast<double>(letters.size());
    const double stop = kCharactersPerTabStop * averageCharWidth;
    const double indent = kContinuationIndentCharacters * averageCharWidth;
    const double gap = kColumnGapCharacters * averageCharWidth;
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
        x = indent;
        inkEnd = indent;
        rowHasText = false;
        startsAtStop = false;
    };
    // The stop the last entry stands at whole, or below 0 when it was broken or wrapped.
    double columnStart = 0;
    std::size_t columnCharacters = 0;

    std::size_t start = 0;
    for (bool first = true;; first = false) {
        const std::size_t tab = line.find('\t', start);
        std::string_view piece = line.substr(
            start, tab == std::string_view::npos ? std::string_view::npos : tab - start);
        if (!first && stop > 0) {
            const bool keepsToItsStop =
                columnStart >= 0 && columnCharacters <= kCharactersPerTabStop && piece.empty();
            x = keepsToItsStop ? columnStart + stop
                               : (std::floor((std::max(x, inkEnd) + gap) / stop) + 1) * stop;
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

} // namespace korvex
