#include "windows/odbc/ColumnValue.h"

#include "windows/odbc/OdbcHandle.h"
#include "windows/odbc/WideText.h"

#include <charconv>
#include <cstdint>
#include <string_view>
#include <vector>

namespace karusello::dao {

namespace {

std::optional<std::int64_t> IntegerText(std::string_view text) {
    std::int64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || text.empty()) {
        return std::nullopt;
    }
    return value;
}

std::optional<double> NumberText(std::string_view text) {
    // from_chars alone would also take "inf" and "nan".
    if (text.empty() || text.find_first_not_of("0123456789.eE+-") != std::string_view::npos) {
        return std::nullopt;
    }
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

// Reads a column in parts of up to kPart bytes, as C type cType, until the driver has no more.
std::optional<std::string> ReadParts(SQLHSTMT statement, SQLUSMALLINT column, SQLSMALLINT cType,
                                     OdbcBackend backend) {
    constexpr std::size_t kPart = 4096;
    // A wide text ends each part with a terminating zero of two bytes, which is no data.
    const std::size_t terminator = cType == SQL_C_WCHAR ? sizeof(char16_t) : 0;
    std::vector<char> buffer(kPart);
    std::string bytes;
    for (;;) {
        SQLLEN indicator = 0;
        const SQLRETURN rc = SQLGetData(statement, column, cType, buffer.data(),
                                        static_cast<SQLLEN>(buffer.size()), &indicator);
        if (rc == SQL_NO_DATA) {
            return bytes;
        }
        if (!Succeeded(rc)) {
            throw OdbcError(backend, ReadDiagnostics(SQL_HANDLE_STMT, statement));
        }
        if (indicator == SQL_NULL_DATA) {
            return std::nullopt;
        }
        const std::size_t room = buffer.size() - terminator;
        const bool whole = indicator != SQL_NO_TOTAL && static_cast<std::size_t>(indicator) <= room;
        bytes.append(buffer.data(), whole ? static_cast<std::size_t>(indicator) : room);
        if (whole) {
            return bytes;
        }
    }
}

} // namespace

ColumnKind KindOfSqlType(SQLSMALLINT sqlType) {
    switch (sqlType) {
    case SQL_BIT:
        return ColumnKind::YesNo;
    case SQL_TINYINT:
    case SQL_SMALLINT:
    case SQL_INTEGER:
    case SQL_BIGINT:
        return ColumnKind::Integer;
    case SQL_REAL:
    case SQL_FLOAT:
    case SQL_DOUBLE:
    case SQL_NUMERIC:
    case SQL_DECIMAL:
        return ColumnKind::Number;
    case SQL_BINARY:
    case SQL_VARBINARY:
    case SQL_LONGVARBINARY:
        return ColumnKind::Bytes;
    default:
        return ColumnKind::Text;
    }
}

FieldValue FieldValueFromText(ColumnKind kind, std::optional<std::string> text) {
    if (!text) {
        return FieldValue();
    }
    switch (kind) {
    case ColumnKind::YesNo:
        if (const std::optional<double> number = NumberText(*text)) {
            return FieldValue(std::int64_t{*number != 0 ? -1 : 0});
        }
        break;
    case ColumnKind::Integer:
        if (const std::optional<std::int64_t> integer = IntegerText(*text)) {
            return FieldValue(*integer);
        }
        [[fallthrough]];
    case ColumnKind::Number:
        if (const std::optional<double> number = NumberText(*text)) {
            return FieldValue(*number);
        }
        break;
    case ColumnKind::Bytes:
    case ColumnKind::Text:
        break;
    }
    return FieldValue(std::move(*text));
}

std::optional<std::string> ReadColumnText(OdbcBackend backend, SQLHSTMT statement,
                                          SQLUSMALLINT column, ColumnKind kind) {
    // The SQLite ODBC driver gives a blob as text in the form X'4869'; as binary it gives every
    // value's own bytes, which is what SQLite itself would return.
    if (backend == OdbcBackend::Sqlite || kind == ColumnKind::Bytes) {
        return ReadParts(statement, column, SQL_C_BINARY, backend);
    }
    return ReadWideText(backend, statement, column);
}

std::optional<std::string> ReadWideText(OdbcBackend backend, SQLHSTMT statement,
                                        SQLUSMALLINT column) {
    std::optional<std::string> bytes = ReadParts(statement, column, SQL_C_WCHAR, backend);
    if (!bytes) {
        return std::nullopt;
    }
    std::u16string wide(bytes->size() / sizeof(char16_t), u'\0');
    bytes->copy(reinterpret_cast<char*>(wide.data()), wide.size() * sizeof(char16_t));
    return Utf8FromUtf16(wide);
}

} // namespace karusello::dao
