#include "app/number_text.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>

namespace korvex::num {
namespace {

struct ReadCase {
    const char* text;
    double expected;
};

TEST(LeadingNumber, ReadsTheNumberAtTheStartOfABox) {
    const ReadCase cases[] = {
        {"", 0.0},         {"   ", 0.0},     {"abc", 0.0},       {"Fault!", 0.0}, {"1.5", 1.5},
        {"  2.25m", 2.25}, {"-0.5", -0.5},   {"+3", 3.0},        {".5", 0.5},     {"-.25", -0.25},
        {"5.", 5.0},       {"1E-07", 1e-7},  {"1.5e3", 1500.0},  {"2D2", 200.0},  {"1e", 1.0},
        {"1e+", 1.0},      {"-", 0.0},       {".", 0.0},         {"1,5", 1.0},    {"12 34", 12.0},
        {"\t7", 7.0},      {"0.065", 0.065}, {"-1e-3x", -0.001},
    };
    for (const auto& c : cases) {
        EXPECT_DOUBLE_EQ(leadingNumber(c.text), c.expected) << "text: '" << c.text << "'";
    }
}

TEST(LeadingNumber, OverflowReadsAsAnInfinityThatValidationRefuses) {
    EXPECT_EQ(leadingNumber("1e999"), std::numeric_limits<double>::infinity());
    EXPECT_EQ(leadingNumber("-1e999"), -std::numeric_limits<double>::infinity());
    EXPECT_EQ(leadingNumber("1e-999"), 0.0);
}

TEST(FieldNumber, AcceptsOneNumberThatFitsASingleAndNothingElse) {
    using K = FieldNumber::Kind;
    struct Case {
        const char* text;
        K kind;
        double value;
    };
    const Case cases[] = {
        {"", K::Empty, 0.0},
        {"  ", K::Empty, 0.0},
        {" 2.5 ", K::Number, 2.5},
        {"-0", K::Number, -0.0},
        {"1E-07", K::Number, 1e-7},
        {"2D2", K::Number, 200.0},
        {"1e-39", K::Number, 1e-39}, // a subnormal Single, still storable
        {"3.4e38", K::Number, 3.4e38},
        {"2,5", K::TextAfterNumber, 0.0},
        {"1.5.3", K::TextAfterNumber, 0.0},
        {"1,5E-07", K::TextAfterNumber, 0.0},
        {"1e", K::TextAfterNumber, 0.0},
        {"12 34", K::TextAfterNumber, 0.0},
        {"abc", K::NoNumber, 0.0},
        {"nan", K::NoNumber, 0.0},
        {"inf", K::NoNumber, 0.0},
        {"1e39", K::OutOfRange, 0.0}, // above the largest Single, 3.40282e38
        {"-1e999", K::OutOfRange, 0.0},
    };
    for (const auto& c : cases) {
        FieldNumber read = readFieldNumber(c.text);
        EXPECT_EQ(read.kind, c.kind) << "text: '" << c.text << "'";
        EXPECT_DOUBLE_EQ(read.value, c.value) << "text: '" << c.text << "'";
    }
}

TEST(FileNumber, ReadsOneFiniteSingleAndRefusesAnEmptyField) {
    EXPECT_EQ(fileNumber(" 2.5 "), 2.5f);
    EXPECT_EQ(fileNumber("-1.5E-05\t"), -1.5e-5f);
    // No writer of a file puts a D exponent, which a box reads.
    for (const char* refused : {"1.5x", "nan", "inf", "", "  ", "1e39", "2,5", "-", "1d2"}) {
        EXPECT_EQ(fileNumber(refused), std::nullopt) << "text: '" << refused << "'";
    }
}

TEST(ExactText, WritesTheFewestDigitsInTheBoxStyle) {
    const struct {
        float value;
        const char* text;
    } cases[] = {
        {0.1f, "0.1"},
        {-2.5f, "-2.5"},
        {0.0f, "0"},
        {-0.0f, "0"},
        {1.0f / 3.0f, "0.33333334"},    // 0.333333343267..., and 0.3333333 is another Single
        {1234567.875f, "1234567.9"},    // Singles near 10^6 lie 0.125 apart
        {16777216.0f, "1.6777216E+07"}, // 2^24; 16777220 is a Single of its own
        {1e7f, "1E+07"},
        {0.0001f, "0.0001"},
        {5e-5f, "5E-05"},
        {std::numeric_limits<float>::max(), "3.4028235E+38"},
        {std::numeric_limits<float>::min(), "1.1754944E-38"},
        {std::numeric_limits<float>::denorm_min(), "1E-45"}, // 1.4013e-45
        // 7.03853069185e-26, the one positive Single whose shortest digits, 7.038531E-26, read
        // through a double land on the midpoint to the next Single and round up to it.
        {std::bit_cast<float>(0x15AE43FDu), "7.0385307E-26"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(exactText(c.value), c.text) << "value " << c.value;
    }
    EXPECT_THROW(exactText(std::numeric_limits<float>::infinity()), std::domain_error);
    EXPECT_THROW(exactText(std::numeric_limits<float>::quiet_NaN()), std::domain_error);
}

TEST(ExactPatternText, KeepsThePatternTextOnlyWhereItReadsBackExactly) {
    const struct {
        float value;
        const char* pattern;
        const char* text;
    } cases[] = {
        {1.5f, "#0.00", "1.50"},
        {1.625f, "#0.00", "1.625"},       // "1.63" is another Single
        {-2.125f, "##0.00", "-2.125"},    // "-2.13"
        {0.00625f, "#0.0000", "0.00625"}, // "0.0063"; a zero before the point
        {2.5e-8f, "scientific", "2.50E-08"},
        {2.567e-8f, "scientific", "2.567E-08"},  // "2.57E-08"
        {12345.5f, "scientific", "1.23455E+04"}, // "1.23E+04"; exponent form, not "12345.5"
        {0.0f, "scientific", "0.00E+00"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(exactPatternText(c.value, c.pattern), c.text) << c.value << " " << c.pattern;
    }
    EXPECT_THROW(exactPatternText(std::numeric_limits<float>::quiet_NaN(), "#0.00"),
                 std::domain_error);
}

TEST(ExactText, ReadsBackAsTheSameSingleWithTheShortestDigits) {
    std::mt19937 random(20261209);
    std::vector<float> values = {std::numeric_limits<float>::max(),
                                 -std::numeric_limits<float>::max(),
                                 std::numeric_limits<float>::denorm_min()};
    std::uniform_int_distribution<std::uint32_t> bits;
    while (values.size() < 400) {
        std::uint32_t pattern = bits(random);
        // One in four a subnormal: no exponent bits.
        if (values.size() % 4 == 0) {
            pattern &= 0x807FFFFFu;
        }
        const float value = std::bit_cast<float>(pattern);
        if (std::isfinite(value) && value != 0.0f) {
            values.push_back(value);
        }
    }
    for (float value : values) {
        const std::string text = exactText(value);
        const std::optional<Single> read = fileNumber(text);
        ASSERT_TRUE(read.has_value()) << text;
        EXPECT_EQ(std::bit_cast<std::uint32_t>(*read), std::bit_cast<std::uint32_t>(value)) << text;
        // The standard library's shortest form has as many digits.
        char shortest[32];
        const auto end =
            std::to_chars(shortest, shortest + 32, std::fabs(value), std::chars_format::scientific)
                .ptr;
        const auto digitsOf = [](std::string_view t) {
            const auto mantissa = t.substr(0, t.find_first_of("eE"));
            const auto first = mantissa.find_first_not_of("-0.");
            return std::count_if(mantissa.begin() + static_cast<std::ptrdiff_t>(first),
                                 mantissa.end(), [](char c) { return c >= '0' && c <= '9'; });
        };
        // Trailing zeros of a whole number ("1000") carry no precision.
        std::string trimmed = text;
        if (trimmed.find_first_of(".E") == std::string::npos) {
            trimmed.erase(trimmed.find_last_not_of('0') + 1);
        }
        EXPECT_EQ(digitsOf(trimmed), digitsOf(std::string_view(shortest, end))) << text;
    }
}

TEST(LeadingNumber, TellsATextWithANumberFromOneWithout) {
    EXPECT_TRUE(hasLeadingNumber(" 3"));
    EXPECT_TRUE(hasLeadingNumber("-.5"));
    EXPECT_FALSE(hasLeadingNumber("Fault!"));
    EXPECT_FALSE(hasLeadingNumber(""));
    EXPECT_FALSE(hasLeadingNumber("-"));
    EXPECT_TRUE(isBlank("  "));
    EXPECT_FALSE(isBlank(" 1"));
}

TEST(CountFromText, RoundsHalvesToEven) {
    EXPECT_EQ(countFromText("2.5"), 2.0);
    EXPECT_EQ(countFromText("3.5"), 4.0);
    EXPECT_EQ(countFromText("2.4999"), 2.0);
    EXPECT_EQ(countFromText("2.51"), 3.0);
    EXPECT_EQ(countFromText("-2.5"), -2.0);
    EXPECT_EQ(countFromText("0.5"), 0.0);
    EXPECT_EQ(countFromText("Fault!"), 0.0);
}

TEST(RoundDecimals, IsIntOfXTimesScalePlusHalf) {
    EXPECT_DOUBLE_EQ(roundDecimals(2.02449, 2), 2.02);
    EXPECT_DOUBLE_EQ(roundDecimals(2.025, 1), 2.0);
    EXPECT_DOUBLE_EQ(roundDecimals(-0.12345, 4), -0.1234); // Int(-1234.5 + 0.5) = -1234
    EXPECT_DOUBLE_EQ(roundDecimals(-0.12346, 4), -0.1235);
    EXPECT_DOUBLE_EQ(roundDecimals(1234.56, 0), 1235.0);
}

struct SingleTextCase {
    float value;
    const char* box;
    const char* signedForm;
};

TEST(SingleText, BoxAndSignedTextOfASingle) {
    const SingleTextCase cases[] = {
        {0.5f, "0.5", " .5"},
        {-0.25f, "-0.25", "-.25"},
        {1.6f, "1.6", " 1.6"},
        {1000.0f, "1000", " 1000"},
        {1e-7f, "1E-07", " 1E-07"},
        {0.0f, "0", " 0"},
        {-0.0f, "0", " 0"},
        {2.5f, "2.5", " 2.5"},
        {3.0f, "3", " 3"},
        {1.5e-5f, "1.5E-05", " 1.5E-05"},
        {12345678.0f, "1.234568E+07", " 1.234568E+07"},
        {1e7f, "1E+07", " 1E+07"},
        {9999999.0f, "9999999", " 9999999"},
        {0.0001f, "0.0001", " .0001"},
        {9.9999e-5f, "9.9999E-05", " 9.9999E-05"},
        {-9.9999e-5f, "-9.9999E-05", "-9.9999E-05"},
        {0.065f, "0.065", " .065"},
        {9.80665f, "9.80665", " 9.80665"},
        {3.14159f, "3.14159", " 3.14159"},
        {5e-8f, "5E-08", " 5E-08"},
        {0.1f, "0.1", " .1"},
        {1.0f / 3.0f, "0.3333333", " .3333333"},
        {-123.456f, "-123.456", "-123.456"},
        {1e38f, "1E+38", " 1E+38"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(boxText(c.value), c.box) << "value " << c.value;
        EXPECT_EQ(signedText(c.value), c.signedForm) << "value " << c.value;
    }
}

TEST(SingleText, ASingleIsWrittenAsASingleNotWidened) {
    // 0.1f widened to double is 0.100000001490116; as a Single it prints as 0.1.
    EXPECT_EQ(signedText(0.1f), " .1");
    EXPECT_EQ(signedText(static_cast<double>(0.1f)), " .100000001490116");
}

TEST(DoubleAndIntegerText, FollowTheirOwnDigitsAndSigns) {
    EXPECT_EQ(signedText(0.5), " .5");
    EXPECT_EQ(signedText(1e15), " 1E+15");
    EXPECT_EQ(signedText(999999999999999.0), " 999999999999999");
    EXPECT_EQ(signedText(5LL), " 5");
    EXPECT_EQ(signedText(-12LL), "-12");
    EXPECT_EQ(signedText(0LL), " 0");
    EXPECT_EQ(boxText(static_cast<Integer>(15)), "15");
    EXPECT_EQ(signedText(Variant::integer(0)), " 0");
    EXPECT_EQ(signedText(Variant::single(-9.80665f)), "-9.80665");
    EXPECT_EQ(signedText(Variant{}), " 0");
}

struct PatternCase {
    float value;
    const char* pattern;
    const char* expected;
};

TEST(PatternText, RoundsTheSevenDigitDecimalHalfAwayFromZero) {
    const PatternCase cases[] = {
        {0.5f, "#0.00", "0.50"},
        {-3.14159f, "##0.00", "-3.14"},
        {12345.678f, "###0.00", "12345.68"},
        {2.675f, "##0.00", "2.68"}, // the Single is 2.67499995; its 7 digits are 2.675000
        {-2.675f, "##0.00", "-2.68"},
        {12345.625f, "###0.00", "12345.63"}, // exactly a half at the eighth digit
        {-0.0625f, "##0.00#", "-0.063"},
        {-0.0004f, "##0.00", "-0.00"},
        {0.0f, "##0.00", "0.00"},
        {-0.0f, "##0.00", "0.00"},
        {1.5f, "##0.00#", "1.50"},
        {1.2346f, "##0.00#", "1.235"},
        {0.1004f, "##0.00#", "0.10"},
        {0.1005f, "##0.00#", "0.101"},
        {2.0f, "#0.000", "2.000"},
        {0.03f, "#0.0000", "0.0300"},
        {1234.56f, "#####0.0", "1234.6"},
        {0.04f, "#####0.0", "0.0"},
        {0.05f, "#####0.0", "0.1"},
        {9.9996f, "#0.000", "10.000"},
        {999.995f, "##0.00", "1000.00"},
        {1.2345e-5f, "scientific", "1.23E-05"},
        {2.0f, "scientific", "2.00E+00"},
        {-0.5f, "scientific", "-5.00E-01"},
        {9.995f, "scientific", "1.00E+01"},
        {0.0f, "scientific", "0.00E+00"},
        {1e-7f, "scientific", "1.00E-07"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(patternText(c.value, c.pattern), c.expected)
            << "value " << c.value << " pattern " << c.pattern;
    }
}

// A Single's digits are taken from its exact binary value; these values lie on the edges of that.
TEST(SingleText, ExactHalvesAndTheEndsOfTheRange) {
    const struct {
        float value;
        const char* box;
        const char* pattern;
        const char* patterned;
    } cases[] = {
        // 2^20 + 1/2, exactly a half after seven digits: the box text rounds it to even as the
        // standard library does, a pattern away from zero.
        {1048576.5f, "1048576", "#####0.0", "1048577.0"},
        {1048577.5f, "1048578", "#####0.0", "1048578.0"},
        // 123456792, the Single nearest 123456789: 1.234567|92 rounds up.
        {123456792.0f, "1.234568E+08", "##0.00", "123456800.00"},
        // The largest Single, 3.40282346...E+38, written in full by a pattern.
        {3.40282347e38f, "3.402823E+38", "##0.00", "340282300000000000000000000000000000000.00"},
        // The smallest normal Single, 1.17549435...E-38, and the smallest subnormal, 1.4012985E-45.
        {1.17549435e-38f, "1.175494E-38", "#0.0000", "0.0000"},
        {1.4e-45f, "1.401298E-45", "scientific", "1.40E-45"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(boxText(c.value), c.box) << "value " << c.value;
        EXPECT_EQ(patternText(c.value, c.pattern), c.patterned) << "value " << c.value;
    }
}

TEST(PatternText, ADoubleUsesFifteenDigits) {
    // 2.675 as a double is 2.67499999999999982236431605997495353221893310546875.
    EXPECT_EQ(patternText(2.675, "##0.00"), "2.68");
    EXPECT_EQ(patternText(0.125, "#0.00"), "0.13");
}

TEST(NumberText, DoesNotFollowTheProcessLocale) {
    // A desktop under German settings switches the C library to a comma; the program's own texts
    // must stay with a point.
    const char* previous = std::setlocale(LC_ALL, nullptr);
    std::string saved = previous ? previous : "C";
    bool switched = std::setlocale(LC_ALL, "de_DE.UTF-8") != nullptr ||
                    std::setlocale(LC_ALL, "de_DE") != nullptr;
    if (switched) {
        ASSERT_STREQ(std::localeconv()->decimal_point, ",");
    }
    EXPECT_EQ(signedText(0.5f), " .5");
    EXPECT_EQ(boxText(1.6f), "1.6");
    EXPECT_EQ(patternText(1.5f, "##0.00"), "1.50");
    EXPECT_DOUBLE_EQ(leadingNumber("2.5"), 2.5);
    std::setlocale(LC_ALL, saved.c_str());
    if (!switched) {
        GTEST_SKIP() << "no German locale installed; the conversions were checked under C only";
    }
}

} // namespace
} // namespace korvex::num
