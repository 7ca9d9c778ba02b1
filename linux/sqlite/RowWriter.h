#pragma once

#include "core/playlistdb/CursorRecordset.h"
#include "core/playlistdb/RowUpdate.h"
#include "linux/sqlite/Connection.h"
#include "linux/sqlite/PreparedQuery.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace karusello::dao {

// Writes changed fields of one row of a recordset's table back by its rowid:
// UPDATE <table> SET <column>=? WHERE rowid=?. Each set of columns is prepared once and reused
// for every row of the recordset.
class RowWriter {
public:
    RowWriter(std::shared_ptr<Connection> connection, const PreparedQuery& query);

    // Exactly one row must change.
    void Write(std::int64_t rowid, const ChangedFields& values);

private:
    std::shared_ptr<Connection> connection_;
    std::string table_;
    std::string rowidName_;
    std::vector<std::string> columns_;
    UpdateStatements<StatementPtr> statements_;
    // Scratch space of Write: after the first row, a row costs no allocation.
    ChangedFields sorted_;
    std::vector<int> fields_;
};

} // namespace karusello::dao
