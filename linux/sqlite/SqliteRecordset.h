#pragma once

#include "core/playlistdb/CursorRecordset.h"
#include "linux/sqlite/PreparedQuery.h"
#include "linux/sqlite/RowWriter.h"

#include <memory>

namespace karusello::dao {

class Connection;

// A recordset over one SQLite statement; rows of a single table are written back by rowid.
class SqliteRecordset : public CursorRecordset {
public:
    SqliteRecordset(std::shared_ptr<Connection> connection, const std::string& sql,
                    RecordsetType type = dbOpenDynaset);
    ~SqliteRecordset() override;

private:
    bool FetchRow() override;
    std::size_t FieldCount() const override;
    const std::string& FieldName(std::size_t field) const override;
    FieldValue StoredValue(int field) const override;
    bool Updatable() const override;
    void WriteRow(const ChangedFields& fields) override;
    void ReleaseCursor() override;
    WritePath RowWriting() const override;

    std::shared_ptr<Connection> connection_;
    PreparedQuery query_;
    std::unique_ptr<RowWriter> writer_;
};

} // namespace karusello::dao
