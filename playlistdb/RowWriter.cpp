#include "playlistdb/RowWriter.h"

#include "config/RuntimeError.h"

#include <algorithm>
#include <sqlite3.h>

namespace karusello::dao {

namespace {

std::string QuotedName(const std::string& name) {
    std::string quoted = "\"";
    for (const char c : name) {
        quoted += c;
        if (c == '"') {
            quoted += '"';
        }
    }
    return quoted + "\"";
}

} // namespace

RowWriter::RowWriter(std::shared_ptr<Connection> connection, const PreparedQuery& query)
    : connection_(std::move(connection)), table_(query.table), rowidName_(query.rowidName),
      columns_(query.columnNames) {}

sqlite3_stmt* RowWriter::StatementFor(const std::vector<int>& fields) {
    auto found = statements_.find(fields);
    if (found == statements_.end()) {
        std::string sql = "UPDATE " + QuotedName(table_) + " SET ";
        for (std::size_t i = 0; i < fields.size(); ++i) {
            sql += (i > 0 ? ", " : "") + QuotedName(columns_.at(fields[i])) + "=?";
        }
        sql += " WHERE " + rowidName_ + "=?";
        found = statements_.emplace(fields, connection_->Prepare(sql)).first;
    }
    return found->second.get();
}

void RowWriter::Write(std::int64_t rowid, const FieldValues& values) {
    FieldValues sorted = values;
    std::sort(sorted.begin(), sorted.end());
    std::vector<int> fields;
    for (const auto& entry : sorted) {
        fields.push_back(entry.first);
    }
    sqlite3_stmt* statement = StatementFor(fields);
    int parameter = 1;
    for (const auto& entry : sorted) {
        if (entry.second) {
            sqlite3_bind_int(statement, parameter++, *entry.second);
        } else {
            sqlite3_bind_null(statement, parameter++);
        }
    }
    sqlite3_bind_int64(statement, parameter, rowid);
    const int rc = sqlite3_step(statement);
    if (rc != SQLITE_DONE) {
        RuntimeError error = connection_->Error(rc);
        sqlite3_reset(statement);
        throw error;
    }
    sqlite3_reset(statement);
    if (sqlite3_changes(connection_->Handle()) != 1) {
        throw RuntimeError(errnum::DbNoCurrentRecord,
                           StandardErrorText(errnum::DbNoCurrentRecord) +
                               " (Die Zeile wurde inzwischen gelöscht.)");
    }
}

} // namespace karusello::dao
