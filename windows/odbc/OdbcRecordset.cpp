#include "windows/odbc/OdbcRecordset.h"

#include "core/errors/RuntimeError.h"
#include "windows/odbc/OdbcConnection.h"

#include <utility>

namespace karusello::dao {

namespace {

std::string KeyText(const RowKey& key) {
    std::string text;
    for (const std::string& column : key.columns) {
        text += (text.empty() ? "" : ",") + column;
    }
    return text;
}

} // namespace

OdbcRecordset::OdbcRecordset(std::shared_ptr<OdbcConnection> connection, const std::string& sql,
                             RecordsetType type)
    : connection_(std::move(connection)),
      query_(RunQuery(*connection_, sql, PlanFor(*connection_, type == dbOpenDynaset))) {
    writing_ = InitialWriting();
    FetchFirstRow();
}

OdbcRecordset::~OdbcRecordset() = default;

WritePath OdbcRecordset::InitialWriting() {
    switch (query_.plan) {
    case WritePlan::ReadOnly:
        return {};
    case WritePlan::Rowid:
        if (query_.rowidName.empty()) {
            return {};
        }
        return {WriteMethod::Rowid, query_.rowidName};
    case WritePlan::Positioned:
        if (query_.positionable) {
            return {WriteMethod::Positioned, ""};
        }
        break;
    case WritePlan::Keyed:
        break;
    }
    // A catalog that cannot be read (the file locked, for example) is that error, not a table
    // without a key.
    key_ = FindRowKey(*connection_, query_);
    if (!key_) {
        return {};
    }
    return {WriteMethod::Keyed, KeyText(*key_)};
}

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
    return writing_;
}

bool OdbcRecordset::Updatable() const {
    return writing_.method != WriteMethod::None;
}

std::string OdbcRecordset::WhyReadOnly() const {
    if (query_.plan == WritePlan::ReadOnly || query_.plan == WritePlan::Rowid ||
        query_.table.empty()) {
        return CursorRecordset::WhyReadOnly();
    }
    const std::string table = "Die Tabelle '" + query_.table +
                              "' hat keinen Primärschlüssel und keinen eindeutigen Index, über "
                              "den die Abfrage ihre Zeilen findet.";
    return query_.plan == WritePlan::Positioned
               ? "Der Treiber ändert die Zeilen nicht an ihrem Platz. " + table
               : table;
}

void OdbcRecordset::UseKey(const RowKey& key) {
    searched_ = SearchedRowWriter::ByKey(connection_, query_, key);
    writing_ = {WriteMethod::Keyed, KeyText(key)};
}

void OdbcRecordset::FallBackToKey() {
    key_ = FindRowKey(*connection_, query_);
    if (!key_) {
        writing_ = {};
        throw RuntimeError(errnum::DbReadOnly, StandardErrorText(errnum::DbReadOnly) + " (" +
                                                   WhyReadOnly() + " Nichts wurde geschrieben.)");
    }
    UseKey(*key_);
}

SearchedRowWriter& OdbcRecordset::Searched() {
    if (!searched_) {
        if (writing_.method == WriteMethod::Rowid) {
            searched_ = SearchedRowWriter::ByRowid(connection_, query_);
        } else {
            UseKey(key_.value());
        }
    }
    return *searched_;
}

void OdbcRecordset::WriteRow(const ChangedFields& fields) {
    if (writing_.method == WriteMethod::Positioned) {
        if (!positioned_) {
            positioned_ = std::make_unique<PositionedRowWriter>(connection_, query_);
        }
        if (positioned_->Write(row_, fields)) {
            return;
        }
        positioned_.reset();
        FallBackToKey();
    }
    Searched().Write(rowid_, row_, fields);
}

void OdbcRecordset::ReleaseCursor() {
    positioned_.reset();
    searched_.reset();
    query_.statement.Reset();
}

} // namespace karusello::dao
