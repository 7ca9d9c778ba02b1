#pragma once

#include "playlistdb/Database.h"

#include <memory>

namespace karusello::dao {

class OdbcConnection;

// A database over one ODBC connection.
class OdbcDatabase : public Database {
public:
    explicit OdbcDatabase(std::shared_ptr<OdbcConnection> connection);
    ~OdbcDatabase() override;

    std::unique_ptr<Recordset> OpenRecordset(const std::string& sql,
                                             RecordsetType type = dbOpenDynaset) override;
    void BeginTrans() override;
    void CommitTrans() override;
    void Rollback() override;
    void Close() override;

private:
    std::shared_ptr<OdbcConnection> connection_;
};

} // namespace karusello::dao
