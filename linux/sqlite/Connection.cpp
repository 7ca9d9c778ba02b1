#include "linux/sqlite/Connection.h"

#include "core/playlistdb/DatabaseFile.h"
#include "linux/sqlite/SqliteError.h"

#include <filesystem>
#include <sqlite3.h>

namespace karusello::dao {

void StatementFinalizer::operator()(sqlite3_stmt* statement) const noexcept {
    sqlite3_finalize(statement);
}

void ConnectionCloser::operator()(sqlite3* db) const noexcept {
    // Closes even with statements left open: they are finalized with the connection.
    sqlite3_close_v2(db);
}

namespace {

// An absolute path, so that SQLite (built to accept URIs) never reads "file:..." as a URI.
std::string FileNameForSqlite(const std::string& path) {
    return std::filesystem::absolute(path).string();
}

// A missing file is never created, and no file of another kind is handed to SQLite, which would
// take an empty file for a new database and write to it.
void CheckIsSqliteFile(const std::string& path) {
    switch (InspectDatabaseFile(path)) {
    case DatabaseFormat::Sqlite:
        return;
    case DatabaseFormat::Jet:
        ThrowUnrecognizedFormat(path,
                                "eine Microsoft-Access-Datenbank (Jet), keine SQLite-Datenbank");
    case DatabaseFormat::Ace:
        ThrowUnrecognizedFormat(path,
                                "eine Microsoft-Access-Datenbank (ACE), keine SQLite-Datenbank");
    }
}

DatabasePtr OpenChecked(const std::string& path, std::chrono::milliseconds busyTimeout) {
    CheckIsSqliteFile(path);
    sqlite3* raw = nullptr;
    // A connection serves one operation of the window's one thread, so SQLite need not lock
    // its own mutex around every call (a good part of the cost of reading a column).
    const int rc = sqlite3_open_v2(FileNameForSqlite(path).c_str(), &raw,
                                   SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr);
    // Even a failed open gives a connection (or none, without memory) that holds the message.
    DatabasePtr db(raw);
    if (rc != SQLITE_OK) {
        throw SqliteError(db.get(), rc);
    }
    sqlite3_busy_timeout(db.get(), static_cast<int>(busyTimeout.count()));
    return db;
}

} // namespace

Connection::Connection(const std::string& path, std::chrono::milliseconds busyTimeout)
    : db_(OpenChecked(path, busyTimeout)) {}

StatementPtr Connection::Prepare(std::string_view sql) const {
    sqlite3_stmt* raw = nullptr;
    const char* tail = nullptr;
    const int rc =
        sqlite3_prepare_v2(Handle(), sql.data(), static_cast<int>(sql.size()), &raw, &tail);
    StatementPtr statement(raw);
    if (rc != SQLITE_OK) {
        Fail(rc);
    }
    if (statement == nullptr) {
        throw SqliteError(SQLITE_ERROR, "no statement in the SQL text");
    }
    const std::string_view rest = sql.substr(static_cast<std::size_t>(tail - sql.data()));
    sqlite3_stmt* next = nullptr;
    // Blanks, semicolons and comments behind the statement prepare to nothing.
    const int restRc =
        sqlite3_prepare_v2(Handle(), rest.data(), static_cast<int>(rest.size()), &next, nullptr);
    const StatementPtr nextStatement(next);
    if (restRc != SQLITE_OK || nextStatement != nullptr) {
        throw SqliteError(SQLITE_ERROR, "more than one statement in the SQL text");
    }
    return statement;
}

StatementPtr Connection::TryPrepare(std::string_view sql) const noexcept {
    sqlite3_stmt* raw = nullptr;
    sqlite3_prepare_v2(Handle(), sql.data(), static_cast<int>(sql.size()), &raw, nullptr);
    return StatementPtr(raw);
}

void Connection::Execute(const char* sql) {
    const int rc = sqlite3_exec(Handle(), sql, nullptr, nullptr, nullptr);
    if (rc != SQLITE_OK) {
        Fail(rc);
    }
}

DriverDescription Connection::Describe() const {
    return {"SQLite", sqlite3_libversion()};
}

bool Connection::InTransaction() const noexcept {
    return sqlite3_get_autocommit(Handle()) == 0;
}

// BEGIN IMMEDIATE takes the write lock at once, waiting up to the busy timeout for the host:
// a transaction that only finds out at its first write that the host is writing too could not
// wait for it and would fail in the middle.
void Connection::BeginTransaction() {
    Execute("BEGIN IMMEDIATE");
}

void Connection::CommitTransaction() {
    Execute("COMMIT");
}

void Connection::RollbackTransaction() {
    Execute("ROLLBACK");
}

RuntimeError Connection::Error(int resultCode) const {
    return SqliteError(Handle(), resultCode);
}

} // namespace karusello::dao
