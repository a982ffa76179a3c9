#pragma once

// The one place where numbers become text and text becomes numbers. Every conversion here is
// independent of the process locale: a German desktop must never turn 0.5 into "0,5" in a report
// or read "0,5" as 0.5 from a box.

#include "app/vb_types.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace korvex::num {

// The number at the start of a box or cell: optional blanks, sign, digits with a point, and an
// exponent (E or D). A text without a leading number reads as 0; a number too large for a double
// reads as an infinity of its sign, which every validation refuses.
double leadingNumber(std::string_view text);

// True when the text starts with a number as leadingNumber reads it. An empty or blank text has
// none; callers that accept an empty field as 0 test for emptiness first.
bool hasLeadingNumber(std::string_view text);

// True when the text holds nothing but blanks.
bool isBlank(std::string_view text);

// A field that must hold one number and nothing else: blanks around it are allowed, anything
// after it is not ("2,5" and "1.5.3" are refused, not read as 2 and 1.5), and the value must fit
// a Single. "inf" and "nan" are no numbers. Callers decide what an empty field means.
struct FieldNumber {
    enum class Kind { Number, Empty, NoNumber, TextAfterNumber, OutOfRange };
    Kind kind;
    double value; // the number for Kind::Number, else 0
    bool isNumber() const { return kind == Kind::Number; }
};
FieldNumber readFieldNumber(std::string_view text);

// A number field of a file the program reads, in the forms its writers and a person editing the
// file write: sign, digits, point and an E exponent. As readFieldNumber, but a "D" exponent is
// text after the number, as no writer of these files puts one ("1d2" must not read as 100). The
// caller refuses an empty field too, since a file that lost a value must not read as one holding 0.
FieldNumber readFileNumber(std::string_view text);

// The value of readFileNumber when it is a number.
std::optional<Single> fileNumber(std::string_view text);

// A format pattern ("#0.0000", "##0.00#", "#####0.0", "scientific") read once: a literal is read
// when the program is compiled, so that writing a number never reads its pattern again.
class NumberPattern {
public:
    consteval NumberPattern(const char* pattern) : NumberPattern(read(pattern)) {}

    // A pattern known only while the program runs.
    static constexpr NumberPattern read(std::string_view pattern) {
        NumberPattern p;
        if (pattern == "scientific" || pattern == "Scientific") {
            p.scientific = true;
            return p;
        }
        const std::size_t point = pattern.find('.');
        p.integerDigitRequired = pattern.substr(0, point).find('0') != std::string_view::npos;
        if (point != std::string_view::npos) {
            for (char c : pattern.substr(point + 1)) {
                if (c == '0') {
                    p.mandatoryDecimals = ++p.decimals;
                } else if (c == '#') {
                    ++p.decimals;
                }
            }
        }
        return p;
    }

    bool scientific = false;
    // The decimals after the point; those up to the last '0' of the pattern are always written,
    // the others only where they are not 0.
    int decimals = 0;
    int mandatoryDecimals = 0;
    // A '0' before the point: 0.5 is "0.50", not ".50".
    bool integerDigitRequired = false;

private:
    constexpr NumberPattern() = default;
};

// The shortest text that fileNumber reads back as exactly this Single, in the style of boxText
// ("0.5", "1.5E-05", exponent form from 1E+07 and below 0.0001); a negative zero is written "0".
// A value that is not finite has no such text: it throws std::domain_error, so that no file is
// written that the program could not read again.
std::string exactText(Single value);

// The pattern text of a value kept in a file, when it reads back (fileNumber) as this Single;
// otherwise its exactText, in exponent form for "scientific". A file then holds the usual text of
// every value its pattern keeps and the exact one of every other. Throws as exactText.
std::string exactPatternText(Single value, std::string_view pattern);

// A count typed as text: the leading number rounded to the nearest integer, halves to even.
double countFromText(std::string_view text);

// Banker's rounding of a double to an integral value (halves to even).
double roundHalfEven(double x);

// Int(x * 10^k + 0.5) / 10^k, with Int the next lower whole number.
double roundDecimals(double x, int k);

// The stored Single of a computed double.
inline Single toSingle(double x) {
    return static_cast<Single>(x);
}

// Plain text of a box, cell or graph label: at most 7 significant digits for a Single (15 for a
// double), no leading blank, "0.5" below 1, exponent form from 1E+07 (1E+15) and below 0.0001.
std::string boxText(Single value);
std::string boxText(double value);
std::string boxText(long long value);
inline std::string boxText(int value) {
    return boxText(static_cast<long long>(value));
}
inline std::string boxText(Integer value) {
    return boxText(static_cast<long long>(value));
}

// Signed text of reports and titles: a leading blank for a value that is not negative, no zero
// before the point below 1 (" .5", "-.25", " 1.5E-05"); -0 gives " 0".
std::string signedText(Single value);
std::string signedText(double value);
std::string signedText(long long value);
inline std::string signedText(int value) {
    return signedText(static_cast<long long>(value));
}
inline std::string signedText(Integer value) {
    return signedText(static_cast<long long>(value));
}
std::string signedText(const Variant& value);

// Pattern text: the value's 7 (Single) or 15 (double) significant decimal digits rounded half away
// from zero to the pattern's decimals. Both roundings take an exact half away from zero: the Single
// 12345.625 is "12345.63" as "##0.00".
std::string patternText(Single value, std::string_view pattern);
std::string patternText(double value, std::string_view pattern);

// The signed and the pattern text written at the end of `text`, with no string of their own: a
// report line is built from these, one number after the other.
void appendSignedText(std::string& text, Single value);
void appendSignedText(std::string& text, double value);
void appendSignedText(std::string& text, long long value);
void appendSignedText(std::string& text, const Variant& value);
void appendPatternText(std::string& text, Single value, NumberPattern pattern);
void appendPatternText(std::string& text, double value, NumberPattern pattern);
void appendExactPatternText(std::string& text, Single value, NumberPattern pattern);

} // namespace korvex::num
