#pragma once

#include "core/playlistdb/FieldValue.h"

#include <cstdint>
#include <string>

namespace karusello::dao {

// How a recordset may be used, with the numbers of the DAO constants.
enum RecordsetType {
    // Rows can be changed in place.
    dbOpenDynaset = 2,
    // Read-only; a driver may run it more cheaply.
    dbOpenSnapshot = 4,
};

// How a recordset's rows are written back, as the driver tells after the query ran.
enum class WriteMethod {
    None,       // the rows cannot be changed
    Rowid,      // an UPDATE of the one table that finds the row by its rowid
    Positioned, // the driver's own update of the cursor's current row
    Keyed,      // an UPDATE of the one table that finds the row by a unique key
};

struct WritePath {
    WriteMethod method = WriteMethod::None;
    // What finds the row: for Rowid the name that selects the rowid, for Keyed the key's
    // columns, separated by ',' where there are several.
    std::string key;
};

// The result of one query, read row by row in the query's order. For a query on a single table
// the current row can be changed in place (Edit, set a field, Update); exactly that row is
// written, even where other rows hold the same values.
class Recordset {
public:
    virtual ~Recordset() = default;

    // True when there is no current row (past the last one, or no rows at all). Named so
    // because EOF is a macro of the C library.
    virtual bool Eof() const = 0;
    virtual void MoveNext() = 0;
    // The 0-based position of the current row in the result's order; -1 at Eof.
    virtual std::int32_t AbsolutePosition() const = 0;
    // The current row's value of a field, found without regard to case; DbItemNotFound for an
    // unknown field, DbNoCurrentRecord at Eof. A field set since Edit reads as set.
    virtual FieldValue Fields(const std::string& name) const = 0;

    // DbReadOnly when the rows cannot be changed (a query over several tables, a snapshot).
    virtual void Edit() = 0;
    // DbUpdateWithoutEdit without Edit.
    virtual void SetField(const std::string& name, std::int32_t value) = 0;
    // Sets the field to null, to put back a null that was read before.
    virtual void SetFieldNull(const std::string& name) = 0;
    // Writes the edited fields of the current row, and only of that row.
    virtual void Update() = 0;
    virtual void Close() = 0;
    // How Update would write a row, as far as the driver has told: it changes once where a
    // driver refuses a positioned update, to Keyed for the rows from then on, or to None where
    // the table has no key. Writes nothing and never fails.
    virtual WritePath RowWriting() const = 0;
};

} // namespace karusello::dao
