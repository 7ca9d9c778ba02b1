#include "linux/sqlite/RowWriter.h"

#include "core/errors/RuntimeError.h"
#include "core/playlistdb/SqlText.h"

#include <sqlite3.h>

namespace karusello::dao {

RowWriter::RowWriter(std::shared_ptr<Connection> connection, const PreparedQuery& query)
    : connection_(std::move(connection)), table_(query.table), rowidName_(query.rowidName),
      columns_(query.columnNames) {}

void RowWriter::Write(std::int64_t rowid, const ChangedFields& values) {
    sorted_ = values;
    InColumnOrder(sorted_, fields_);
    sqlite3_stmt* statement = statements_
                                  .For(fields_,
                                       [&] {
                                           return connection_->Prepare(UpdateByRowidText(
                                               table_, columns_, fields_, rowidName_));
                                       })
                                  .get();
    int parameter = 1;
    for (const auto& [field, value] : sorted_) {
        if (value) {
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
    RequireOneRowChanged(sqlite3_changes(connection_->Handle()));
}

} // namespace karusello::dao
