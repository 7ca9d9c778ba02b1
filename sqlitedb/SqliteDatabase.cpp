#include "sqlitedb/SqliteDatabase.h"

#include "config/RuntimeError.h"
#include "sqlitedb/Connection.h"
#include "sqlitedb/SqliteRecordset.h"

namespace karusello::dao {

namespace {

Connection& Open(const std::shared_ptr<Connection>& connection) {
    if (!connection) {
        throw RuntimeError(errnum::DbGeneric, "Die Datenbank ist geschlossen.");
    }
    return *connection;
}

} // namespace

SqliteDatabase::SqliteDatabase(std::shared_ptr<Connection> connection)
    : connection_(std::move(connection)) {}

SqliteDatabase::~SqliteDatabase() {
    try {
        Close();
    } catch (...) {
        // A failed rollback leaves the transaction to SQLite, which drops it with the connection.
    }
}

std::unique_ptr<Recordset> SqliteDatabase::OpenRecordset(const std::string& sql,
                                                         RecordsetType type) {
    Open(connection_);
    return std::make_unique<SqliteRecordset>(connection_, sql, type);
}

// BEGIN IMMEDIATE takes the write lock at once, waiting up to the busy timeout for the host:
// a transaction that only finds out at its first write that the host is writing too could not
// wait for it and would fail in the middle.
void SqliteDatabase::BeginTrans() {
    Connection& connection = Open(connection_);
    if (connection.InTransaction()) {
        throw RuntimeError(errnum::DbGeneric, "Es ist bereits eine Transaktion offen.");
    }
    connection.Execute("BEGIN IMMEDIATE");
}

void SqliteDatabase::CommitTrans() {
    Connection& connection = Open(connection_);
    if (!connection.InTransaction()) {
        // Also when SQLite has rolled the transaction back by itself after an error.
        throw RuntimeError(errnum::DbGeneric, "Keine Transaktion offen: nichts festgeschrieben.");
    }
    connection.Execute("COMMIT");
}

// Without an open transaction there is nothing to undo.
void SqliteDatabase::Rollback() {
    Connection& connection = Open(connection_);
    if (connection.InTransaction()) {
        connection.Execute("ROLLBACK");
    }
}

void SqliteDatabase::Close() {
    if (!connection_) {
        return;
    }
    // Recordsets still open keep the connection alive, but the transaction ends here.
    const std::shared_ptr<Connection> connection = std::move(connection_);
    if (connection->InTransaction()) {
        connection->Execute("ROLLBACK");
    }
}

} // namespace karusello::dao
