#pragma once

#include "linux/sqlite/Connection.h"

#include <string>
#include <vector>

namespace karusello::dao {

// The statement behind a recordset and what is known about its result columns.
struct PreparedQuery {
    StatementPtr statement;
    // Index of the first visible column: 1 when column 0 is the hidden rowid.
    int firstField = 0;
    // Names of the visible columns, as the query names them.
    std::vector<std::string> fieldNames;
    // The table column behind each visible column.
    std::vector<std::string> columnNames;
    // The one table that every column comes from; empty when the rows cannot be updated.
    std::string table;
    // The name by which the hidden column selects the rowid ("rowid" unless the table has an
    // ordinary column of that name).
    std::string rowidName;

    bool Updatable() const { return !table.empty(); }
};

// Prepares a query. When every result column comes from one table of the main database, the
// same text is prepared with "rowid, " (or another name of the rowid, when the table has a
// column called rowid) right after its leading SELECT, so that a row can be
// written back by its rowid; otherwise, or when that text does not prepare, the text runs
// exactly as given and its rows are read-only. Without updatable the text runs as given at once.
PreparedQuery PrepareQuery(const Connection& connection, const std::string& sql, bool updatable);

} // namespace karusello::dao
