#pragma once

#include "playlistdb/Recordset.h"

#include <memory>
#include <optional>

namespace karusello::dao {

class Connection;

// A recordset over one SQLite statement; rows of a single table are written back by rowid.
class SqliteRecordset : public Recordset {
public:
    SqliteRecordset(std::shared_ptr<Connection> connection, const std::string& sql,
                    RecordsetType type = dbOpenDynaset);
    ~SqliteRecordset() override;

    bool Eof() const override;
    void MoveNext() override;
    std::int32_t AbsolutePosition() const override;
    FieldValue Fields(const std::string& name) const override;
    void Edit() override;
    void SetField(const std::string& name, std::int32_t value) override;
    void SetFieldNull(const std::string& name) override;
    void Update() override;
    void Close() override;

private:
    void SetFieldValue(const std::string& name, std::optional<std::int32_t> value);

    struct Impl;
    std::unique_ptr<Impl> impl_;
};

} // namespace karusello::dao
