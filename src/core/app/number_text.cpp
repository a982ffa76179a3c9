#include "app/number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <stdexcept>

namespace korvex::num {

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
bool isSpace(char c) {
    return c == ' ' || c == '\t';
}

// The span of text that forms the leading number, normalised for std::from_chars.
struct LeadingNumber {
    bool found = false;
    std::string normalised;
    std::size_t end = 0; // one past the number's last character in the scanned text
};

LeadingNumber scanLeadingNumber(std::string_view text) {
    LeadingNumber result;
    std::size_t i = 0;
    while (i < text.size() && isSpace(text[i])) {
        ++i;
    }
    std::string out;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        if (text[i] == '-') {
            out += '-';
        }
        ++i;
    }
    std::size_t mantissaDigits = 0;
    while (i < text.size() && isDigit(text[i])) {
        out += text[i++];
        ++mantissaDigits;
    }
    if (i < text.size() && text[i] == '.') {
        out += '.';
        ++i;
        while (i < text.size() && isDigit(text[i])) {
            out += text[i++];
            ++mantissaDigits;
        }
    }
    if (mantissaDigits == 0) {
        return result;
    }
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E' || text[i] == 'd' || text[i] == 'D')) {
        std::size_t j = i + 1;
        std::string exponent = "e";
        if (j < text.size() && (text[j] == '+' || text[j] == '-')) {
            exponent += text[j++];
        }
        std::size_t exponentDigits = 0;
        while (j < text.size() && isDigit(text[j])) {
            exponent += text[j++];
            ++exponentDigits;
        }
        if (exponentDigits > 0) {
            out += exponent;
            i = j;
        }
    }
    result.found = true;
    result.end = i;
    result.normalised = out;
    return result;
}

// value = d0.d1d2... x 10^exponent, digits rounded to the requested significant digits.
struct DecimalDigits {
    bool negative = false;
    bool zero = false;
    std::string digits;
    int exponent = 0;
};

// Enough significant digits to write any double exactly (2^-1074 alone needs 751).
constexpr int kExactDoubleDigits = 767;

// significant = 0 asks for the fewest digits that read back as the same value.
template <typename T> DecimalDigits decimalDigits(T value, int significant) {
    DecimalDigits d;
    if (value == 0) {
        d.zero = true;
        d.digits = "0";
        return d;
    }
    d.negative = std::signbit(value);
    char buffer[kExactDoubleDigits + 16];
    auto [end, ec] = significant == 0
                         ? std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                         std::chars_format::scientific)
                         : std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                         std::chars_format::scientific, significant - 1);
    if (ec != std::errc{}) {
        throw std::runtime_error("number conversion failed");
    }
    std::string_view text(buffer, static_cast<std::size_t>(end - buffer));
    std::size_t ePos = text.find('e');
    for (std::size_t i = 0; i < ePos; ++i) {
        if (isDigit(text[i])) {
            d.digits += text[i];
        }
    }
    int exponent = 0;
    std::string_view expText = text.substr(ePos + 1);
    if (!expText.empty() && expText[0] == '+') {
        expText.remove_prefix(1);
    }
    std::from_chars(expText.data(), expText.data() + expText.size(), exponent);
    d.exponent = exponent;
    return d;
}

// As many significant digits as the value's exact decimal expansion can have: a binary fraction
// of k bits has k decimals, and the value has no bits below 2^(exponent - mantissa bits).
template <typename T> int exactSignificantDigits(T value) {
    int exponent = 0;
    std::frexp(static_cast<double>(value), &exponent);
    const int fractionDigits = std::max(0, std::numeric_limits<T>::digits - exponent);
    const int integerDigits = std::max(0, exponent * 30103 / 100000 + 1); // log10(2) = 0.30103
    return std::min(integerDigits + fractionDigits + 1, kExactDoubleDigits);
}

// The value rounded to `significant` digits half away from zero. to_chars rounds an exact tie
// to even: the Single 12345.625 would lose its half and print 12345.62 as "###0.00".
template <typename T> DecimalDigits digitsHalfAwayFromZero(T value, int significant) {
    // One more digit, correctly rounded, decides as the exact value does unless it comes out 5:
    // only then is the whole expansion needed to tell a half from a little below or above one.
    DecimalDigits d = decimalDigits(value, significant + 1);
    const auto kept = static_cast<std::size_t>(significant);
    if (d.zero) {
        return d;
    }
    if (d.digits[kept] == '5') {
        d = decimalDigits(value, exactSignificantDigits(value));
    }
    const bool up = d.digits.size() > kept && d.digits[kept] >= '5';
    d.digits.resize(kept, '0');
    if (up) {
        std::size_t i = kept;
        while (i > 0 && d.digits[i - 1] == '9') {
            d.digits[--i] = '0';
        }
        if (i == 0) {
            d.digits.insert(d.digits.begin(), '1');
            d.digits.pop_back();
            ++d.exponent;
        } else {
            ++d.digits[i - 1];
        }
    }
    return d;
}

std::string stripTrailingZeros(std::string digits) {
    while (digits.size() > 1 && digits.back() == '0') {
        digits.pop_back();
    }
    return digits;
}

std::string exponentText(int exponent) {
    std::string text = exponent < 0 ? "-" : "+";
    std::string digits = std::to_string(std::abs(exponent));
    if (digits.size() < 2) {
        digits.insert(0, 2 - digits.size(), '0');
    }
    return text + digits;
}

std::string nonFiniteText(double value) {
    if (std::isnan(value)) {
        return "NaN";
    }
    return value < 0 ? "-Infinity" : "Infinity";
}

// The general form shared by the box text, the signed text and the exact text; they differ only
// in the blank before a non-negative value and the zero before the point. Exponent form from
// 10^exponentFrom and below 0.0001.
std::string generalFormOf(const DecimalDigits& d, int exponentFrom, bool signedForm) {
    std::string sign = (d.negative && !d.zero) ? "-" : (signedForm ? " " : "");
    if (d.zero) {
        return sign + "0";
    }
    std::string digits = stripTrailingZeros(d.digits);
    if (d.exponent >= exponentFrom || d.exponent < -4) {
        std::string mantissa = digits.substr(0, 1);
        if (digits.size() > 1) {
            mantissa += "." + digits.substr(1);
        }
        return sign + mantissa + "E" + exponentText(d.exponent);
    }
    std::string integerPart;
    std::string fraction;
    if (d.exponent >= 0) {
        std::size_t integerDigits = static_cast<std::size_t>(d.exponent) + 1;
        integerPart = digits.substr(0, std::min(integerDigits, digits.size()));
        if (integerPart.size() < integerDigits) {
            integerPart.append(integerDigits - integerPart.size(), '0');
        }
        if (digits.size() > integerDigits) {
            fraction = digits.substr(integerDigits);
        }
    } else {
        integerPart = signedForm ? "" : "0";
        fraction = std::string(static_cast<std::size_t>(-d.exponent - 1), '0') + digits;
    }
    return sign + integerPart + (fraction.empty() ? "" : "." + fraction);
}

template <typename T> std::string generalText(T value, int significant, bool signedForm) {
    if (!std::isfinite(value)) {
        std::string text = nonFiniteText(static_cast<double>(value));
        return (signedForm && value > 0) ? " " + text : text;
    }
    return generalFormOf(decimalDigits(value, significant), significant, signedForm);
}

// round(|value| x 10^k), half away from zero on the decimal digits, as a digit string.
std::string scaledRounded(const DecimalDigits& d, int k) {
    if (d.zero) {
        return "0";
    }
    int count = d.exponent + k + 1;
    const int n = static_cast<int>(d.digits.size());
    if (count <= 0) {
        return (count == 0 && d.digits[0] >= '5') ? "1" : "0";
    }
    std::string s = d.digits.substr(0, static_cast<std::size_t>(std::min(count, n)));
    if (count > n) {
        s.append(static_cast<std::size_t>(count - n), '0');
    } else if (count < n && d.digits[static_cast<std::size_t>(count)] >= '5') {
        int i = static_cast<int>(s.size()) - 1;
        while (i >= 0 && s[static_cast<std::size_t>(i)] == '9') {
            s[static_cast<std::size_t>(i)] = '0';
            --i;
        }
        if (i < 0) {
            s.insert(s.begin(), '1');
        } else {
            ++s[static_cast<std::size_t>(i)];
        }
    }
    std::size_t firstNonZero = s.find_first_not_of('0');
    return firstNonZero == std::string::npos ? "0" : s.substr(firstNonZero);
}

std::string scientificText(const DecimalDigits& d) {
    if (d.zero) {
        return "0.00E+00";
    }
    // Round the mantissa to three significant digits, half away from zero.
    DecimalDigits mantissa = d;
    mantissa.exponent = 0;
    std::string scaled = scaledRounded(mantissa, 2);
    int exponent = d.exponent;
    if (scaled.size() > 3) {
        scaled = "100";
        ++exponent;
    }
    return std::string(d.negative ? "-" : "") + scaled.substr(0, 1) + "." + scaled.substr(1) + "E" +
           exponentText(exponent);
}

template <typename T>
std::string patternTextOf(T value, int significant, std::string_view pattern) {
    if (!std::isfinite(value)) {
        return nonFiniteText(static_cast<double>(value));
    }
    DecimalDigits d = digitsHalfAwayFromZero(value, significant);
    if (pattern == "scientific" || pattern == "Scientific") {
        return scientificText(d);
    }
    std::size_t point = pattern.find('.');
    std::string_view integerPattern = pattern.substr(0, point);
    std::string_view fractionPattern =
        point == std::string_view::npos ? std::string_view{} : pattern.substr(point + 1);
    int mandatoryDecimals = 0;
    int allDecimals = 0;
    for (char c : fractionPattern) {
        if (c == '0') {
            mandatoryDecimals = ++allDecimals;
        } else if (c == '#') {
            ++allDecimals;
        }
    }
    bool integerDigitRequired = integerPattern.find('0') != std::string_view::npos;

    std::string scaled = scaledRounded(d, allDecimals);
    if (scaled.size() < static_cast<std::size_t>(allDecimals) + 1) {
        scaled.insert(0, static_cast<std::size_t>(allDecimals) + 1 - scaled.size(), '0');
    }
    std::string integerPart =
        scaled.substr(0, scaled.size() - static_cast<std::size_t>(allDecimals));
    std::string fraction = scaled.substr(scaled.size() - static_cast<std::size_t>(allDecimals));
    while (static_cast<int>(fraction.size()) > mandatoryDecimals && fraction.back() == '0') {
        fraction.pop_back();
    }
    if (integerPart == "0" && !integerDigitRequired) {
        integerPart.clear();
    }
    // A value below zero keeps its sign even when it rounds to zero: -0.0004 is "-0.00".
    std::string text = (d.negative && !d.zero) ? "-" : "";
    text += integerPart;
    if (!fraction.empty()) {
        text += "." + fraction;
    }
    return text;
}

} // namespace

double leadingNumber(std::string_view text) {
    LeadingNumber scanned = scanLeadingNumber(text);
    if (!scanned.found) {
        return 0.0;
    }
    const std::string& s = scanned.normalised;
    double value = 0.0;
    auto [ptr, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
    (void)ptr;
    if (ec == std::errc::result_out_of_range) {
        // from_chars leaves the value alone on a range error: tell overflow from underflow by the
        // exponent's sign.
        std::size_t e = s.find('e');
        bool tiny = e != std::string::npos && e + 1 < s.size() && s[e + 1] == '-';
        bool negative = !s.empty() && s[0] == '-';
        if (tiny) {
            return negative ? -0.0 : 0.0;
        }
        return negative ? -std::numeric_limits<double>::infinity()
                        : std::numeric_limits<double>::infinity();
    }
    return value;
}

bool hasLeadingNumber(std::string_view text) {
    return scanLeadingNumber(text).found;
}

bool isBlank(std::string_view text) {
    return std::all_of(text.begin(), text.end(), [](char c) { return isSpace(c); });
}

FieldNumber readFieldNumber(std::string_view text) {
    if (isBlank(text)) {
        return {FieldNumber::Kind::Empty, 0.0};
    }
    LeadingNumber scanned = scanLeadingNumber(text);
    if (!scanned.found) {
        return {FieldNumber::Kind::NoNumber, 0.0};
    }
    if (!isBlank(text.substr(scanned.end))) {
        return {FieldNumber::Kind::TextAfterNumber, 0.0};
    }
    double value = leadingNumber(text);
    // A value that rounds to a Single infinity cannot be stored; one that rounds to a subnormal or
    // to zero can, as every Single box has always held it.
    if (!std::isfinite(value) || !std::isfinite(toSingle(value))) {
        return {FieldNumber::Kind::OutOfRange, 0.0};
    }
    return {FieldNumber::Kind::Number, value};
}

FieldNumber readFileNumber(std::string_view text) {
    const FieldNumber read = readFieldNumber(text);
    // In a field that is one number with blanks around it, a D can only be its exponent.
    if (read.isNumber() && text.find_first_of("dD") != std::string_view::npos) {
        return {FieldNumber::Kind::TextAfterNumber, 0.0};
    }
    return read;
}

std::optional<Single> fileNumber(std::string_view text) {
    const FieldNumber read = readFileNumber(text);
    if (!read.isNumber()) {
        return std::nullopt;
    }
    return toSingle(read.value);
}

namespace {

// exponentFrom as generalFormOf takes it: the decimal exponent from which the exponent form is
// used (below 0.0001 it always is).
std::string exactTextFrom(Single value, int exponentFrom) {
    if (!std::isfinite(value)) {
        // The save that meets it names the file and gives this as its reason.
        throw std::domain_error("a value that is not a finite number cannot be written to a file");
    }
    const DecimalDigits shortest = decimalDigits(value, 0);
    std::string text = generalFormOf(shortest, exponentFrom, false);
    // The shortest digits are exact when read straight into a Single; the reader goes through a
    // double, and a text within a hair of the midpoint between two Singles would be rounded twice.
    // Nine digits always lie far enough from every midpoint.
    for (int digits = static_cast<int>(shortest.digits.size()) + 1;
         fileNumber(text) != value && digits <= 9; ++digits) {
        text = generalFormOf(decimalDigits(value, digits), exponentFrom, false);
    }
    return text;
}

} // namespace

std::string exactText(Single value) {
    // The box text's exponent threshold, so that a file shows a value as its box does whenever
    // seven digits are enough.
    return exactTextFrom(value, 7);
}

std::string exactPatternText(Single value, std::string_view pattern) {
    std::string text = patternText(value, pattern);
    if (fileNumber(text) == value) {
        return text;
    }
    const bool scientific = pattern == "scientific" || pattern == "Scientific";
    return exactTextFrom(value, scientific ? std::numeric_limits<int>::min() : 7);
}

double countFromText(std::string_view text) {
    return roundHalfEven(leadingNumber(text));
}

double roundHalfEven(double x) {
    if (!std::isfinite(x)) {
        return x;
    }
    double floorValue = std::floor(x);
    double difference = x - floorValue;
    if (difference > 0.5) {
        return floorValue + 1.0;
    }
    if (difference < 0.5) {
        return floorValue;
    }
    return std::fmod(floorValue, 2.0) == 0.0 ? floorValue : floorValue + 1.0;
}

double roundDecimals(double x, int k) {
    double scale = std::pow(10.0, k);
    return std::floor(x * scale + 0.5) / scale;
}

std::string boxText(Single value) {
    return generalText(value, 7, false);
}
std::string boxText(double value) {
    return generalText(value, 15, false);
}
std::string boxText(long long value) {
    return std::to_string(value);
}

std::string signedText(Single value) {
    return generalText(value, 7, true);
}
std::string signedText(double value) {
    return generalText(value, 15, true);
}
std::string signedText(long long value) {
    return value < 0 ? std::to_string(value) : " " + std::to_string(value);
}
std::string signedText(const Variant& value) {
    switch (value.kind) {
    case Variant::Kind::Empty: // an empty Variant prints as the number 0
    case Variant::Kind::Integer:
        return signedText(static_cast<long long>(value.value));
    case Variant::Kind::Single:
        return signedText(value.value);
    }
    return " 0";
}

std::string patternText(Single value, std::string_view pattern) {
    return patternTextOf(value, 7, pattern);
}
std::string patternText(double value, std::string_view pattern) {
    return patternTextOf(value, 15, pattern);
}

} // namespace korvex::num
