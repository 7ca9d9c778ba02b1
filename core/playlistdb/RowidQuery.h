#pragma once

#include "core/playlistdb/SqlText.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace karusello::dao {

// Where a result column of a query comes from, as the database software reports it.
struct ColumnOrigin {
    // The table of the main database; empty for an expression, a view's or a subquery's column.
    std::string table;
    // The table's column behind it; empty where the software cannot tell.
    std::string column;
};

// The names by which SQLite selects a table's rowid, in the order they are tried: an ordinary
// column may take any of them, and then one of the others still means the rowid.
inline constexpr std::array<std::string_view, 3> kRowidNames = {"rowid", "_rowid_", "oid"};

// The one table that every column is a column of; nothing where a column has no table or no
// table column behind it, or where the columns come from different tables.
std::optional<std::string> SingleSourceTable(const std::vector<ColumnOrigin>& columns);

// True when the columns of the text prepared with the rowid in front are what that text must
// give: one column more than the query has, and the first one from the query's own table (a
// join can make the name mean another table's rowid).
bool LeadsWithRowidOf(const std::vector<ColumnOrigin>& columns, const std::string& table,
                      std::size_t queryColumns);

// A query prepared with the rowid of its one table as a hidden first column, so that each of
// its rows can be written back by its rowid.
template <class Statement> struct RowidQuery {
    Statement statement;
    std::string table;
    // The name by which the hidden column selects the rowid.
    std::string rowidName;
};

// The query text prepared with the rowid of its table in front, or nothing when its rows cannot
// be written back by rowid: a column from elsewhere, a text that does not take the rowid
// (DISTINCT, a compound query, a table without rowid), a join that makes the name ambiguous.
// columns are those of the text as it is. The driver gives its type Statement and:
//   bool SelectsRowid(const std::string& table, std::string_view name): the name, selected from
//       the table, is its rowid (no ordinary column of the table takes it);
//   std::optional<Statement> Prepare(const std::string& sql): the prepared text, nothing when it
//       does not prepare;
//   std::vector<ColumnOrigin> Origins(const Statement&): where its columns come from.
template <class Driver, class Statement = typename Driver::Statement>
std::optional<RowidQuery<Statement>> PrepareWithRowid(Driver& driver, const std::string& sql,
                                                      const std::vector<ColumnOrigin>& columns) {
    const std::optional<std::string> table = SingleSourceTable(columns);
    if (!table) {
        return std::nullopt;
    }
    for (const std::string_view name : kRowidNames) {
        if (!driver.SelectsRowid(*table, name)) {
            continue;
        }
        const std::optional<std::string> text = WithLeadingColumn(sql, name);
        if (!text) {
            return std::nullopt;
        }
        std::optional<Statement> statement = driver.Prepare(*text);
        if (!statement || !LeadsWithRowidOf(driver.Origins(*statement), *table, columns.size())) {
            return std::nullopt;
        }
        return RowidQuery<Statement>{std::move(*statement), *table, std::string(name)};
    }
    return std::nullopt;
}

} // namespace karusello::dao
