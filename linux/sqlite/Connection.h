#pragma once

#include "core/errors/RuntimeError.h"
#include "core/playlistdb/Database.h"

#include <chrono>
#include <memory>
#include <string>
#include <string_view>

struct sqlite3;
struct sqlite3_stmt;

namespace karusello::dao {

struct StatementFinalizer {
    void operator()(sqlite3_stmt* statement) const noexcept;
};
// A prepared statement, finalized when it goes out of scope.
using StatementPtr = std::unique_ptr<sqlite3_stmt, StatementFinalizer>;

struct ConnectionCloser {
    void operator()(sqlite3* db) const noexcept;
};
// An open database connection, closed when it goes out of scope.
using DatabasePtr = std::unique_ptr<sqlite3, ConnectionCloser>;

// One connection to the host's database file. The file must exist and be an SQLite database;
// it is opened for reading and writing, never created, and its journal mode is left as the host
// set it. Every call waits up to the busy timeout for locks that the host holds.
class Connection {
public:
    Connection(const std::string& path, std::chrono::milliseconds busyTimeout);
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    sqlite3* Handle() const noexcept { return db_.get(); }

    // Prepares one statement; a text with a second statement behind the first is a syntax
    // error rather than half run.
    StatementPtr Prepare(std::string_view sql) const;
    // Like Prepare, but gives nullptr instead of an error.
    StatementPtr TryPrepare(std::string_view sql) const noexcept;
    // Runs statements that return no rows.
    void Execute(const char* sql);

    // True while a transaction begun by BEGIN is open.
    bool InTransaction() const noexcept;
    // "SQLite" and the library's version.
    DriverDescription Describe() const;
    // Begins a transaction outside one; commits or rolls back the open one.
    void BeginTransaction();
    void CommitTransaction();
    void RollbackTransaction();

    // The program's error for a failed call that returned resultCode, with SQLite's message.
    RuntimeError Error(int resultCode) const;
    [[noreturn]] void Fail(int resultCode) const { throw Error(resultCode); }

private:
    DatabasePtr db_;
};

} // namespace karusello::dao
