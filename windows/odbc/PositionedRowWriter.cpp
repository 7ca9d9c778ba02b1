#include "windows/odbc/PositionedRowWriter.h"

#include "core/playlistdb/RowUpdate.h"

#include <algorithm>

namespace karusello::dao {

std::vector<BoundValue> PositionedBindings(OdbcBackend backend,
                                           const std::vector<OdbcColumn>& columns,
                                           const std::vector<FieldValue>& row,
                                           const ChangedFields& changed) {
    std::vector<BoundValue> bindings;
    bindings.reserve(columns.size());
    for (std::size_t field = 0; field < columns.size(); ++field) {
        const auto change = std::find_if(changed.begin(), changed.end(), [&](const auto& entry) {
            return entry.first == static_cast<int>(field);
        });
        if (change != changed.end()) {
            bindings.push_back(IntegerValue(change->second));
            continue;
        }
        BoundValue kept = ValueAsRead(backend, columns[field].kind, row.at(field));
        kept.indicator = SQL_COLUMN_IGNORE;
        bindings.push_back(std::move(kept));
    }
    return bindings;
}

bool RefusesPositionedUpdate(OdbcBackend backend, const std::vector<OdbcDiagnostic>& records) {
    return std::any_of(records.begin(), records.end(), [&](const OdbcDiagnostic& record) {
        // Optional feature not implemented, driver does not support the function, no column
        // can be updated, attribute or option not valid for this cursor.
        if (record.state == "HYC00" || record.state == "IM001" || record.state == "21S02" ||
            record.state == "HY092") {
            return true;
        }
        // The SQLite ODBC driver reports its own refusals (a table without primary key is an
        // "incompatible rowset") with the native error -1, SQLite's failures with SQLite's code.
        return backend == OdbcBackend::Sqlite && record.state == "HY000" && record.native == -1;
    });
}

PositionedRowWriter::PositionedRowWriter(std::shared_ptr<OdbcConnection> connection,
                                         const OdbcQuery& query)
    : connection_(std::move(connection)), statement_(query.statement),
      firstColumn_(query.firstColumn), columns_(query.columns) {}

bool PositionedRowWriter::Write(const std::vector<FieldValue>& row, const ChangedFields& changed) {
    std::vector<BoundValue> bindings =
        PositionedBindings(connection_->Backend(), columns_, row, changed);
    const SQLHSTMT statement = statement_.Get();
    SQLRETURN rc = SQL_SUCCESS;
    std::vector<SQLLEN> indicators;
    for (std::size_t i = 0; i < bindings.size() && Succeeded(rc); ++i) {
        BoundValue& value = bindings[i];
        indicators.push_back(value.indicator);
        rc = SQLBindCol(statement, static_cast<SQLUSMALLINT>(firstColumn_ + i), value.cType,
                        value.Data(), value.Size(), &value.indicator);
    }
    // The length/indicators are set once every column is bound: the SQLite ODBC driver's
    // SQLBindCol sets them to 0.
    for (std::size_t i = 0; i < indicators.size(); ++i) {
        bindings[i].indicator = indicators[i];
    }
    // The row's status after the update says whether the driver found and changed it.
    SQLUSMALLINT status = SQL_ROW_SUCCESS;
    if (Succeeded(rc)) {
        rc = SQLSetStmtAttrW(statement, SQL_ATTR_ROW_STATUS_PTR, &status, 0);
    }
    if (Succeeded(rc)) {
        rc = SQLSetPos(statement, 1, SQL_UPDATE, SQL_LOCK_NO_CHANGE);
    }
    const std::vector<OdbcDiagnostic> records = statement_.Diagnostics();
    SQLSetStmtAttrW(statement, SQL_ATTR_ROW_STATUS_PTR, nullptr, 0);
    SQLFreeStmt(statement, SQL_UNBIND);
    if (!Succeeded(rc)) {
        if (RefusesPositionedUpdate(connection_->Backend(), records)) {
            return false;
        }
        throw OdbcError(connection_->Backend(), records);
    }
    // A cursor operation conflict: no row (or more than one) was changed.
    const bool conflict = std::any_of(records.begin(), records.end(),
                                      [](const OdbcDiagnostic& r) { return r.state == "01001"; });
    if (conflict || status == SQL_ROW_DELETED || status == SQL_ROW_NOROW) {
        ThrowRowDeleted();
    }
    if (status == SQL_ROW_ERROR) {
        throw OdbcError(connection_->Backend(), records);
    }
    // More than one row changed must not be committed. No row is not told by the count: the
    // SQLite ODBC driver counts none for every positioned update.
    SQLLEN count = 0;
    if (Succeeded(SQLRowCount(statement, &count)) && count > 1) {
        RequireOneRowChanged(count);
    }
    return true;
}

} // namespace karusello::dao
