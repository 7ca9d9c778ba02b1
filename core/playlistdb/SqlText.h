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

// UPDATE <table> SET <column>=?, ... WHERE <key>=? AND ...: the names as given (the caller
// quotes them where they need it); the parameters are the columns' values in their order, then
// the keys' values.
std::string UpdateRowText(std::string_view table, const std::vector<std::string>& columns,
                          const std::vector<std::string>& keys);

// UPDATE "<table>" SET "<column>"=?, ... WHERE <rowidName>=?, setting the columns at these
// indexes of columns: their parameters in the order of fields, then the rowid's.
std::string UpdateByRowidText(std::string_view table, const std::vector<std::string>& columns,
                              const std::vector<int>& fields, std::string_view rowidName);

// The table of a text of the form SELECT <columns> FROM <table> [WHERE ...] [ORDER BY ...], its
// name without quotes; nothing for a text of any other form (a join, a subquery or an
// expression among the columns, several tables). For a driver that does not tell which table a
// result column comes from.
std::optional<std::string> SelectedTable(std::string_view sql);

} // namespace karusello::dao
