// The number rule on any text: LeadingNumber and ToInt32 never crash, fail only with an
// overflow, agree with a plain reference reading, and ignore blanks wherever they stand.
#include "FuzzInput.h"
#include "core/text/NumberRule.h"
#include "core/errors/RuntimeError.h"

#include <cfenv>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <regex>

namespace {

using karusello::fuzz::Check;

std::string WithoutBlanks(std::string_view text) {
    std::string compact;
    for (const char c : text) {
        if (c != ' ' && c != '\t' && c != '\n') {
            compact += c;
        }
    }
    return compact;
}

// The "&H"/"&O" integers: digits up to the first one that does not belong; up to 0xFFFF a
// 16-bit, up to 0xFFFFFFFF a 32-bit signed value; beyond that an overflow (nullopt).
std::optional<double> ReferenceRadix(std::string_view digits, int radix) {
    const std::string_view allowed = radix == 16 ? "0123456789abcdefABCDEF" : "01234567";
    std::uint64_t value = 0;
    for (const char c : digits) {
        if (allowed.find(c) == std::string_view::npos) {
            break;
        }
        const char lower = static_cast<char>(c | 0x20);
        const int digit = (c >= '0' && c <= '9') ? c - '0' : lower - 'a' + 10;
        value = value * static_cast<std::uint64_t>(radix) + static_cast<std::uint64_t>(digit);
        if (value > 0xFFFFFFFFull) {
            return std::nullopt;
        }
    }
    if (value <= 0xFFFF) {
        return value >= 0x8000 ? static_cast<double>(value) - 65536.0 : static_cast<double>(value);
    }
    return value >= 0x80000000ull ? static_cast<double>(value) - 4294967296.0
                                  : static_cast<double>(value);
}

// The longest start of the text that is a decimal number, read by strtod.
double ReferenceDecimal(const std::string& text) {
    static const std::regex number(R"([+-]?([0-9]+\.?[0-9]*|\.[0-9]+)([eE][+-]?[0-9]+)?)");
    for (std::size_t length = text.size(); length > 0; --length) {
        const std::string prefix = text.substr(0, length);
        if (std::regex_match(prefix, number)) {
            return std::strtod(prefix.c_str(), nullptr);
        }
    }
    return 0.0;
}

std::optional<double> ReferenceLeadingNumber(std::string_view text) {
    const std::string compact = WithoutBlanks(text);
    if (compact.size() >= 2 && compact[0] == '&' && (compact[1] == 'H' || compact[1] == 'h')) {
        return ReferenceRadix(std::string_view(compact).substr(2), 16);
    }
    if (compact.size() >= 2 && compact[0] == '&' && (compact[1] == 'O' || compact[1] == 'o')) {
        return ReferenceRadix(std::string_view(compact).substr(2), 8);
    }
    return ReferenceDecimal(compact);
}

// nullopt: the rule reports an overflow. Any other error is a fault.
std::optional<double> Leading(std::string_view text) {
    try {
        return karusello::LeadingNumber(text);
    } catch (const karusello::RuntimeError& error) {
        Check(error.Number() == karusello::errnum::Overflow, "LeadingNumber: not an overflow");
        return std::nullopt;
    }
}

bool SameNumber(double a, double b) {
    return a == b || (std::isnan(a) && std::isnan(b));
}

void CheckToInt32(double value) {
    std::optional<std::int32_t> got;
    try {
        got = karusello::ToInt32(value);
    } catch (const karusello::RuntimeError& error) {
        Check(error.Number() == karusello::errnum::Overflow, "ToInt32: not an overflow");
    }
    // Round half to even, as the floating-point unit does by default.
    std::fesetround(FE_TONEAREST);
    const double rounded = std::nearbyint(value);
    const bool fits = std::isfinite(value) && rounded >= -2147483648.0 && rounded <= 2147483647.0;
    Check(got.has_value() == fits, "ToInt32: overflow where the value fits, or the other way");
    if (got) {
        Check(static_cast<double>(*got) == rounded, "ToInt32: not rounded half to even");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > 4096) {
        return 0;
    }
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::optional<double> value = Leading(text);

    // Blanks, tabs and line feeds do not count, wherever they stand.
    std::string spaced;
    for (const char c : text) {
        spaced += c;
        spaced += (c & 1) != 0 ? ' ' : '\t';
    }
    const std::optional<double> spacedValue = Leading("\n " + spaced);
    Check(value.has_value() == spacedValue.has_value() &&
              (!value || SameNumber(*value, *spacedValue)),
          "LeadingNumber: blanks changed the number");

    // The regular expression of the reference is slow on long texts.
    if (size <= 256) {
        const std::optional<double> expected = ReferenceLeadingNumber(text);
        Check(value.has_value() == expected.has_value() &&
                  (!value || SameNumber(*value, *expected)),
              "LeadingNumber differs from the reference");
    }

    if (value) {
        CheckToInt32(*value);
    }
    if (size >= sizeof(double)) {
        double raw = 0;
        std::memcpy(&raw, data, sizeof raw);
        CheckToInt32(raw);
    }
    return 0;
}
