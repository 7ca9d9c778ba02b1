#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace karusello::dao {

// Pieces of SQL text that the drivers build the same way.

// True when two names of tables, columns or fields are the same to the database: ASCII letters
// compare without regard to case.
bool SameSqlName(std::string_view a, std::string_view b);

// The text between two quote characters, each quote inside it doubled: with '"' a name, with
// '\'' a text literal.
std::string Quoted(std::string_view text, char quote);

// The query text with "<column>," inserted right after its leading SELECT keyword (any case,
// blanks before it allowed), so that the result gains a first column; nothing when the text does
// not begin with that keyword. Drivers use it to fetch a row's key along with the row.
std::optional<std::string> WithLeadingColumn(const std::string& sql, std::string_view column);

// UPDATE "<table>" SET "<column>"=?, ... WHERE <rowidName>=?, setting the columns at these
// indexes of columns: their parameters in the order of fields, then the rowid's.
std::string UpdateByRowidText(std::string_view table, const std::vector<std::string>& columns,
                              const std::vector<int>& fields, std::string_view rowidName);

} // namespace karusello::dao
