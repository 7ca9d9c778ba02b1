#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace karusello::dao {

// The query text with "<column>," inserted right after its leading SELECT keyword (any case,
// blanks before it allowed), so that the result gains a first column; nothing when the text does
// not begin with that keyword. Drivers use it to fetch a row's key along with the row.
std::optional<std::string> WithLeadingColumn(const std::string& sql, std::string_view column);

} // namespace karusello::dao
