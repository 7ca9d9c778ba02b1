#pragma once

#include "core/playlistdb/CursorRecordset.h"
#include "windows/odbc/OdbcQuery.h"
#include "windows/odbc/OdbcRowWriter.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace karusello::dao {

class OdbcConnection;

// A recordset over one ODBC statement. Each row's fields are read when the row becomes the
// current one; changed fields go back through the backend's row writer.
class OdbcRecordset : public CursorRecordset {
public:
    OdbcRecordset(std::shared_ptr<OdbcConnection> connection, const std::string& sql,
                  RecordsetType type = dbOpenDynaset);
    ~OdbcRecordset() override;

private:
    bool FetchRow() override;
    std::size_t FieldCount() const override;
    const std::string& FieldName(std::size_t field) const override;
    FieldValue StoredValue(int field) const override;
    bool Updatable() const override;
    void WriteRow(const ChangedFields& fields) override;
    void ReleaseCursor() override;
    WritePath RowWriting() const override;

    void ReadRow();

    std::shared_ptr<OdbcConnection> connection_;
    OdbcQuery query_;
    std::unique_ptr<OdbcRowWriter> writer_;
    // The current row: its visible fields and, where the query has one, its hidden rowid.
    std::vector<FieldValue> row_;
    std::optional<std::int64_t> rowid_;
};

} // namespace karusello::dao
