#include "app/tab_stops.h"

#include <gtest/gtest.h>

#include <ostream>

namespace korvex {

void PrintTo(const PlacedText& placed, std::ostream* out) {
    *out << "{" << placed.row << ", " << placed.x << ", \"" << placed.text << "\"}";
}

namespace {

// Every character one wide, but "!", a narrow sign, 7/8 and "+", a broad one, 2.
double characters(std::string_view text) {
    double count = 0;
    for (const char byte : text) {
        if (byte == '!') {
            count += 0.875;
        } else if (byte == '+') {
            count += 2;
        } else if ((static_cast<unsigned char>(byte) & 0xC0U) != 0x80U) {
            count += 1;
        }
    }
    return count;
}

TEST(TabStops, ColumnsStandAtTheStopsAndALineWiderThanTheRowWrapsWithNothingLost) {
    // The average letter is 1 wide: a stop every 8, a gap of 0.25, a wrapped row continuing at 4.
    struct Case {
        const char* line;
        double width;
        std::vector<PlacedText> expected;
    };
    const Case cases[] = {
        // A heading wider than a stop takes two; its values skip one with a second tab.
        {"Depth\tSoilmasswet\tCr", 0, {{0, 0, "Depth"}, {0, 8, "Soilmasswet"}, {0, 24, "Cr"}}},
        {"-0.50\t1.63\t\t0.0200", 0, {{0, 0, "-0.50"}, {0, 8, "1.63"}, {0, 24, "0.0200"}}},
        // Text that ends on a stop, or an eighth of a character short of it (7.875 + 0.25 is past
        // 8), goes on at the next one, or the columns would touch.
        {"abcdefgh\tx", 0, {{0, 0, "abcdefgh"}, {0, 16, "x"}}},
        {"abcdefg!\tx", 0, {{0, 0, "abcdefg!"}, {0, 16, "x"}}},
        {"\t\tVert.flow", 0, {{0, 16, "Vert.flow"}}},
        // Eight characters drawn 9 wide keep to their stop when the next column is empty, but do
        // not run into text.
        {"1.00E+00\t\tx", 0, {{0, 0, "1.00E+00"}, {0, 16, "x"}}},
        {"1.00E+00\tx", 0, {{0, 0, "1.00E+00"}, {0, 16, "x"}}},
        // 19 characters fit a row of 20; the rest continues 4 in.
        {"aaa bbb ccc ddd eee fff", 20, {{0, 0, "aaa bbb ccc ddd eee"}, {1, 4, "fff"}}},
        // A word wider than any row is broken; the continuation rows hold 10 - 4 = 6.
        {"abcdefghijklmnopqrstuvwxyz",
         10,
         {{0, 0, "abcdefghij"}, {1, 4, "klmnop"}, {2, 4, "qrstuv"}, {3, 4, "wxyz"}}},
        // A word that fits a row of its own is moved whole: 4 + 8 = 12 is within 14.
        {"ab\tcdefghij", 14, {{0, 0, "ab"}, {1, 4, "cdefghij"}}},
        // The stop after b, 16, lies past the row of 12.
        {"a\tb\tc", 12, {{0, 0, "a"}, {0, 8, "b"}, {1, 4, "c"}}},
        // Broken between characters, never inside one: 6 on the first row, 2 after the indent.
        {"äöüäöüäö", 6, {{0, 0, "äöüäöü"}, {1, 4, "äö"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        EXPECT_EQ(layOutTabbedLine(c.line, characters, c.width), c.expected);
    }
}

} // namespace
} // namespace korvex
