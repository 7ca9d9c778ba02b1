#pragma once

#include "core/playlistdb/Recordset.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace karusello::dao {

// Fields of the current row with their new values, by visible field index; no value is null.
using ChangedFields = std::vector<std::pair<int, std::optional<std::int32_t>>>;

// DbNoCurrentRecord for a row that a write found gone: another user deleted it since it was read.
[[noreturn]] void ThrowRowDeleted();
// DbReadOnly for a row to be written back by its rowid that has none that is an integer.
[[noreturn]] void ThrowNoRowid();

// A recordset over a driver's cursor, which reads the query's rows once, in order. This part is
// the same for every driver: the position, the edit of the current row (the values set since
// Edit, and those that Update wrote, which the row's fields give from then on), the look-up of a
// field by name and the errors of a closed recordset, of no current row and of a change without
// Edit. The driver's subclass runs the query in its constructor and then calls FetchFirstRow;
// it moves its cursor, reads and names the columns and writes a row when asked to.
class CursorRecordset : public Recordset {
public:
    bool Eof() const final;
    void MoveNext() final;
    std::int32_t AbsolutePosition() const final;
    FieldValue Fields(const std::string& name) const final;
    void Edit() final;
    void SetField(const std::string& name, std::int32_t value) final;
    void SetFieldNull(const std::string& name) final;
    void Update() final;
    void Close() final;

protected:
    // Makes the query's first row the current one; Eof when it has none.
    void FetchFirstRow();

    // Moves the cursor to the next row (to the first on the first call); false when there is
    // none. Throws the driver's error when the database fails.
    virtual bool FetchRow() = 0;
    // The visible columns: their number, and the name under which each is asked for.
    virtual std::size_t FieldCount() const = 0;
    virtual const std::string& FieldName(std::size_t field) const = 0;
    // The current row's value of a visible column, as the database holds it.
    virtual FieldValue StoredValue(int field) const = 0;
    // True when the rows can be changed in place: the query reads the rows of one table.
    virtual bool Updatable() const = 0;
    // Why the rows cannot be changed, for the error of Edit.
    virtual std::string WhyReadOnly() const;
    // Writes these fields of the current row, and of no other row.
    virtual void WriteRow(const ChangedFields& fields) = 0;
    // Lets go of the cursor and of what it holds in the database.
    virtual void ReleaseCursor() = 0;

private:
    void Fetch();
    void RequireOpen() const;
    void RequireCurrentRow() const;
    void RequireEdit() const;
    int FieldIndex(const std::string& name) const;
    void SetFieldValue(const std::string& name, std::optional<std::int32_t> value);

    bool eof_ = true;
    bool closed_ = false;
    bool editing_ = false;
    std::int32_t position_ = 0;
    // Field values set since Edit, and those written by Update to the current row.
    ChangedFields pending_;
    ChangedFields written_;
    // The fields looked up last: a loop over the rows asks for the same few names on every row
    // (the shuffle reads plid and sid and sets sid), so these are found without a search.
    struct KnownField {
        std::string name;
        int index = -1;
    };
    mutable std::array<KnownField, 4> knownFields_;
    mutable std::size_t nextKnownField_ = 0;
};

} // namespace karusello::dao
