#pragma once

#include <cstdint>
#include <string>
#include <variant>

namespace karusello::dao {

// The value of one field of the current row, as the database holds it. Null stays apart from 0
// and from the empty text.
class FieldValue {
public:
    using Storage = std::variant<std::monostate, std::int64_t, double, std::string>;

    FieldValue() = default;
    explicit FieldValue(Storage value) : value_(std::move(value)) {}

    bool IsNull() const { return std::holds_alternative<std::monostate>(value_); }
    const Storage& Raw() const { return value_; }

    // As a 32-bit signed integer, rounding half to even. Null: InvalidUseOfNull; a text that
    // is no number: TypeMismatch; out of range: Overflow.
    std::int32_t ToInt32() const;
    // As text (numbers in their decimal form). Null: InvalidUseOfNull.
    std::string ToText() const;
    // Compares with a number, as the test "grid = -1" needs it: 1 equal, 0 not equal, -1 when
    // the value is null and cannot be compared. A text is compared as the number it spells;
    // a text that is no number: TypeMismatch.
    int CompareEqual(double number) const;

private:
    Storage value_;
};

} // namespace karusello::dao
