#pragma once

#include "playlistdb/Database.h"

#include <memory>

namespace karusello::dao {

class Connection;

// A database over one SQLite connection.
class SqliteDatabase : public Database {
public:
    explicit SqliteDatabase(std::shared_ptr<Connection> connection);
    ~SqliteDatabase() override;

    std::unique_ptr<Recordset> OpenRecordset(const std::string& sql,
                                             RecordsetType type = dbOpenDynaset) override;
    void BeginTrans() override;
    void CommitTrans() override;
    void Rollback() override;
    void Close() override;

private:
    std::shared_ptr<Connection> connection_;
};

} // namespace karusello::dao
