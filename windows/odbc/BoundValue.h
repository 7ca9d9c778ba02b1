#pragma once

#include "core/playlistdb/FieldValue.h"
#include "windows/odbc/ColumnValue.h"
#include "windows/odbc/OdbcApi.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace karusello::dao {

// A value in the form in which ODBC binds it, to a parameter or to a result column: its C type,
// the SQL type of a parameter, its bytes (never none, so that the buffer is always valid) and
// its length/indicator.
struct BoundValue {
    SQLSMALLINT cType = SQL_C_SLONG;
    SQLSMALLINT sqlType = SQL_INTEGER;
    SQLULEN columnSize = 0;
    std::vector<char> bytes = std::vector<char>(sizeof(std::int64_t));
    SQLLEN indicator = 0;

    SQLPOINTER Data() { return bytes.data(); }
    SQLLEN Size() const { return static_cast<SQLLEN>(bytes.size()); }
};

// A value that the program writes: a 32-bit integer, or null.
BoundValue IntegerValue(std::optional<std::int32_t> value);

// A row's SQLite rowid, a 64-bit integer.
BoundValue BigIntValue(std::int64_t value);

// A value as it was read, to be given back to the driver in a form that keeps it: an integer
// as an integer (a Yes/No field as ODBC's 1 or 0 again), a number as a double, a text as the
// driver's text (SQLite's own bytes, the Access driver's wide characters), bytes as binary. A
// null gives an empty text with the indicator SQL_NULL_DATA.
BoundValue ValueAsRead(OdbcBackend backend, ColumnKind kind, const FieldValue& value);

// Binds the value to a parameter of the statement.
SQLRETURN BindParameter(SQLHSTMT statement, SQLUSMALLINT parameter, BoundValue& value);

} // namespace karusello::dao
