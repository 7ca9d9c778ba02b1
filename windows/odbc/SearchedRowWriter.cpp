#include "windows/odbc/SearchedRowWriter.h"

#include "core/errors/RuntimeError.h"
#include "core/playlistdb/SqlText.h"
#include "windows/odbc/WideText.h"

namespace karusello::dao {

std::unique_ptr<SearchedRowWriter>
SearchedRowWriter::ByRowid(std::shared_ptr<OdbcConnection> connection, const OdbcQuery& query) {
    std::string table = connection->QuotedName(query.table);
    return std::unique_ptr<SearchedRowWriter>(new SearchedRowWriter(
        std::move(connection), query, std::move(table), {query.rowidName}, {}));
}

std::unique_ptr<SearchedRowWriter>
SearchedRowWriter::ByKey(std::shared_ptr<OdbcConnection> connection, const OdbcQuery& query,
                         const RowKey& key) {
    std::string table = connection->QuotedName(query.table);
    std::vector<std::string> terms;
    for (const std::string& column : key.columns) {
        terms.push_back(connection->QuotedName(column));
    }
    return std::unique_ptr<SearchedRowWriter>(new SearchedRowWriter(
        std::move(connection), query, std::move(table), std::move(terms), key.fields));
}

SearchedRowWriter::SearchedRowWriter(std::shared_ptr<OdbcConnection> connection,
                                     const OdbcQuery& query, std::string table,
                                     std::vector<std::string> keyTerms, std::vector<int> keyFields)
    : connection_(std::move(connection)), table_(std::move(table)), keyTerms_(std::move(keyTerms)),
      keyFields_(std::move(keyFields)) {
    for (const OdbcColumn& column : query.columns) {
        columns_.push_back(connection_->QuotedName(column.name));
    }
    for (const int field : keyFields_) {
        keyKinds_.push_back(query.columns.at(static_cast<std::size_t>(field)).kind);
    }
}

std::vector<BoundValue> SearchedRowWriter::KeyValues(std::optional<std::int64_t> rowid,
                                                     const std::vector<FieldValue>& row) const {
    std::vector<BoundValue> values;
    if (keyFields_.empty()) {
        if (!rowid) {
            ThrowNoRowid();
        }
        values.push_back(BigIntValue(*rowid));
        return values;
    }
    for (std::size_t i = 0; i < keyFields_.size(); ++i) {
        const FieldValue& value = row.at(static_cast<std::size_t>(keyFields_[i]));
        if (value.IsNull()) {
            // A unique index may hold nulls, and "= null" finds no row.
            throw RuntimeError(errnum::DbReadOnly,
                               StandardErrorText(errnum::DbReadOnly) +
                                   " (Der Schlüssel der Zeile ist leer: " + keyTerms_[i] + ".)");
        }
        values.push_back(ValueAsRead(connection_->Backend(), keyKinds_[i], value));
    }
    return values;
}

void SearchedRowWriter::Write(std::optional<std::int64_t> rowid, const std::vector<FieldValue>& row,
                              const ChangedFields& values) {
    std::vector<BoundValue> keys = KeyValues(rowid, row);
    sorted_ = values;
    InColumnOrder(sorted_, fields_);
    const OdbcHandle& statement = statements_.For(fields_, [&] {
        std::vector<std::string> set;
        for (const int field : fields_) {
            set.push_back(columns_.at(static_cast<std::size_t>(field)));
        }
        OdbcHandle prepared = connection_->NewStatement();
        connection_->Check(connection_->Prepare(prepared, UpdateRowText(table_, set, keyTerms_)),
                           prepared);
        return prepared;
    });
    std::vector<BoundValue> parameters;
    parameters.reserve(sorted_.size() + keys.size());
    for (const auto& entry : sorted_) {
        parameters.push_back(IntegerValue(entry.second));
    }
    for (BoundValue& key : keys) {
        parameters.push_back(std::move(key));
    }
    for (std::size_t i = 0; i < parameters.size(); ++i) {
        connection_->Check(
            BindParameter(statement.Get(), static_cast<SQLUSMALLINT>(i + 1), parameters[i]),
            statement);
    }
    const SQLRETURN rc = SQLExecute(statement.Get());
    connection_->Check(rc, statement, true);
    SQLLEN changed = 0;
    if (rc != SQL_NO_DATA) {
        connection_->Check(SQLRowCount(statement.Get(), &changed), statement);
    }
    RequireOneRowChanged(changed);
}

} // namespace karusello::dao
