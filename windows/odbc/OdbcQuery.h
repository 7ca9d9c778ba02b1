#pragma once

#include "windows/odbc/ColumnValue.h"
#include "windows/odbc/OdbcConnection.h"

#include <string>
#include <vector>

namespace karusello::dao {

// A result column as the driver describes it.
struct OdbcColumn {
    std::string name;
    ColumnKind kind = ColumnKind::Text;
    // The table the column comes from; empty for an expression.
    std::string table;
};

// The executed statement behind a recordset and what is known about its columns.
struct OdbcQuery {
    OdbcHandle statement;
    // The ODBC number of the first visible column: 2 when column 1 is the hidden rowid.
    SQLUSMALLINT firstColumn = 1;
    std::vector<OdbcColumn> columns;
    // The one table that every column comes from; empty when the rows cannot be changed.
    std::string table;
    // SQLite: the name by which the hidden column selects the rowid ("rowid", or "_rowid_" or
    // "oid" when the table has an ordinary column of that name).
    std::string rowidName;

    bool Updatable() const { return !table.empty(); }
};

// Runs a query. updatable: the rows are meant to be changed in place, which each backend
// prepares in its own way. SQLite: when every column is a column of one table, the text runs
// with that table's rowid in front, so that a row can be written back by it; otherwise, or
// when that text does not prepare, the text runs as given and read-only. Access: a keyset
// cursor with locking, whose current row the driver itself writes back (its bookmark finds it).
OdbcQuery RunQuery(const OdbcConnection& connection, const std::string& sql, bool updatable);

} // namespace karusello::dao
