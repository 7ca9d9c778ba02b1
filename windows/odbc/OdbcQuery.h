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
    // The table the column comes from; empty for an expression, and where the driver does not
    // tell.
    std::string table;
};

// How the rows of a query are meant to go back to the file; it decides how the query runs.
enum class WritePlan {
    ReadOnly,
    // SQLite: an UPDATE by the rowid, which the query fetches as a hidden first column.
    Rowid,
    // A cursor whose current row the driver itself can change (SQLSetPos), else as Keyed.
    Positioned,
    // An UPDATE by the table's primary key or a unique index, whose columns the query holds.
    Keyed,
};

// The plan for a query on this connection: updatable asks for rows that can be changed.
WritePlan PlanFor(const OdbcConnection& connection, bool updatable);

// The executed statement behind a recordset and what is known about its columns.
struct OdbcQuery {
    OdbcHandle statement;
    WritePlan plan = WritePlan::ReadOnly;
    // The ODBC number of the first visible column: 2 when column 1 is the hidden rowid.
    SQLUSMALLINT firstColumn = 1;
    std::vector<OdbcColumn> columns;
    // The one table whose rows the query reads, where it is known: Rowid, from SQLite's own
    // answer; Positioned and Keyed, as the driver names the columns' table or, where it names
    // none, as the text names it.
    std::string table;
    // Rowid: the name by which the hidden column selects the rowid ("rowid", or "_rowid_" or
    // "oid" where the table has an ordinary column of that name); empty where the rows cannot
    // be written back by rowid.
    std::string rowidName;
    // Positioned: the cursor that the driver gave (its type and concurrency after the query
    // ran) can update its current row.
    bool positionable = false;
};

// Runs a query for its plan. Rowid: when every column is a column of one table, the text runs
// with that table's rowid in front; otherwise, or when that text does not prepare, as given.
// Positioned: a keyset cursor with locking is asked for, and the driver says what it gave.
// ReadOnly and Keyed: the text runs as given.
OdbcQuery RunQuery(const OdbcConnection& connection, const std::string& sql, WritePlan plan);

} // namespace karusello::dao
