#include "linux/sqlite/SqliteRecordset.h"

#include "core/errors/RuntimeError.h"
#include "linux/sqlite/Connection.h"

#include <optional>
#include <sqlite3.h>
#include <utility>

namespace karusello::dao {

namespace {

FieldValue ColumnValue(sqlite3_stmt* statement, int index) {
    switch (sqlite3_column_type(statement, index)) {
    case SQLITE_INTEGER:
        return FieldValue(static_cast<std::int64_t>(sqlite3_column_int64(statement, index)));
    case SQLITE_FLOAT:
        return FieldValue(sqlite3_column_double(statement, index));
    case SQLITE_TEXT:
    case SQLITE_BLOB: {
        const auto* bytes = static_cast<const char*>(sqlite3_column_blob(statement, index));
        const auto size = static_cast<std::size_t>(sqlite3_column_bytes(statement, index));
        return FieldValue(std::string(bytes != nullptr ? bytes : "", size));
    }
    default:
        return FieldValue();
    }
}

} // namespace

// The select statement is stepped row by row; only the current row is in memory.
//
// Writing the current row while the select goes on stepping is safe for the queries that this
// program runs: an UPDATE ... WHERE rowid=? on the same connection changes only the row just
// read, and only a field that is no part of the order the scan follows. The entry query walks
// the playlist by plid (through an index on (pnid, plid) or the table's rowid order), and sid is
// in neither key, so no row moves within the scan and none is seen twice or skipped. Where an
// ORDER BY needs a sort, SQLite's sorter has read every row before the first one is returned,
// so later writes cannot reach the rows still to come either.
SqliteRecordset::SqliteRecordset(std::shared_ptr<Connection> connection, const std::string& sql,
                                 RecordsetType type)
    : connection_(std::move(connection)),
      query_(PrepareQuery(*connection_, sql, type == dbOpenDynaset)) {
    FetchFirstRow();
}

SqliteRecordset::~SqliteRecordset() = default;

bool SqliteRecordset::FetchRow() {
    const int rc = sqlite3_step(query_.statement.get());
    if (rc == SQLITE_ROW) {
        return true;
    }
    std::optional<RuntimeError> error;
    if (rc != SQLITE_DONE) {
        error = connection_->Error(rc);
    }
    // Ends the statement's read at once, so that it holds no lock on the file.
    sqlite3_reset(query_.statement.get());
    if (error) {
        throw *error;
    }
    return false;
}

std::size_t SqliteRecordset::FieldCount() const {
    return query_.fieldNames.size();
}

const std::string& SqliteRecordset::FieldName(std::size_t field) const {
    return query_.fieldNames[field];
}

FieldValue SqliteRecordset::StoredValue(int field) const {
    return ColumnValue(query_.statement.get(), query_.firstField + field);
}

WritePath SqliteRecordset::RowWriting() const {
    if (!query_.Updatable()) {
        return {};
    }
    return {WriteMethod::Rowid, query_.rowidName};
}

bool SqliteRecordset::Updatable() const {
    return query_.Updatable();
}

void SqliteRecordset::WriteRow(const ChangedFields& fields) {
    if (!writer_) {
        writer_ = std::make_unique<RowWriter>(connection_, query_);
    }
    sqlite3_stmt* statement = query_.statement.get();
    if (sqlite3_column_type(statement, 0) != SQLITE_INTEGER) {
        ThrowNoRowid();
    }
    writer_->Write(sqlite3_column_int64(statement, 0), fields);
}

void SqliteRecordset::ReleaseCursor() {
    writer_.reset();
    query_.statement.reset();
}

} // namespace karusello::dao
