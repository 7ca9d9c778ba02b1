#include "windows/odbc/OdbcHandle.h"

#include "windows/odbc/WideText.h"

#include <array>

namespace karusello::dao {

OdbcHandle::OdbcHandle(SQLSMALLINT type, SQLHANDLE parent, OdbcBackend backend) : type_(type) {
    const SQLRETURN rc = SQLAllocHandle(type, parent, &handle_);
    if (!Succeeded(rc)) {
        handle_ = SQL_NULL_HANDLE;
        const SQLSMALLINT parentType = type == SQL_HANDLE_STMT ? SQL_HANDLE_DBC : SQL_HANDLE_ENV;
        throw OdbcError(backend, parent == SQL_NULL_HANDLE ? std::vector<OdbcDiagnostic>{}
                                                           : ReadDiagnostics(parentType, parent));
    }
}

OdbcHandle& OdbcHandle::operator=(OdbcHandle&& other) noexcept {
    if (this != &other) {
        Reset();
        handle_ = other.handle_;
        type_ = other.type_;
        other.handle_ = SQL_NULL_HANDLE;
    }
    return *this;
}

void OdbcHandle::Reset() noexcept {
    if (handle_ != SQL_NULL_HANDLE) {
        SQLFreeHandle(type_, handle_);
        handle_ = SQL_NULL_HANDLE;
    }
}

std::vector<OdbcDiagnostic> OdbcHandle::Diagnostics() const {
    return ReadDiagnostics(type_, handle_);
}

std::vector<OdbcDiagnostic> ReadDiagnostics(SQLSMALLINT type, SQLHANDLE handle) {
    std::vector<OdbcDiagnostic> records;
    for (SQLSMALLINT record = 1;; ++record) {
        std::u16string state(6, u'\0');
        std::u16string message(1024, u'\0');
        SQLINTEGER native = 0;
        SQLSMALLINT length = 0;
        const SQLRETURN rc =
            SQLGetDiagRecW(type, handle, record, SqlChars(state), &native, SqlChars(message),
                           static_cast<SQLSMALLINT>(message.size()), &length);
        if (!Succeeded(rc)) {
            return records;
        }
        if (length >= static_cast<SQLSMALLINT>(message.size())) {
            length = static_cast<SQLSMALLINT>(message.size() - 1);
        }
        state.resize(5);
        message.resize(static_cast<std::size_t>(length));
        records.push_back(
            {Utf8FromUtf16(state), static_cast<std::int32_t>(native), Utf8FromUtf16(message)});
    }
}

} // namespace karusello::dao
