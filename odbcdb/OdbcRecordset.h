#pragma once

#include "playlistdb/Recordset.h"

#include <memory>
#include <optional>

namespace karusello::dao {

class OdbcConnection;

// A recordset over one ODBC statement. Each row's fields are read when the row becomes the
// current one; changed fields go back through the backend's row writer.
class OdbcRecordset : public Recordset {
public:
    OdbcRecordset(std::shared_ptr<OdbcConnection> connection, const std::string& sql,
                  RecordsetType type = dbOpenDynaset);
    ~OdbcRecordset() override;

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
