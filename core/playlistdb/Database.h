#pragma once

#include "core/playlistdb/Recordset.h"

#include <memory>
#include <string>

namespace karusello::dao {

// The database software as it names itself.
struct DriverDescription {
    std::string name;
    std::string version;
};

// One open database file; lives for one operation. Opened shared, for reading and writing.
class Database {
public:
    virtual ~Database() = default;

    virtual std::unique_ptr<Recordset> OpenRecordset(const std::string& sql,
                                                     RecordsetType type = dbOpenDynaset) = 0;

    // A transaction around several writes; one at a time. Closing the database, or
    // destroying it, with a transaction open rolls it back. BeginTrans waits, up to the engine's
    // busy timeout, until the host lets us write (DbLocked after that).
    virtual void BeginTrans() = 0;
    virtual void CommitTrans() = 0;
    // Without an open transaction there is nothing to undo.
    virtual void Rollback() = 0;

    virtual void Close() = 0;
    // The driver behind the connection, as it reports itself; DbGeneric after Close.
    virtual DriverDescription Driver() const = 0;
};

// Rolls back a transaction that was not committed when it goes out of scope.
class Transaction {
public:
    explicit Transaction(Database& db);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    void Commit();

private:
    Database& db_;
    bool open_ = true;
};

} // namespace karusello::dao
