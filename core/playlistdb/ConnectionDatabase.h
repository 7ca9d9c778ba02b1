#pragma once

#include "core/playlistdb/Database.h"

#include <memory>
#include <string>
#include <utility>

namespace karusello::dao {

// The errors of ConnectionDatabase below.
[[noreturn]] void ThrowDatabaseClosed();
[[noreturn]] void ThrowTransactionAlreadyOpen();
[[noreturn]] void ThrowNoTransactionToCommit();

// A database over one connection of a driver, with the bookkeeping that is the same for every
// driver: the errors of a closed database and of a transaction begun twice or committed without
// one, a rollback only where a transaction is open, and the rollback of an open transaction when
// the database is closed or destroyed. Recordsets share the connection and may outlive the
// database.
//
// The Connection says whether a transaction is open (InTransaction) and begins, commits and rolls
// back one (BeginTransaction, CommitTransaction, RollbackTransaction), each called only where
// InTransaction allows it; Describe names the driver. A DriverRecordset is made from the
// connection, the query text and the recordset's type.
template <class Connection, class DriverRecordset>
class ConnectionDatabase final : public Database {
public:
    explicit ConnectionDatabase(std::shared_ptr<Connection> connection)
        : connection_(std::move(connection)) {}

    ~ConnectionDatabase() override {
        try {
            Close();
        } catch (...) {
            // A failed rollback leaves the transaction to the connection, which drops it when it
            // goes.
        }
    }

    std::unique_ptr<Recordset> OpenRecordset(const std::string& sql,
                                             RecordsetType type = dbOpenDynaset) override {
        Open();
        return std::make_unique<DriverRecordset>(connection_, sql, type);
    }

    void BeginTrans() override {
        Connection& connection = Open();
        if (connection.InTransaction()) {
            ThrowTransactionAlreadyOpen();
        }
        connection.BeginTransaction();
    }

    void CommitTrans() override {
        Connection& connection = Open();
        if (!connection.InTransaction()) {
            // Also when the database has rolled the transaction back by itself after an error.
            ThrowNoTransactionToCommit();
        }
        connection.CommitTransaction();
    }

    // Without an open transaction there is nothing to undo.
    void Rollback() override {
        Connection& connection = Open();
        if (connection.InTransaction()) {
            connection.RollbackTransaction();
        }
    }

    DriverDescription Driver() const override { return Open().Describe(); }

    void Close() override {
        if (!connection_) {
            return;
        }
        // Recordsets still open keep the connection alive, but the transaction ends here.
        const std::shared_ptr<Connection> connection = std::move(connection_);
        if (connection->InTransaction()) {
            connection->RollbackTransaction();
        }
    }

private:
    Connection& Open() const {
        if (!connection_) {
            ThrowDatabaseClosed();
        }
        return *connection_;
    }

    std::shared_ptr<Connection> connection_;
};

} // namespace karusello::dao
