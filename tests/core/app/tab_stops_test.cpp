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

TEST(TabStops, TheLinesOfATableTakeTheirColumnsStopsWhateverTabsEachUses) {
    struct Case {
        const char* name;
        std::vector<std::string> lines;
        std::vector<std::vector<PlacedText>> expected;
    };
    const Case cases[] = {
        {"a heading with one tab where its values have two",
         {"Time\t\tHor\tVert", " 10\t\t-0.3\t\t-1.2"},
         {{{0, 0, "Time"}, {0, 16, "Hor"}, {0, 32, "Vert"}},
          {{0, 0, " 10"}, {0, 16, "-0.3"}, {0, 32, "-1.2"}}}},
        // Alone, the 12 characters from 16 push 412.0 a stop further than 0.0, to 48.
        {"a value wider than its column moves the column on in every row",
         {"mm\t\tdays\t\t\tdays", "40.00\t\t2.5\t\t\t0.0", "200.00\t\t not reached\t\t\t412.0"},
         {{{0, 0, "mm"}, {0, 16, "days"}, {0, 48, "days"}},
          {{0, 0, "40.00"}, {0, 16, "2.5"}, {0, 48, "0.0"}},
          {{0, 0, "200.00"}, {0, 16, " not reached"}, {0, 48, "412.0"}}}},
        // Leading tabs leave the first column empty; the empty line and the rule stay inside the
        // table, the title ends it.
        {"a table across an empty line and a rule, up to a line without tabs",
         {"Mid Layer\tStress", "\t\tkPa", "", "___", "-3.1\t\t\t18.4", "Title", "a\tb"},
         {{{0, 0, "Mid Layer"}, {0, 24, "Stress"}},
          {{0, 24, "kPa"}},
          {},
          {{0, 0, "___"}},
          {{0, 0, "-3.1"}, {0, 24, "18.4"}},
          {{0, 0, "Title"}},
          {{0, 0, "a"}, {0, 8, "b"}}}},
        // The first line's column 1 moves to 24, where its 12 characters end at 36: column 2
        // follows at 40, not at the 24 either line takes alone.
        {"a column moved on moves the next past its widest entry",
         {"abcdefghijklmnop\tx", "a\tbbbbbbbbbbbb\tc"},
         {{{0, 0, "abcdefghijklmnop"}, {0, 24, "x"}},
          {{0, 0, "a"}, {0, 24, "bbbbbbbbbbbb"}, {0, 40, "c"}}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(layOutReportLines(c.lines, characters), c.expected);
    }
}

} // namespace
} // namespace korvex
