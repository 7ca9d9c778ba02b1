#pragma once

#include "windows/odbc/ConnectionText.h"
#include "windows/odbc/OdbcApi.h"
#include "core/playlistdb/FieldValue.h"

#include <optional>
#include <string>

namespace karusello::dao {

// What a result column's ODBC type makes of its values.
enum class ColumnKind {
    YesNo,   // SQL_BIT: Access's Yes/No field
    Integer, // exact integers
    Number,  // floating point and decimal numbers
    Bytes,   // binary data, taken as they are
    Text,    // everything else
};

ColumnKind KindOfSqlType(SQLSMALLINT sqlType);

// A field's value from the driver's text of it (no text: null), as DAO gives it: a Yes/No field
// is -1 for true and 0 for false, where ODBC says 1 and 0; an integer or number column gives a
// number where its text is one. Anything else, and a text that is no number (SQLite lets any
// column hold any value), stays the text.
FieldValue FieldValueFromText(ColumnKind kind, std::optional<std::string> text);

// The current row's value of a column as the driver gives it: SQLite's own bytes (text in the
// file's encoding, a blob as it is), the Access driver's text as UTF-8 and its binary data as
// bytes. Long values are read in parts. Throws the mapped error when the driver fails.
std::optional<std::string> ReadColumnText(OdbcBackend backend, SQLHSTMT statement,
                                          SQLUSMALLINT column, ColumnKind kind);

// The current row's value of a column through the driver's wide characters, as UTF-8: the way
// every driver gives the text of its catalog results.
std::optional<std::string> ReadWideText(OdbcBackend backend, SQLHSTMT statement,
                                        SQLUSMALLINT column);

} // namespace karusello::dao
