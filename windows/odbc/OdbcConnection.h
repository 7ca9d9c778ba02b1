#pragma once

#include "core/playlistdb/Database.h"
#include "windows/odbc/ConnectionText.h"
#include "windows/odbc/OdbcHandle.h"
#include "windows/odbc/RowWriterChoice.h"

#include <string>
#include <string_view>
#include <vector>

namespace karusello::dao {

// One ODBC connection to the host's database file, with its own environment. Autocommit is on
// except during a transaction: with it off, even a read keeps its lock until the next commit or
// rollback, which would hold the host up while the window waits.
class OdbcConnection {
public:
    // Connects with the first of the ways whose driver is installed; a failure of an installed
    // driver ends the search. DbCannotOpen when no driver is installed. Its recordsets write
    // their rows in the way chosen.
    OdbcConnection(OdbcBackend backend, const std::vector<DriverConnection>& ways,
                   RowWriterChoice writer = RowWriterChoice::ByBackend);
    // Rolls back a transaction left open (a driver refuses to disconnect in one), disconnects.
    ~OdbcConnection();
    OdbcConnection(const OdbcConnection&) = delete;
    OdbcConnection& operator=(const OdbcConnection&) = delete;

    OdbcBackend Backend() const noexcept { return backend_; }
    RowWriterChoice Writer() const noexcept { return writer_; }
    SQLHDBC Handle() const noexcept { return connection_.Get(); }
    OdbcHandle NewStatement() const;

    // Throws the program's error for a failed call on handle (the call's return code rc).
    // SQL_NO_DATA passes too where noDataIsSuccess.
    void Check(SQLRETURN rc, const OdbcHandle& handle, bool noDataIsSuccess = false) const;
    [[noreturn]] void Fail(const OdbcHandle& handle) const;

    // Runs a text that returns no rows.
    void Execute(const std::string& sql) const;
    // Runs a text on the statement, whose rows (if any) are then fetched from it.
    void ExecuteOn(const OdbcHandle& statement, const std::string& sql) const;
    // Prepares a text on the statement; the caller judges the result (a text that does not
    // prepare may have another way).
    SQLRETURN Prepare(const OdbcHandle& statement, const std::string& sql) const;

    // A transaction, begun outside one: autocommit off, and with SQLite the write lock taken at
    // once, waiting for the host up to the busy timeout; a transaction that found the host
    // writing only at its first write, after its reads, could not wait for it and would fail in
    // the middle. Commit and rollback end the open one.
    void BeginTransaction();
    void CommitTransaction();
    void RollbackTransaction();
    bool InTransaction() const noexcept { return inTransaction_; }
    // The driver's file name and version as the driver manager reports them.
    DriverDescription Describe() const;
    // A table's or a column's name as the driver reads it in SQL: between its identifier
    // quotes ('"' for SQLite, '`' for Access), each quote inside doubled.
    std::string QuotedName(std::string_view name) const;

private:
    void Connect(const std::vector<DriverConnection>& ways);
    void SetAutocommit(bool on);
    void ClaimSqliteWriteLock();

    OdbcBackend backend_;
    RowWriterChoice writer_;
    OdbcHandle environment_;
    OdbcHandle connection_;
    bool connected_ = false;
    bool inTransaction_ = false;
    // SQLite's auto_vacuum mode, asked once: -1 not asked yet.
    int autoVacuum_ = -1;
    // The driver's identifier quote, asked once: '\0' not asked yet.
    mutable char quote_ = '\0';
};

} // namespace karusello::dao
