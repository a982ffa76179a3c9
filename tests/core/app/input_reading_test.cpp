#include "app/input_reading.h"

#include <gtest/gtest.h>

#include <cmath>

namespace korvex {
namespace {

TEST(InputReading, ABoxHoldsOneNumberOrIsRefusedByItsCaption) {
    constexpr const char* kNoNumber = "No number in \"Area [m2]:\"; correct the input.";
    constexpr const char* kTextAfter =
        "Text after the number in \"Area [m2]:\"; the decimal symbol "
        "is a point (.); correct the input.";
    struct Case {
        const char* text;
        double value;
        const char* refusal;
    };
    const Case cases[] = {
        {"", 0.0, nullptr},
        {" 2.5 ", 2.5, nullptr},
        {"2,5", 0.0, kTextAfter},
        {"1.5.3", 0.0, kTextAfter},
        // Beyond the largest Single, 3.4028235E+38.
        {"1e39", 0.0, kNoNumber},
        {"nan", 0.0, kNoNumber},
        {"inf", 0.0, kNoNumber},
        {"abc", 0.0, kNoNumber},
        {"-0", -0.0, nullptr},
        // Below the smallest normal Single (1.1754944E-38), above the smallest subnormal (1.4E-45).
        {"1e-39", 1e-39, nullptr},
    };
    for (const Case& c : cases) {
        try {
            const double value = readBox(c.text, "Area [m2]:");
            EXPECT_EQ(c.refusal, nullptr) << "'" << c.text << "' read as " << value;
            EXPECT_EQ(value, c.value) << "'" << c.text << "'";
            EXPECT_EQ(std::signbit(value), std::signbit(c.value)) << "'" << c.text << "'";
        } catch (const InputRefusal& refusal) {
            ASSERT_NE(c.refusal, nullptr) << "'" << c.text << "': " << refusal.what();
            EXPECT_STREQ(refusal.what(), c.refusal);
            EXPECT_EQ(refusal.style(), vbExclamation);
        }
    }
}

} // namespace
} // namespace korvex
