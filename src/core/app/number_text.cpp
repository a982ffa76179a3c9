#include "app/number_text.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <stdexcept>
#include <type_traits>

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

// value = d0.d1d2... x 10^exponent, digits rounded to the requested significant digits. No writer
// keeps more digits than a double's shortest text (17), so they live in the value itself.
struct DecimalDigits {
    bool negative = false;
    bool zero = false;
    int count = 0;
    int exponent = 0;
    char digits[20] = {};
};

// Enough significant digits to write any double exactly (2^-1074 alone needs 751).
constexpr int kExactDoubleDigits = 767;

// Walks the digits of to_chars' scientific text ("d.ddde+XX"), giving each with its index, and
// returns the exponent.
template <typename OnDigit> int scientificDigits(std::string_view text, OnDigit onDigit) {
    const std::size_t ePos = text.find('e');
    int index = 0;
    for (std::size_t i = 0; i < ePos; ++i) {
        if (isDigit(text[i])) {
            onDigit(index++, text[i]);
        }
    }
    int exponent = 0;
    std::string_view expText = text.substr(ePos + 1);
    if (!expText.empty() && expText[0] == '+') {
        expText.remove_prefix(1);
    }
    std::from_chars(expText.data(), expText.data() + expText.size(), exponent);
    return exponent;
}

// The value's digits by to_chars, correctly rounded; significant = 0 asks for the fewest digits
// that read back as the same value. At most 17 digits.
template <typename T> DecimalDigits decimalDigits(T value, int significant) {
    DecimalDigits d;
    if (value == 0) {
        d.zero = true;
        d.count = 1;
        d.digits[0] = '0';
        return d;
    }
    d.negative = std::signbit(value);
    char buffer[32];
    auto [end, ec] = significant == 0
                         ? std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                         std::chars_format::scientific)
                         : std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                         std::chars_format::scientific, significant - 1);
    if (ec != std::errc{}) {
        throw std::runtime_error("number conversion failed");
    }
    d.exponent = scientificDigits(std::string_view(buffer, static_cast<std::size_t>(end - buffer)),
                                  [&d](int, char digit) { d.digits[d.count++] = digit; });
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

// Adds one unit in the last kept digit; 9.99 becomes 10.0 with the exponent one up.
void roundUp(DecimalDigits& d) {
    int i = d.count;
    while (i > 0 && d.digits[i - 1] == '9') {
        d.digits[--i] = '0';
    }
    if (i == 0) {
        d.digits[0] = '1';
        ++d.exponent;
    } else {
        ++d.digits[i - 1];
    }
}

// The value rounded to `significant` digits half away from zero. to_chars rounds an exact tie
// to even: the Single 12345.625 would lose its half and print 12345.62 as "###0.00".
template <typename T> DecimalDigits digitsHalfAwayFromZeroByText(T value, int significant) {
    // One more digit, correctly rounded, decides as the exact value does unless it comes out 5:
    // only then is the whole expansion needed to tell a half from a little below or above one.
    DecimalDigits d = decimalDigits(value, significant + 1);
    if (d.zero) {
        return d;
    }
    bool up = d.digits[significant] >= '5';
    if (d.digits[significant] == '5') {
        char buffer[kExactDoubleDigits + 16];
        auto [end, ec] =
            std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                          std::chars_format::scientific, exactSignificantDigits(value) - 1);
        if (ec != std::errc{}) {
            throw std::runtime_error("number conversion failed");
        }
        std::fill(d.digits, d.digits + significant, '0');
        up = false;
        d.exponent =
            scientificDigits(std::string_view(buffer, static_cast<std::size_t>(end - buffer)),
                             [&](int index, char digit) {
                                 if (index < significant) {
                                     d.digits[index] = digit;
                                 } else if (index == significant) {
                                     up = digit >= '5';
                                 }
                             });
    }
    d.count = significant;
    if (up) {
        roundUp(d);
    }
    return d;
}

// How an exact half at the last kept digit goes: to even, as to_chars rounds the box and signed
// texts, or away from zero, as the patterns round.
enum class Tie { ToEven, AwayFromZero };

// 5^0 to 5^16: m x 5^16 stays below 2^62.
constexpr std::array<std::uint64_t, 17> kPowersOf5 = [] {
    std::array<std::uint64_t, 17> powers{};
    powers[0] = 1;
    for (std::size_t i = 1; i < powers.size(); ++i) {
        powers[i] = powers[i - 1] * 5;
    }
    return powers;
}();

constexpr std::array<std::uint64_t, 20> kPowersOf10 = [] {
    std::array<std::uint64_t, 20> powers{};
    powers[0] = 1;
    for (std::size_t i = 1; i < powers.size(); ++i) {
        powers[i] = powers[i - 1] * 10;
    }
    return powers;
}();

// |value| = digits x 10^(exponent - significant + 1), with digits of exactly `significant` digits.
struct SingleDigits {
    std::uint64_t digits = 0;
    int exponent = 0;
};

// The exact value of a Single rounded to `significant` digits in 64-bit integers, for the
// magnitudes a report writes (about 1E-10 up to 10^significant); nothing for any other Single,
// which goes through the text of to_chars. A report writes thousands of numbers, and to_chars'
// digits alone, rounded in text, took twice as long as the whole report does this way: that is
// the one reason for this arithmetic. A Single is m x 2^e with m below 2^24, so
// m x 5^s x 2^(e + s) with s moving the first digit to the right place is a shift of m x 5^s.
std::optional<SingleDigits> singleDigitsExactly(Single value, int significant, Tie tie) {
    const auto bits = std::bit_cast<std::uint32_t>(value);
    const auto biased = static_cast<int>((bits >> 23) & 0xFFu);
    if (biased == 0 || biased == 0xFF || significant >= static_cast<int>(kPowersOf10.size())) {
        return std::nullopt;
    }
    const std::uint32_t m = (bits & 0x7FFFFFu) | 0x800000u;
    const int e = biased - 150;
    // floor(log10(value)), or one off: value lies in [2^(e + 23), 2^(e + 24)).
    int exponent10 = ((e + 23) * 78913) >> 18; // 78913 / 2^18 = log10(2) to 6 digits
    const std::uint64_t limit = kPowersOf10[static_cast<std::size_t>(significant)];
    std::uint64_t q = 0;
    int half = 0; // the rest below q's last digit against a half: -1, 0 or 1
    for (int attempt = 0;; ++attempt) {
        const int s = significant - 1 - exponent10;
        const int shift = -(e + s);
        if (attempt == 3 || s < 0 || s >= static_cast<int>(kPowersOf5.size()) || shift <= 0 ||
            shift >= 64) {
            return std::nullopt;
        }
        const std::uint64_t scaled = std::uint64_t{m} * kPowersOf5[static_cast<std::size_t>(s)];
        q = scaled >> shift;
        const std::uint64_t rest = scaled & ((std::uint64_t{1} << shift) - 1);
        const std::uint64_t halfUnit = std::uint64_t{1} << (shift - 1);
        half = rest < halfUnit ? -1 : rest == halfUnit ? 0 : 1;
        if (q >= limit) {
            ++exponent10;
        } else if (q < limit / 10) {
            --exponent10;
        } else {
            break;
        }
    }
    const bool up = half > 0 || (half == 0 && (tie == Tie::AwayFromZero || (q & 1) != 0));
    if (up && ++q == limit) {
        q = limit / 10;
        ++exponent10;
    }
    return SingleDigits{q, exponent10};
}

DecimalDigits decimalDigitsOf(Single value, const SingleDigits& single, int significant) {
    DecimalDigits d;
    d.negative = std::signbit(value);
    d.count = significant;
    d.exponent = single.exponent;
    std::uint64_t digits = single.digits;
    for (int i = significant - 1; i >= 0; --i) {
        d.digits[i] = static_cast<char>('0' + digits % 10);
        digits /= 10;
    }
    return d;
}

// The significant digits of a Single or a double, correctly rounded as to_chars writes them.
template <typename T> DecimalDigits roundedDigits(T value, int significant) {
    if constexpr (std::is_same_v<T, Single>) {
        if (const auto single = singleDigitsExactly(value, significant, Tie::ToEven)) {
            return decimalDigitsOf(value, *single, significant);
        }
    }
    return decimalDigits(value, significant);
}

template <typename T> DecimalDigits digitsHalfAwayFromZero(T value, int significant) {
    if constexpr (std::is_same_v<T, Single>) {
        if (const auto single = singleDigitsExactly(value, significant, Tie::AwayFromZero)) {
            return decimalDigitsOf(value, *single, significant);
        }
    }
    return digitsHalfAwayFromZeroByText(value, significant);
}

void appendExponent(std::string& text, int exponent) {
    text += exponent < 0 ? '-' : '+';
    const int magnitude = std::abs(exponent);
    if (magnitude < 10) {
        text += '0';
    }
    char buffer[8];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, magnitude);
    text.append(buffer, end);
}

void appendNonFinite(std::string& text, double value) {
    if (std::isnan(value)) {
        text += "NaN";
    } else {
        text += value < 0 ? "-Infinity" : "Infinity";
    }
}

// The general form shared by the box text, the signed text and the exact text; they differ only
// in the blank before a non-negative value and the zero before the point. Exponent form from
// 10^exponentFrom and below 0.0001.
void appendGeneralForm(std::string& text, const DecimalDigits& d, int exponentFrom,
                       bool signedForm) {
    if (d.negative && !d.zero) {
        text += '-';
    } else if (signedForm) {
        text += ' ';
    }
    if (d.zero) {
        text += '0';
        return;
    }
    int count = d.count;
    while (count > 1 && d.digits[count - 1] == '0') {
        --count;
    }
    const char* digits = d.digits;
    if (d.exponent >= exponentFrom || d.exponent < -4) {
        text += digits[0];
        if (count > 1) {
            text += '.';
            text.append(digits + 1, digits + count);
        }
        text += 'E';
        appendExponent(text, d.exponent);
    } else if (d.exponent >= 0) {
        const int integerDigits = d.exponent + 1;
        text.append(digits, digits + std::min(integerDigits, count));
        if (count < integerDigits) {
            text.append(static_cast<std::size_t>(integerDigits - count), '0');
        } else if (count > integerDigits) {
            text += '.';
            text.append(digits + integerDigits, digits + count);
        }
    } else {
        if (!signedForm) {
            text += '0';
        }
        text += '.';
        text.append(static_cast<std::size_t>(-d.exponent - 1), '0');
        text.append(digits, digits + count);
    }
}

template <typename T>
void appendGeneralText(std::string& text, T value, int significant, bool signedForm) {
    if (!std::isfinite(value)) {
        if (signedForm && value > 0) {
            text += ' ';
        }
        appendNonFinite(text, static_cast<double>(value));
        return;
    }
    appendGeneralForm(text, roundedDigits(value, significant), significant, signedForm);
}

std::string generalFormOf(const DecimalDigits& d, int exponentFrom, bool signedForm) {
    std::string text;
    appendGeneralForm(text, d, exponentFrom, signedForm);
    return text;
}

// round(|value| x 10^k), half away from zero on the decimal digits: its digits without leading
// zeros ("0" for none) followed by `zeros` zeros.
struct ScaledDigits {
    char digits[21];
    int count = 0;
    int zeros = 0;
    int size() const { return count + zeros; }
    char at(int i) const { return i < count ? digits[i] : '0'; }
};

ScaledDigits scaledRounded(const DecimalDigits& d, int k) {
    ScaledDigits s;
    if (d.zero) {
        s.digits[s.count++] = '0';
        return s;
    }
    const int count = d.exponent + k + 1;
    if (count <= 0) {
        s.digits[s.count++] = (count == 0 && d.digits[0] >= '5') ? '1' : '0';
        return s;
    }
    const int kept = std::min(count, d.count);
    // A leading 0 of the value's digits has room for the carry of a rounding.
    s.digits[0] = '0';
    std::copy(d.digits, d.digits + kept, s.digits + 1);
    s.count = kept + 1;
    s.zeros = count - kept;
    if (count < d.count && d.digits[count] >= '5') {
        int i = s.count - 1;
        while (s.digits[i] == '9') {
            s.digits[i--] = '0';
        }
        ++s.digits[i];
    }
    int first = 0;
    while (first < s.count - 1 && s.digits[first] == '0') {
        ++first;
    }
    if (first == s.count - 1 && s.digits[first] == '0') {
        s.count = 1;
        s.digits[0] = '0';
        s.zeros = 0;
        return s;
    }
    std::copy(s.digits + first, s.digits + s.count, s.digits);
    s.count -= first;
    return s;
}

void appendScientific(std::string& text, const DecimalDigits& d) {
    if (d.zero) {
        text += "0.00E+00";
        return;
    }
    // Round the mantissa to three significant digits, half away from zero.
    DecimalDigits mantissa = d;
    mantissa.exponent = 0;
    ScaledDigits scaled = scaledRounded(mantissa, 2);
    int exponent = d.exponent;
    if (scaled.size() > 3) {
        scaled.count = 3;
        scaled.zeros = 0;
        std::copy_n("100", 3, scaled.digits);
        ++exponent;
    }
    if (d.negative) {
        text += '-';
    }
    text += scaled.at(0);
    text += '.';
    for (int i = 1; i < scaled.size(); ++i) {
        text += scaled.at(i);
    }
    text += 'E';
    appendExponent(text, exponent);
}

// The pattern text of the digits rounded half away from zero, for any magnitude and any number of
// decimals.
void appendPatternDigits(std::string& text, const DecimalDigits& d, NumberPattern pattern) {
    if (pattern.scientific) {
        appendScientific(text, d);
        return;
    }
    const ScaledDigits scaled = scaledRounded(d, pattern.decimals);
    // The digits as they stand, with zeros before them up to one integer digit.
    const int padding = std::max(0, pattern.decimals + 1 - scaled.size());
    const int size = scaled.size() + padding;
    const auto digitAt = [&](int i) { return i < padding ? '0' : scaled.at(i - padding); };
    const int integerDigits = size - pattern.decimals;
    int fractionDigits = pattern.decimals;
    while (fractionDigits > pattern.mandatoryDecimals &&
           digitAt(integerDigits + fractionDigits - 1) == '0') {
        --fractionDigits;
    }
    // A value below zero keeps its sign even when it rounds to zero: -0.0004 is "-0.00".
    if (d.negative && !d.zero) {
        text += '-';
    }
    if (!(integerDigits == 1 && digitAt(0) == '0' && !pattern.integerDigitRequired)) {
        for (int i = 0; i < integerDigits; ++i) {
            text += digitAt(i);
        }
    }
    if (fractionDigits > 0) {
        text += '.';
        for (int i = integerDigits; i < integerDigits + fractionDigits; ++i) {
            text += digitAt(i);
        }
    }
}

// The pattern text of digits x 10^(exponent - significant + 1) rounded half away from zero to the
// pattern's decimals in 64-bit integers, as the decimal digits would be rounded one by one; false,
// writing nothing, where the value times 10^decimals does not fit them. to_chars cannot round
// this way (it rounds the exact value once, to even), and rounding its digits in text instead
// made the whole report take 1.4 times as long.
bool appendFixedPattern(std::string& text, bool negative, SingleDigits value, int significant,
                        NumberPattern pattern) {
    const int decimals = pattern.decimals;
    if (decimals > 18) {
        return false;
    }
    // round(|value| x 10^decimals): the digits with `dropped` of them rounded away, or zeros added.
    std::uint64_t scaled = 0;
    if (value.digits != 0) {
        const int dropped = significant - 1 - value.exponent - decimals;
        if (dropped <= 0) {
            if (significant - dropped > 19) {
                return false;
            }
            scaled = value.digits * kPowersOf10[static_cast<std::size_t>(-dropped)];
        } else if (dropped < 20) {
            const std::uint64_t unit = kPowersOf10[static_cast<std::size_t>(dropped)];
            scaled = (value.digits + unit / 2) / unit;
        }
    }
    const std::uint64_t unit = kPowersOf10[static_cast<std::size_t>(decimals)];
    const std::uint64_t integerPart = scaled / unit;
    std::uint64_t fraction = scaled % unit;
    int fractionDigits = decimals;
    while (fractionDigits > pattern.mandatoryDecimals && fraction % 10 == 0) {
        fraction /= 10;
        --fractionDigits;
    }
    char buffer[48];
    char* out = buffer;
    // A value below zero keeps its sign even when it rounds to zero: -0.0004 is "-0.00".
    if (negative) {
        *out++ = '-';
    }
    if (integerPart != 0 || pattern.integerDigitRequired) {
        out = std::to_chars(out, buffer + sizeof buffer, integerPart).ptr;
    }
    if (fractionDigits > 0) {
        *out++ = '.';
        for (int i = fractionDigits - 1; i >= 0; --i) {
            out[i] = static_cast<char>('0' + fraction % 10);
            fraction /= 10;
        }
        out += fractionDigits;
    }
    text.append(buffer, out);
    return true;
}

template <typename T>
void appendPatternTextOf(std::string& text, T value, int significant, NumberPattern pattern) {
    if (!std::isfinite(value)) {
        appendNonFinite(text, static_cast<double>(value));
        return;
    }
    if constexpr (std::is_same_v<T, Single>) {
        if (!pattern.scientific) {
            if (value == 0.0f && appendFixedPattern(text, false, {}, significant, pattern)) {
                return;
            }
            const auto single = singleDigitsExactly(value, significant, Tie::AwayFromZero);
            if (single &&
                appendFixedPattern(text, std::signbit(value), *single, significant, pattern)) {
                return;
            }
        }
    }
    appendPatternDigits(text, digitsHalfAwayFromZero(value, significant), pattern);
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
    for (int digits = shortest.count + 1; fileNumber(text) != value && digits <= 9; ++digits) {
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
    std::string text;
    appendExactPatternText(text, value, NumberPattern::read(pattern));
    return text;
}

void appendExactPatternText(std::string& text, Single value, NumberPattern pattern) {
    const std::size_t start = text.size();
    appendPatternText(text, value, pattern);
    if (fileNumber(std::string_view(text).substr(start)) != value) {
        text.resize(start);
        text += exactTextFrom(value, pattern.scientific ? std::numeric_limits<int>::min() : 7);
    }
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

namespace {

template <typename T> std::string generalText(T value, int significant, bool signedForm) {
    std::string text;
    appendGeneralText(text, value, significant, signedForm);
    return text;
}

} // namespace

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
    std::string text;
    appendSignedText(text, value);
    return text;
}
std::string signedText(const Variant& value) {
    std::string text;
    appendSignedText(text, value);
    return text;
}

std::string patternText(Single value, std::string_view pattern) {
    std::string text;
    appendPatternText(text, value, NumberPattern::read(pattern));
    return text;
}
std::string patternText(double value, std::string_view pattern) {
    std::string text;
    appendPatternText(text, value, NumberPattern::read(pattern));
    return text;
}

void appendSignedText(std::string& text, Single value) {
    appendGeneralText(text, value, 7, true);
}
void appendSignedText(std::string& text, double value) {
    appendGeneralText(text, value, 15, true);
}
void appendSignedText(std::string& text, long long value) {
    if (value >= 0) {
        text += ' ';
    }
    char buffer[24];
    const auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
    text.append(buffer, end);
}
void appendSignedText(std::string& text, const Variant& value) {
    switch (value.kind) {
    case Variant::Kind::Empty: // an empty Variant prints as the number 0
    case Variant::Kind::Integer:
        appendSignedText(text, static_cast<long long>(value.value));
        return;
    case Variant::Kind::Single:
        appendSignedText(text, value.value);
        return;
    }
    text += " 0";
}

void appendPatternText(std::string& text, Single value, NumberPattern pattern) {
    appendPatternTextOf(text, value, 7, pattern);
}
void appendPatternText(std::string& text, double value, NumberPattern pattern) {
    appendPatternTextOf(text, value, 15, pattern);
}

} // namespace korvex::num
