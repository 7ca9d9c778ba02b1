#pragma once

#include "core/playlistdb/CursorRecordset.h"
#include "windows/odbc/OdbcQuery.h"
#include "windows/odbc/PositionedRowWriter.h"
#include "windows/odbc/SearchedRowWriter.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

namespace karusello::dao {

class OdbcConnection;

// A recordset over one ODBC statement. Each row's fields are read when the row becomes the
// current one; changed fields go back in the way that the query was run for: by rowid, by a
// positioned update (and by the table's key where the driver refuses that), or by the key.
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
    std::string WhyReadOnly() const override;
    void WriteRow(const ChangedFields& fields) override;
    void ReleaseCursor() override;
    WritePath RowWriting() const override;

    void ReadRow();
    // How the rows go back, as far as can be told once the query ran.
    WritePath InitialWriting();
    // After the driver refused a positioned update: the searched UPDATE by the table's key;
    // DbReadOnly, with nothing written, where the table has none.
    void FallBackToKey();
    void UseKey(const RowKey& key);
    SearchedRowWriter& Searched();

    std::shared_ptr<OdbcConnection> connection_;
    OdbcQuery query_;
    WritePath writing_;
    std::unique_ptr<PositionedRowWriter> positioned_;
    std::unique_ptr<SearchedRowWriter> searched_;
    std::optional<RowKey> key_;
    // The current row: its visible fields and, where the query has one, its hidden rowid.
    std::vector<FieldValue> row_;
    std::optional<std::int64_t> rowid_;
};

} // namespace karusello::dao
