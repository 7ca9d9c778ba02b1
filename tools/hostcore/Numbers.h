#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace karusello::hostsim {

// The whole text as a decimal 32-bit signed integer ("-1", "17"); nothing else is accepted:
// no blanks, no sign without digits, no trailing characters, nothing outside the range.
std::optional<std::int32_t> ParseInt32(std::string_view text);

} // namespace karusello::hostsim
