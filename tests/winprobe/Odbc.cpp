#include "Odbc.h"

namespace karusello::winprobe {

OdbcError::OdbcError(std::string sqlState, long nativeError, const std::string& message)
    : std::runtime_error(sqlState + " (" + std::to_string(nativeError) + "): " + message),
      sqlState_(std::move(sqlState)), nativeError_(nativeError) {}

OdbcHandle::OdbcHandle(SQLSMALLINT type, SQLHANDLE parent) : type_(type) {
    if (!SQL_SUCCEEDED(SQLAllocHandle(type, parent, &handle_))) {
        throw std::runtime_error("SQLAllocHandle failed for handle type " + std::to_string(type));
    }
}

OdbcHandle::~OdbcHandle() {
    SQLFreeHandle(type_, handle_);
}

void OdbcHandle::Check(SQLRETURN result) const {
    if (SQL_SUCCEEDED(result) || result == SQL_NO_DATA) {
        return;
    }
    SQLCHAR state[6] = "";
    SQLINTEGER native = 0;
    SQLCHAR message[SQL_MAX_MESSAGE_LENGTH] = "";
    SQLSMALLINT length = 0;
    if (!SQL_SUCCEEDED(
            SQLGetDiagRec(type_, handle_, 1, state, &native, message, sizeof message, &length))) {
        throw OdbcError("", 0, "no diagnostic record for result " + std::to_string(result));
    }
    throw OdbcError(reinterpret_cast<const char*>(state), native,
                    reinterpret_cast<const char*>(message));
}

OdbcEnvironment::OdbcEnvironment() : handle_(SQL_HANDLE_ENV, SQL_NULL_HANDLE) {
    handle_.Check(SQLSetEnvAttr(handle_.Get(), SQL_ATTR_ODBC_VERSION,
                                reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0));
}

OdbcConnection::OdbcConnection(const OdbcEnvironment& env, const std::string& connectionText)
    : handle_(SQL_HANDLE_DBC, env.Get()) {
    std::string text = connectionText; // the ANSI function takes a non-const text
    handle_.Check(SQLDriverConnect(handle_.Get(), nullptr, reinterpret_cast<SQLCHAR*>(text.data()),
                                   SQL_NTS, nullptr, 0, nullptr, SQL_DRIVER_NOPROMPT));
}

OdbcConnection::~OdbcConnection() {
    SQLDisconnect(handle_.Get());
}

void OdbcConnection::Execute(const std::string& sql) {
    OdbcHandle statement(SQL_HANDLE_STMT, handle_.Get());
    std::string text = sql;
    statement.Check(
        SQLExecDirect(statement.Get(), reinterpret_cast<SQLCHAR*>(text.data()), SQL_NTS));
}

std::vector<std::optional<long>> OdbcConnection::Column(const std::string& sql) {
    OdbcHandle statement(SQL_HANDLE_STMT, handle_.Get());
    std::string text = sql;
    statement.Check(
        SQLExecDirect(statement.Get(), reinterpret_cast<SQLCHAR*>(text.data()), SQL_NTS));
    std::vector<std::optional<long>> values;
    SQLRETURN fetched;
    while ((fetched = SQLFetch(statement.Get())) != SQL_NO_DATA) {
        statement.Check(fetched);
        SQLINTEGER value = 0;
        SQLLEN indicator = 0;
        statement.Check(
            SQLGetData(statement.Get(), 1, SQL_C_SLONG, &value, sizeof value, &indicator));
        values.push_back(indicator == SQL_NULL_DATA ? std::nullopt : std::optional<long>(value));
    }
    return values;
}

void OdbcConnection::SetAutoCommit(bool on) {
    const auto value = on ? SQL_AUTOCOMMIT_ON : SQL_AUTOCOMMIT_OFF;
    handle_.Check(SQLSetConnectAttr(handle_.Get(), SQL_ATTR_AUTOCOMMIT,
                                    reinterpret_cast<SQLPOINTER>(value), 0));
}

void OdbcConnection::Commit() {
    handle_.Check(SQLEndTran(SQL_HANDLE_DBC, handle_.Get(), SQL_COMMIT));
}

void OdbcConnection::Rollback() {
    handle_.Check(SQLEndTran(SQL_HANDLE_DBC, handle_.Get(), SQL_ROLLBACK));
}

} // namespace karusello::winprobe
