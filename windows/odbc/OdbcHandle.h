#pragma once

#include "windows/odbc/OdbcApi.h"
#include "windows/odbc/OdbcError.h"

#include <vector>

namespace karusello::dao {

// Owns one ODBC handle (environment, connection or statement) and frees it when it goes. A
// connection handle must be disconnected before (OdbcConnection does that).
class OdbcHandle {
public:
    OdbcHandle() = default;
    // Allocates a handle of the type below parent (SQL_NULL_HANDLE for an environment).
    // DbGeneric, with the parent's diagnostics, when the driver manager refuses.
    OdbcHandle(SQLSMALLINT type, SQLHANDLE parent, OdbcBackend backend);
    ~OdbcHandle() { Reset(); }
    OdbcHandle(OdbcHandle&& other) noexcept { *this = std::move(other); }
    OdbcHandle& operator=(OdbcHandle&& other) noexcept;
    OdbcHandle(const OdbcHandle&) = delete;
    OdbcHandle& operator=(const OdbcHandle&) = delete;

    SQLHANDLE Get() const noexcept { return handle_; }
    SQLSMALLINT Type() const noexcept { return type_; }
    explicit operator bool() const noexcept { return handle_ != SQL_NULL_HANDLE; }
    void Reset() noexcept;

    // The diagnostic records of the last call on this handle.
    std::vector<OdbcDiagnostic> Diagnostics() const;

private:
    SQLHANDLE handle_ = SQL_NULL_HANDLE;
    SQLSMALLINT type_ = 0;
};

// The diagnostic records of the last call on a handle.
std::vector<OdbcDiagnostic> ReadDiagnostics(SQLSMALLINT type, SQLHANDLE handle);

// True for the return codes of a call that did what it was asked (with or without a warning).
inline bool Succeeded(SQLRETURN rc) {
    return rc == SQL_SUCCESS || rc == SQL_SUCCESS_WITH_INFO;
}

} // namespace karusello::dao
