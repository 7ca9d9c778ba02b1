#pragma once

namespace karusello::dao {

// How an ODBC recordset writes its rows back. The program goes by the driver behind the file;
// the tests choose each of the other ways, to run it against the SQLite ODBC driver as well.
enum class RowWriterChoice {
    // SQLite ODBC driver: by rowid. Access driver: positioned, else keyed.
    ByBackend,
    // The driver's update of the cursor's current row (SQLSetPos); where the driver cannot
    // give a cursor that does it, or refuses it, a searched UPDATE by the table's key.
    Positioned,
    // Only the searched UPDATE by the table's primary key or a unique index.
    Keyed,
};

} // namespace karusello::dao
