#include "linux/sqlite/RowWriter.h"

#include "core/errors/RuntimeError.h"
#include "core/playlistdb/SqlText.h"

#include <algorithm>
#include <numeric>
#include <sqlite3.h>

namespace karusello::dao {

RowWriter::RowWriter(std::shared_ptr<Connection> connection, const PreparedQuery& query)
    : connection_(std::move(connection)), table_(query.table), rowidName_(query.rowidName),
      columns_(query.columnNames) {}

sqlite3_stmt* RowWriter::StatementFor(const std::vector<int>& fields) {
    // A recordset's rows nearly always change the same fields: skip the look-up then.
    if (last_ != nullptr && fields == lastFields_) {
        return last_;
    }
    auto found = statements_.find(fields);
    if (found == statements_.end()) {
        const std::string sql = UpdateByRowidText(table_, columns_, fields, rowidName_);
        found = statements_.emplace(fields, connection_->Prepare(sql)).first;
    }
    lastFields_ = fields;
    last_ = found->second.get();
    return last_;
}

void RowWriter::Write(std::int64_t rowid, const ChangedFields& values) {
    // Bound in column order, so that one statement serves every order of the SetField calls.
    // The buffers are members: after the first row, a row costs no allocation.
    order_.resize(values.size());
    std::iota(order_.begin(), order_.end(), std::size_t{0});
    std::sort(order_.begin(), order_.end(),
              [&](std::size_t a, std::size_t b) { return values[a].first < values[b].first; });
    fields_.clear();
    for (const std::size_t i : order_) {
        fields_.push_back(values[i].first);
    }
    sqlite3_stmt* statement = StatementFor(fields_);
    int parameter = 1;
    for (const std::size_t i : order_) {
        if (const auto& value = values[i].second) {
            sqlite3_bind_int(statement, parameter++, *value);
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
        ThrowRowDeleted();
    }
}

} // namespace karusello::dao
