#include "odbcdb/OdbcDatabase.h"

#include "config/RuntimeError.h"
#include "odbcdb/OdbcConnection.h"
#include "odbcdb/OdbcRecordset.h"

namespace karusello::dao {

namespace {

OdbcConnection& Open(const std::shared_ptr<OdbcConnection>& connection) {
    if (!connection) {
        throw RuntimeError(errnum::DbGeneric, "Die Datenbank ist geschlossen.");
    }
    return *connection;
}

} // namespace

OdbcDatabase::OdbcDatabase(std::shared_ptr<OdbcConnection> connection)
    : connection_(std::move(connection)) {}

OdbcDatabase::~OdbcDatabase() {
    try {
        Close();
    } catch (...) {
        // The connection rolls back what is still open when it goes.
    }
}

std::unique_ptr<Recordset> OdbcDatabase::OpenRecordset(const std::string& sql, RecordsetType type) {
    Open(connection_);
    return std::make_unique<OdbcRecordset>(connection_, sql, type);
}

void OdbcDatabase::BeginTrans() {
    Open(connection_).BeginTransaction();
}

void OdbcDatabase::CommitTrans() {
    Open(connection_).CommitTransaction();
}

void OdbcDatabase::Rollback() {
    Open(connection_).RollbackTransaction();
}

void OdbcDatabase::Close() {
    if (!connection_) {
        return;
    }
    // Recordsets still open keep the connection alive, but the transaction ends here.
    const std::shared_ptr<OdbcConnection> connection = std::move(connection_);
    connection->RollbackTransaction();
}

} // namespace karusello::dao
