#pragma once

#include "windows/odbc/OdbcConnection.h"
#include "windows/odbc/OdbcQuery.h"

#include <optional>
#include <string>
#include <vector>

namespace karusello::dao {

// The unique key by which a searched UPDATE finds one row of a recordset's table.
struct RowKey {
    // The key's columns, in the key's order, as the catalog names them.
    std::vector<std::string> columns;
    // The recordset's fields that hold them, in the same order.
    std::vector<int> fields;
};

// The key of the table whose rows the query reads, from the driver's catalog: its primary key
// (SQLPrimaryKeys), else its first unique index (SQLStatistics). Nothing where the table is not
// known, where a column of the query is none of the table's (an alias, an expression), where
// the table has neither, or where the query does not hold every column of the key.
std::optional<RowKey> FindRowKey(const OdbcConnection& connection, const OdbcQuery& query);

// The columns of a unique index from SQLStatistics' rows (index name, position in the index,
// column name; rows without a column name describe the table, not an index): those of the
// first index in the driver's order, sorted by their position.
struct IndexColumn {
    std::string index;
    int position = 0;
    std::string column;
};
std::vector<std::string> FirstIndexColumns(const std::vector<IndexColumn>& rows);

} // namespace karusello::dao
