#include "core/playlistdb/FieldValue.h"

#include "core/text/NumberRule.h"
#include "core/errors/RuntimeError.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <optional>
#include <string_view>

namespace karusello::dao {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// A text that is a number as a whole, blanks around it allowed: "12", " -2.5 ", "1e3".
std::optional<double> ParseNumber(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
    }
    // from_chars alone would also take "inf" and "nan".
    if (text.empty() || text.find_first_not_of("0123456789.eE+-") != std::string_view::npos) {
        return std::nullopt;
    }
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error == std::errc::result_out_of_range) {
        throw RuntimeError(errnum::Overflow);
    }
    if (error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

double NumberFromText(const std::string& text) {
    const std::optional<double> number = ParseNumber(text);
    if (!number) {
        throw RuntimeError(errnum::TypeMismatch);
    }
    return *number;
}

bool IntegerEquals(std::int64_t value, double number) {
    // Compared exactly: a double near 2^63 must not round its way into equality.
    constexpr double kTwoTo63 = 9223372036854775808.0;
    if (number != std::floor(number) || number < -kTwoTo63 || number >= kTwoTo63) {
        return false;
    }
    return value == static_cast<std::int64_t>(number);
}

template <class... Ts> struct Overloaded : Ts... { using Ts::operator()...; };
template <class... Ts> Overloaded(Ts...) -> Overloaded<Ts...>;

} // namespace

std::int32_t FieldValue::ToInt32() const {
    return std::visit(Overloaded{[](std::monostate) -> std::int32_t {
                                     throw RuntimeError(errnum::InvalidUseOfNull);
                                 },
                                 [](std::int64_t value) -> std::int32_t {
                                     if (value < std::numeric_limits<std::int32_t>::min() ||
                                         value > std::numeric_limits<std::int32_t>::max()) {
                                         throw RuntimeError(errnum::Overflow);
                                     }
                                     return static_cast<std::int32_t>(value);
                                 },
                                 [](double value) { return karusello::ToInt32(value); },
                                 [](const std::string& text) {
                                     return karusello::ToInt32(NumberFromText(text));
                                 }},
                      value_);
}

std::string FieldValue::ToText() const {
    return std::visit(Overloaded{[](std::monostate) -> std::string {
                                     throw RuntimeError(errnum::InvalidUseOfNull);
                                 },
                                 [](std::int64_t value) { return std::to_string(value); },
                                 [](double value) {
                                     char buffer[32];
                                     const auto result =
                                         std::to_chars(buffer, buffer + sizeof buffer, value);
                                     return std::string(buffer, result.ptr);
                                 },
                                 [](const std::string& text) {
                                     return text;
                                 }},
                      value_);
}

int FieldValue::CompareEqual(double number) const {
    return std::visit(
        Overloaded{[](std::monostate) { return -1; },
                   [&](std::int64_t value) { return IntegerEquals(value, number) ? 1 : 0; },
                   [&](double value) { return value == number ? 1 : 0; },
                   [&](const std::string& text) {
                       return NumberFromText(text) == number ? 1 : 0;
                   }},
        value_);
}

} // namespace karusello::dao
