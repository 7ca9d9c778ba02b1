#pragma once

#include "playlistdb/Recordset.h"

#include <memory>
#include <string>

namespace karusello::dao {

class Connection;

// One open database file; lives for one operation. Opened shared, for reading and writing.
class Database {
public:
    explicit Database(std::shared_ptr<Connection> connection);
    ~Database();
    Database(const Database&) = delete;
    Database& operator=(const Database&) = delete;

    std::unique_ptr<Recordset> OpenRecordset(const std::string& sql,
                                             RecordsetType type = dbOpenDynaset);

    // A transaction around several writes; one at a time. Closing the database, or
    // destroying it, with a transaction open rolls it back.
    void BeginTrans();
    void CommitTrans();
    void Rollback();

    void Close();

private:
    std::shared_ptr<Connection> connection_;
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
