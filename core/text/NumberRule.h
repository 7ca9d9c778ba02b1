#pragma once

#include <cstdint>
#include <string_view>

namespace karusello {

// The leading number of a text: blanks, tabs and line feeds are skipped wherever they stand;
// sign, digits, full stop and exponent are read up to the first character that does not fit;
// "&H" and "&O" at the start introduce a hexadecimal or octal integer. No digits give 0.
double LeadingNumber(std::string_view text);

// A number as a 32-bit signed integer, a half going to the even neighbour. Throws
// RuntimeError(errnum::Overflow) outside -2147483648..2147483647.
std::int32_t ToInt32(double value);

} // namespace karusello
