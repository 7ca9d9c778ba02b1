#include "windows/odbc/BoundValue.h"

#include "windows/odbc/WideText.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <string>
#include <variant>

namespace karusello::dao {

namespace {

template <class T> BoundValue Number(SQLSMALLINT cType, SQLSMALLINT sqlType, T value) {
    BoundValue bound;
    bound.cType = cType;
    bound.sqlType = sqlType;
    bound.bytes.assign(sizeof(T), '\0');
    std::memcpy(bound.bytes.data(), &value, sizeof(T));
    return bound;
}

BoundValue Integer(std::int64_t value) {
    if (value >= std::numeric_limits<std::int32_t>::min() &&
        value <= std::numeric_limits<std::int32_t>::max()) {
        // The Access driver knows no 64-bit integers.
        return Number<SQLINTEGER>(SQL_C_SLONG, SQL_INTEGER, static_cast<SQLINTEGER>(value));
    }
    return BigIntValue(value);
}

} // namespace

BoundValue BigIntValue(std::int64_t value) {
    return Number<SQLBIGINT>(SQL_C_SBIGINT, SQL_BIGINT, value);
}

namespace {

// A text, ended by a zero as the drivers want it.
BoundValue Text(OdbcBackend backend, const std::string& text) {
    BoundValue bound;
    if (backend == OdbcBackend::Access) {
        const std::u16string wide = Utf16FromUtf8(text);
        bound.cType = SQL_C_WCHAR;
        bound.sqlType = SQL_WVARCHAR;
        bound.columnSize = wide.size();
        bound.bytes.assign(reinterpret_cast<const char*>(wide.data()),
                           reinterpret_cast<const char*>(wide.data() + wide.size()));
        bound.bytes.insert(bound.bytes.end(), sizeof(char16_t), '\0');
    } else {
        bound.cType = SQL_C_CHAR;
        bound.sqlType = SQL_VARCHAR;
        bound.columnSize = text.size();
        bound.bytes.assign(text.begin(), text.end());
        bound.bytes.push_back('\0');
    }
    bound.columnSize = std::max<SQLULEN>(bound.columnSize, 1);
    bound.indicator =
        static_cast<SQLLEN>(bound.bytes.size()) - (backend == OdbcBackend::Access ? 2 : 1);
    return bound;
}

BoundValue Binary(const std::string& bytes) {
    BoundValue bound;
    bound.cType = SQL_C_BINARY;
    bound.sqlType = SQL_VARBINARY;
    bound.columnSize = std::max<SQLULEN>(bytes.size(), 1);
    bound.bytes.assign(bytes.begin(), bytes.end());
    bound.indicator = static_cast<SQLLEN>(bytes.size());
    if (bound.bytes.empty()) {
        bound.bytes.push_back('\0');
    }
    return bound;
}

} // namespace

BoundValue IntegerValue(std::optional<std::int32_t> value) {
    BoundValue bound = Number<SQLINTEGER>(SQL_C_SLONG, SQL_INTEGER, value.value_or(0));
    bound.indicator = value ? 0 : SQL_NULL_DATA;
    return bound;
}

BoundValue ValueAsRead(OdbcBackend backend, ColumnKind kind, const FieldValue& value) {
    const FieldValue::Storage& raw = value.Raw();
    if (const auto* integer = std::get_if<std::int64_t>(&raw)) {
        // A Yes/No field reads as DAO's -1 for true; the driver's own true is 1.
        return Integer(kind == ColumnKind::YesNo && *integer != 0 ? 1 : *integer);
    }
    if (const auto* number = std::get_if<double>(&raw)) {
        return Number<double>(SQL_C_DOUBLE, SQL_DOUBLE, *number);
    }
    if (const auto* text = std::get_if<std::string>(&raw)) {
        return kind == ColumnKind::Bytes ? Binary(*text) : Text(backend, *text);
    }
    BoundValue null = Text(backend, "");
    null.indicator = SQL_NULL_DATA;
    return null;
}

SQLRETURN BindParameter(SQLHSTMT statement, SQLUSMALLINT parameter, BoundValue& value) {
    return SQLBindParameter(statement, parameter, SQL_PARAM_INPUT, value.cType, value.sqlType,
                            value.columnSize, 0, value.Data(), value.Size(), &value.indicator);
}

} // namespace karusello::dao
