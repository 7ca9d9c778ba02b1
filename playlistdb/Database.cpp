#include "playlistdb/Database.h"

#include "config/RuntimeError.h"
#include "playlistdb/Connection.h"

namespace karusello::dao {

namespace {

Connection& Open(const std::shared_ptr<Connection>& connection) {
    if (!connection) {
        throw RuntimeError(errnum::DbGeneric, "Die Datenbank ist geschlossen.");
    }
    return *connection;
}

} // namespace

Database::Database(std::shared_ptr<Connection> connection) : connection_(std::move(connection)) {}

Database::~Database() {
    try {
        Close();
    } catch (...) {
        // A failed rollback leaves the transaction to SQLite, which drops it with the connection.
    }
}

std::unique_ptr<Recordset> Database::OpenRecordset(const std::string& sql, RecordsetType type) {
    Open(connection_);
    return std::make_unique<Recordset>(connection_, sql, type);
}

// BEGIN IMMEDIATE takes the write lock at once, waiting up to the busy timeout for the host:
// a transaction that only finds out at its first write that the host is writing too could not
// wait for it and would fail in the middle.
void Database::BeginTrans() {
    Connection& connection = Open(connection_);
    if (connection.InTransaction()) {
        throw RuntimeError(errnum::DbGeneric, "Es ist bereits eine Transaktion offen.");
    }
    connection.Execute("BEGIN IMMEDIATE");
}

void Database::CommitTrans() {
    Connection& connection = Open(connection_);
    if (!connection.InTransaction()) {
        // Also when SQLite has rolled the transaction back by itself after an error.
        throw RuntimeError(errnum::DbGeneric, "Keine Transaktion offen: nichts festgeschrieben.");
    }
    connection.Execute("COMMIT");
}

// Without an open transaction there is nothing to undo.
void Database::Rollback() {
    Connection& connection = Open(connection_);
    if (connection.InTransaction()) {
        connection.Execute("ROLLBACK");
    }
}

void Database::Close() {
    if (!connection_) {
        return;
    }
    // Recordsets still open keep the connection alive, but the transaction ends here.
    const std::shared_ptr<Connection> connection = std::move(connection_);
    if (connection->InTransaction()) {
        connection->Execute("ROLLBACK");
    }
}

Transaction::Transaction(Database& db) : db_(db) {
    db_.BeginTrans();
}

Transaction::~Transaction() {
    if (open_) {
        try {
            db_.Rollback();
        } catch (...) {
            // The database may be closed already, which has rolled the transaction back.
        }
    }
}

void Transaction::Commit() {
    db_.CommitTrans();
    open_ = false;
}

} // namespace karusello::dao
