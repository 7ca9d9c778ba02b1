#pragma once

#include "playlistdb/FieldValue.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace karusello::dao {

class Connection;

// How a recordset may be used, with the numbers of the DAO constants.
enum RecordsetType {
    // Rows can be changed in place: the query is prepared with the hidden rowid when it reads
    // from one table.
    dbOpenDynaset = 2,
    // Read-only: the query runs exactly as written, which saves preparing it a second time.
    dbOpenSnapshot = 4,
};

// The result of one query, read row by row. For a query on a single table the current row can
// be changed in place (Edit, set a field, Update); rows are identified by their rowid.
class Recordset {
public:
    Recordset(std::shared_ptr<Connection> connection, const std::string& sql,
              RecordsetType type = dbOpenDynaset);
    ~Recordset();
    Recordset(const Recordset&) = delete;
    Recordset& operator=(const Recordset&) = delete;

    // True when there is no current row (past the last one, or no rows at all). Named so
    // because EOF is a macro of the C library.
    bool Eof() const;
    void MoveNext();
    // The 0-based position of the current row in the result's order.
    std::int32_t AbsolutePosition() const;
    // The current row's value of a field; DbItemNotFound for an unknown field,
    // DbNoCurrentRecord at Eof.
    FieldValue Fields(const std::string& name) const;

    void Edit();
    void SetField(const std::string& name, std::int32_t value);
    // Sets the field to null, to put back a null that was read before.
    void SetFieldNull(const std::string& name);
    // Writes the edited fields of the current row, and only of that row.
    void Update();
    void Close();

private:
    void SetFieldValue(const std::string& name, std::optional<std::int32_t> value);

    struct Impl;
    std::unique_ptr<Impl> impl_;
};

} // namespace karusello::dao
