#include "core/text/NumberRule.h"

#include "core/errors/RuntimeError.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>
#include <string_view>

namespace karusello {
namespace {

// Blanks, tabs and line feeds do not count anywhere in a number.
std::string WithoutBlanks(std::string_view text) {
    std::string compact;
    for (const char c : text) {
        if (c != ' ' && c != '\t' && c != '\n') {
            compact += c;
        }
    }
    return compact;
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

int HexDigitValue(char c) {
    if (IsDigit(c)) {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

// "&H" and "&O" numbers: a value up to 0xFFFF is a 16-bit signed integer (&HFFFF is -1), a
// value up to 0xFFFFFFFF a 32-bit signed one (&HFFFFFFFF is -1); more does not fit.
double RadixNumber(std::string_view digits, int radix) {
    std::uint64_t value = 0;
    for (const char c : digits) {
        const int digit = radix == 16 ? HexDigitValue(c) : (c >= '0' && c <= '7' ? c - '0' : -1);
        if (digit < 0) {
            break;
        }
        value = value * static_cast<unsigned>(radix) + static_cast<unsigned>(digit);
        if (value > 0xFFFFFFFFu) {
            throw RuntimeError(errnum::Overflow);
        }
    }
    if (value <= 0xFFFFu) {
        return static_cast<std::int16_t>(static_cast<std::uint16_t>(value));
    }
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
}

std::size_t SkipDigits(const std::string& text, std::size_t pos) {
    while (pos < text.size() && IsDigit(text[pos])) {
        ++pos;
    }
    return pos;
}

// The longest start of text that forms a decimal number: sign, digits, full stop, digits, and
// an exponent only when digits follow its letter. Empty when there are no digits.
std::string DecimalPrefix(const std::string& text) {
    std::size_t pos = 0;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        ++pos;
    }
    const std::size_t intStart = pos;
    pos = SkipDigits(text, pos);
    bool hasDigits = pos > intStart;
    if (pos < text.size() && text[pos] == '.') {
        const std::size_t fracStart = ++pos;
        pos = SkipDigits(text, pos);
        hasDigits = hasDigits || pos > fracStart;
    }
    if (!hasDigits) {
        return {};
    }
    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        std::size_t expPos = pos + 1;
        if (expPos < text.size() && (text[expPos] == '+' || text[expPos] == '-')) {
            ++expPos;
        }
        const std::size_t expEnd = SkipDigits(text, expPos);
        if (expEnd > expPos) {
            pos = expEnd;
        }
    }
    return text.substr(0, pos);
}

// The power of ten of a decimal number's first significant digit ("123" is 2, "0.05e3" is 1);
// the exponent is read with saturation, which is enough to tell a huge number from a tiny one.
long DecimalMagnitude(std::string_view digits) {
    std::size_t pos = 0;
    long magnitude = 0;
    while (pos < digits.size() && digits[pos] == '0') {
        ++pos;
    }
    const std::size_t significant = pos;
    pos = SkipDigits(std::string(digits), pos);
    if (pos > significant) {
        magnitude = static_cast<long>(pos - significant) - 1;
    } else if (pos < digits.size() && digits[pos] == '.') {
        ++pos;
        while (pos < digits.size() && digits[pos] == '0') {
            ++pos;
            --magnitude;
        }
        --magnitude;
    }
    const std::size_t letter = digits.find_first_of("eE");
    if (letter != std::string_view::npos) {
        long exponent = 0;
        std::size_t at = letter + 1;
        const bool negative = at < digits.size() && digits[at] == '-';
        if (at < digits.size() && (digits[at] == '-' || digits[at] == '+')) {
            ++at;
        }
        for (; at < digits.size() && IsDigit(digits[at]); ++at) {
            exponent = std::min(exponent * 10 + (digits[at] - '0'), 1000000L);
        }
        magnitude += negative ? -exponent : exponent;
    }
    return magnitude;
}

// Reads a decimal number with the full stop as separator whatever the process's locale (the Qt
// window sets the user's). A value beyond the range of double gives infinity with its sign, one
// too small for it zero, as strtod gives them.
double ParseDecimal(const std::string& number) {
    std::string_view digits = number;
    const bool negative = !digits.empty() && digits.front() == '-';
    if (!digits.empty() && (digits.front() == '+' || digits.front() == '-')) {
        digits.remove_prefix(1);
    }
    double value = 0.0;
    const auto result = std::from_chars(digits.data(), digits.data() + digits.size(), value,
                                        std::chars_format::general);
    if (result.ec == std::errc::result_out_of_range) {
        value = DecimalMagnitude(digits) > 0 ? HUGE_VAL : 0.0;
    }
    return negative ? -value : value;
}

bool StartsWithRadix(const std::string& text, char letter) {
    return text.size() >= 2 && text[0] == '&' && (text[1] == letter || text[1] == letter + 32);
}

} // namespace

double LeadingNumber(std::string_view text) {
    const std::string compact = WithoutBlanks(text);
    if (StartsWithRadix(compact, 'H')) {
        return RadixNumber(std::string_view(compact).substr(2), 16);
    }
    if (StartsWithRadix(compact, 'O')) {
        return RadixNumber(std::string_view(compact).substr(2), 8);
    }
    const std::string number = DecimalPrefix(compact);
    return number.empty() ? 0.0 : ParseDecimal(number);
}

std::int32_t ToInt32(double value) {
    if (!std::isfinite(value)) {
        throw RuntimeError(errnum::Overflow);
    }
    const double lower = std::floor(value);
    const double fraction = value - lower;
    double rounded = lower;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(lower, 2.0) != 0.0)) {
        rounded = lower + 1.0;
    }
    if (rounded < -2147483648.0 || rounded > 2147483647.0) {
        throw RuntimeError(errnum::Overflow);
    }
    return static_cast<std::int32_t>(rounded);
}

} // namespace karusello
