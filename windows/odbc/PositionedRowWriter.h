#pragma once

#include "core/playlistdb/CursorRecordset.h"
#include "windows/odbc/BoundValue.h"
#include "windows/odbc/OdbcConnection.h"
#include "windows/odbc/OdbcError.h"
#include "windows/odbc/OdbcQuery.h"

#include <memory>
#include <vector>

namespace karusello::dao {

// The buffers of a positioned update: every column of the row bound, so that the update does
// not depend on what a driver does with unbound columns. The changed columns hold their new
// value (or null); every other column is marked SQL_COLUMN_IGNORE, the documented way to leave
// a column alone, and holds the row's value as read, so that a driver that disregards the mark
// (the SQLite ODBC driver writes every bound column) writes back what is there. Only a null
// cannot be both marked and given: such a driver writes it as an empty text.
std::vector<BoundValue> PositionedBindings(OdbcBackend backend,
                                           const std::vector<OdbcColumn>& columns,
                                           const std::vector<FieldValue>& row,
                                           const ChangedFields& changed);

// True when the records of a failed positioned update say that the driver cannot do it for
// this cursor (its own refusal), rather than that the row could not be written (a lock, a
// rule of the table): then the row may still be written another way, nothing having been
// written.
bool RefusesPositionedUpdate(OdbcBackend backend, const std::vector<OdbcDiagnostic>& records);

// Writes the changed fields of the cursor's current row with the driver's positioned update
// (SQLSetPos), which finds the row by the cursor's own means (a bookmark, a key), so that rows
// equal in every field stay apart.
class PositionedRowWriter {
public:
    PositionedRowWriter(std::shared_ptr<OdbcConnection> connection, const OdbcQuery& query);

    // False when the driver refuses the update for this cursor; nothing was written then.
    // Throws the mapped error when the row could not be written, DbNoCurrentRecord when the
    // driver reports it gone (a cursor operation conflict, or the row's status).
    bool Write(const std::vector<FieldValue>& row, const ChangedFields& changed);

private:
    std::shared_ptr<OdbcConnection> connection_;
    const OdbcHandle& statement_;
    SQLUSMALLINT firstColumn_;
    const std::vector<OdbcColumn>& columns_;
};

} // namespace karusello::dao
