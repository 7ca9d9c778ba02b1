#include "config/NumberRule.h"

#include "config/RuntimeError.h"

#include <clocale>
#include <cmath>
#include <cstdlib>
#include <locale.h>
#include <string>

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

// Reads a decimal number with the full stop as separator whatever the process's locale; a
// value beyond the range of double gives infinity with its sign.
double ParseDecimal(const std::string& number) {
    static const locale_t cLocale = ::newlocale(LC_ALL_MASK, "C", locale_t{});
    return ::strtod_l(number.c_str(), nullptr, cLocale);
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
