#pragma once

// Just enough ODBC for the probe: handles that free themselves and calls that throw.
//
// Under Wine only the plain and the ...W function names work; Wine's odbc32 aborts on the
// explicit ...A names. The plain names are the ANSI ones as long as UNICODE is not defined.

#include <windows.h>

#include <sql.h>
#include <sqlext.h>

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace karusello::winprobe {

// A failed call, with the first diagnostic record of its handle.
class OdbcError : public std::runtime_error {
public:
    OdbcError(std::string sqlState, long nativeError, const std::string& message);

    const std::string& SqlState() const { return sqlState_; }
    long NativeError() const { return nativeError_; }

private:
    std::string sqlState_;
    long nativeError_;
};

class OdbcHandle {
public:
    OdbcHandle(SQLSMALLINT type, SQLHANDLE parent);
    ~OdbcHandle();
    OdbcHandle(const OdbcHandle&) = delete;
    OdbcHandle& operator=(const OdbcHandle&) = delete;

    SQLHANDLE Get() const { return handle_; }
    // Throws OdbcError unless the call that returned result succeeded.
    void Check(SQLRETURN result) const;

private:
    SQLSMALLINT type_;
    SQLHANDLE handle_ = SQL_NULL_HANDLE;
};

// The ODBC 3 environment; one per process is enough.
class OdbcEnvironment {
public:
    OdbcEnvironment();
    SQLHANDLE Get() const { return handle_.Get(); }

private:
    OdbcHandle handle_;
};

// A connection opened with a connection text, without any dialog; closed when it goes.
class OdbcConnection {
public:
    OdbcConnection(const OdbcEnvironment& env, const std::string& connectionText);
    ~OdbcConnection();
    OdbcConnection(const OdbcConnection&) = delete;
    OdbcConnection& operator=(const OdbcConnection&) = delete;

    void Execute(const std::string& sql);
    // Every row of the first column of a query (empty for SQL NULL).
    std::vector<std::optional<long>> Column(const std::string& sql);

    void SetAutoCommit(bool on);
    void Commit();
    void Rollback();

private:
    OdbcHandle handle_;
};

} // namespace karusello::winprobe
