#pragma once

#include "windows/odbc/OdbcConnection.h"
#include "windows/odbc/OdbcQuery.h"
#include "core/playlistdb/CursorRecordset.h"

#include <cstdint>
#include <memory>
#include <optional>

namespace karusello::dao {

// Writes the changed fields of a recordset's current row back to its table, that row only.
class OdbcRowWriter {
public:
    virtual ~OdbcRowWriter() = default;
    // rowid: the current row's hidden rowid, where the query has one.
    virtual void Write(std::optional<std::int64_t> rowid, const ChangedFields& values) = 0;
};

// SQLite: UPDATE <table> SET <column>=? ... WHERE rowid=?, on the recordset's connection; the
// rowid is the row's own, whatever the other rows hold. Access: a positioned update of the
// cursor's current row (SQLSetPos), which the driver finds by its bookmark.
std::unique_ptr<OdbcRowWriter> MakeRowWriter(std::shared_ptr<OdbcConnection> connection,
                                             const OdbcQuery& query);

} // namespace karusello::dao
