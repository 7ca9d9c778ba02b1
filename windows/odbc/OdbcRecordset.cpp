#include "windows/odbc/OdbcRecordset.h"

#include "windows/odbc/OdbcConnection.h"

#include <utility>

namespace karusello::dao {

OdbcRecordset::OdbcRecordset(std::shared_ptr<OdbcConnection> connection, const std::string& sql,
                             RecordsetType type)
    : connection_(std::move(connection)),
      query_(RunQuery(*connection_, sql, type == dbOpenDynaset)) {
    FetchFirstRow();
}

OdbcRecordset::~OdbcRecordset() = default;

bool OdbcRecordset::FetchRow() {
    if (query_.columns.empty()) {
        return false; // a statement without a result, such as a DELETE
    }
    const SQLRETURN rc = SQLFetch(query_.statement.Get());
    if (rc == SQL_NO_DATA) {
        // Ends the statement's cursor at once, so that it holds nothing in the file.
        SQLFreeStmt(query_.statement.Get(), SQL_CLOSE);
        return false;
    }
    connection_->Check(rc, query_.statement);
    ReadRow();
    return true;
}

void OdbcRecordset::ReadRow() {
    const SQLHSTMT statement = query_.statement.Get();
    const OdbcBackend backend = connection_->Backend();
    rowid_.reset();
    if (query_.firstColumn > 1) {
        const FieldValue key = FieldValueFromText(
            ColumnKind::Integer, ReadColumnText(backend, statement, 1, ColumnKind::Integer));
        if (const auto* integer = std::get_if<std::int64_t>(&key.Raw())) {
            rowid_ = *integer;
        }
    }
    row_.clear();
    for (std::size_t i = 0; i < query_.columns.size(); ++i) {
        const ColumnKind kind = query_.columns[i].kind;
        const auto column = static_cast<SQLUSMALLINT>(query_.firstColumn + i);
        row_.push_back(FieldValueFromText(kind, ReadColumnText(backend, statement, column, kind)));
    }
}

std::size_t OdbcRecordset::FieldCount() const {
    return query_.columns.size();
}

const std::string& OdbcRecordset::FieldName(std::size_t field) const {
    return query_.columns[field].name;
}

FieldValue OdbcRecordset::StoredValue(int field) const {
    return row_.at(static_cast<std::size_t>(field));
}

WritePath OdbcRecordset::RowWriting() const {
    if (!query_.Updatable()) {
        return {};
    }
    if (connection_->Backend() == OdbcBackend::Sqlite) {
        return {WriteMethod::Rowid, query_.rowidName};
    }
    return {WriteMethod::Positioned, ""};
}

bool OdbcRecordset::Updatable() const {
    return query_.Updatable();
}

void OdbcRecordset::WriteRow(const ChangedFields& fields) {
    if (!writer_) {
        writer_ = MakeRowWriter(connection_, query_);
    }
    writer_->Write(rowid_, fields);
}

void OdbcRecordset::ReleaseCursor() {
    writer_.reset();
    query_.statement.Reset();
}

} // namespace karusello::dao
