#include "windows/odbc/OdbcConnection.h"

#include "core/playlistdb/SqlText.h"
#include "windows/odbc/WideText.h"

#include <algorithm>

namespace karusello::dao {

OdbcConnection::OdbcConnection(OdbcBackend backend, const std::vector<DriverConnection>& ways,
                               RowWriterChoice writer)
    : backend_(backend), writer_(writer), environment_(SQL_HANDLE_ENV, SQL_NULL_HANDLE, backend) {
    const SQLRETURN rc = SQLSetEnvAttr(environment_.Get(), SQL_ATTR_ODBC_VERSION,
                                       reinterpret_cast<SQLPOINTER>(SQL_OV_ODBC3), 0);
    Check(rc, environment_);
    connection_ = OdbcHandle(SQL_HANDLE_DBC, environment_.Get(), backend);
    Connect(ways);
}

OdbcConnection::~OdbcConnection() {
    if (inTransaction_) {
        SQLEndTran(SQL_HANDLE_DBC, connection_.Get(), SQL_ROLLBACK);
    }
    if (connected_) {
        SQLDisconnect(connection_.Get());
    }
}

namespace {

std::string InfoText(SQLHDBC connection, SQLUSMALLINT item) {
    std::u16string text(256, u'\0');
    SQLSMALLINT bytes = 0;
    const SQLRETURN rc = SQLGetInfoW(connection, item, SqlChars(text),
                                     static_cast<SQLSMALLINT>(text.size() * 2), &bytes);
    if (!Succeeded(rc)) {
        return "";
    }
    text.resize(std::min<std::size_t>(static_cast<std::size_t>(bytes) / 2, text.size() - 1));
    return Utf8FromUtf16(text);
}

} // namespace

DriverDescription OdbcConnection::Describe() const {
    return {InfoText(connection_.Get(), SQL_DRIVER_NAME),
            InfoText(connection_.Get(), SQL_DRIVER_VER)};
}

std::string OdbcConnection::QuotedName(std::string_view name) const {
    if (quote_ == '\0') {
        // A blank says that the driver knows no identifier quotes: names go as they are then.
        const std::string quote = InfoText(connection_.Get(), SQL_IDENTIFIER_QUOTE_CHAR);
        quote_ = quote.size() == 1 ? quote[0] : ' ';
    }
    return quote_ == ' ' ? std::string(name) : Quoted(name, quote_);
}

void OdbcConnection::Connect(const std::vector<DriverConnection>& ways) {
    std::vector<OdbcDiagnostic> missing;
    for (const DriverConnection& way : ways) {
        std::u16string text = Utf16FromUtf8(way.text);
        const SQLRETURN rc = SQLDriverConnectW(connection_.Get(), nullptr, SqlChars(text),
                                               static_cast<SQLSMALLINT>(text.size()), nullptr, 0,
                                               nullptr, SQL_DRIVER_NOPROMPT);
        if (Succeeded(rc)) {
            connected_ = true;
            return;
        }
        std::vector<OdbcDiagnostic> diagnostics = connection_.Diagnostics();
        if (!IsDriverMissing(diagnostics)) {
            throw OdbcError(backend_, diagnostics);
        }
        for (OdbcDiagnostic& diagnostic : diagnostics) {
            diagnostic.message = "'" + way.driver + "': " + diagnostic.message;
            missing.push_back(std::move(diagnostic));
        }
    }
    throw OdbcError(backend_, missing);
}

OdbcHandle OdbcConnection::NewStatement() const {
    return OdbcHandle(SQL_HANDLE_STMT, connection_.Get(), backend_);
}

void OdbcConnection::Check(SQLRETURN rc, const OdbcHandle& handle, bool noDataIsSuccess) const {
    if (!Succeeded(rc) && !(noDataIsSuccess && rc == SQL_NO_DATA)) {
        Fail(handle);
    }
}

void OdbcConnection::Fail(const OdbcHandle& handle) const {
    throw OdbcError(backend_, handle.Diagnostics());
}

void OdbcConnection::Execute(const std::string& sql) const {
    ExecuteOn(NewStatement(), sql);
}

void OdbcConnection::ExecuteOn(const OdbcHandle& statement, const std::string& sql) const {
    std::u16string text = Utf16FromUtf8(sql);
    Check(SQLExecDirectW(statement.Get(), SqlChars(text), static_cast<SQLINTEGER>(text.size())),
          statement, true);
}

SQLRETURN OdbcConnection::Prepare(const OdbcHandle& statement, const std::string& sql) const {
    std::u16string text = Utf16FromUtf8(sql);
    return SQLPrepareW(statement.Get(), SqlChars(text), static_cast<SQLINTEGER>(text.size()));
}

void OdbcConnection::SetAutocommit(bool on) {
    const auto value = on ? SQL_AUTOCOMMIT_ON : SQL_AUTOCOMMIT_OFF;
    Check(SQLSetConnectAttrW(connection_.Get(), SQL_ATTR_AUTOCOMMIT,
                             reinterpret_cast<SQLPOINTER>(static_cast<SQLULEN>(value)), 0),
          connection_);
}

void OdbcConnection::BeginTransaction() {
    if (backend_ == OdbcBackend::Sqlite && autoVacuum_ < 0) {
        // Asked before the transaction: inside it, this read would take a lock of its own.
        const OdbcHandle statement = NewStatement();
        ExecuteOn(statement, "PRAGMA main.auto_vacuum");
        SQLINTEGER mode = 0;
        SQLLEN indicator = 0;
        if (Succeeded(SQLFetch(statement.Get()))) {
            SQLGetData(statement.Get(), 1, SQL_C_SLONG, &mode, 0, &indicator);
        }
        autoVacuum_ = mode;
    }
    SetAutocommit(false);
    inTransaction_ = true;
    try {
        if (backend_ == OdbcBackend::Sqlite) {
            ClaimSqliteWriteLock();
        }
    } catch (...) {
        RollbackTransaction();
        throw;
    }
}

// The SQLite ODBC driver begins its transactions deferred and has no option for an immediate
// one, and a BEGIN of our own would collide with the one it starts. So the transaction's first
// statement is one that needs the write lock and changes nothing: an incremental vacuum, which
// has no effect on a file without incremental auto-vacuum (checked: the file stays byte for
// byte as it was). On a file with it, the vacuum would free pages; there the lock is left to
// the first write.
void OdbcConnection::ClaimSqliteWriteLock() {
    constexpr int kIncrementalAutoVacuum = 2;
    if (autoVacuum_ != kIncrementalAutoVacuum) {
        Execute("PRAGMA main.incremental_vacuum");
    }
}

void OdbcConnection::CommitTransaction() {
    // A commit that fails (the host still reading) leaves the transaction open for a rollback.
    Check(SQLEndTran(SQL_HANDLE_DBC, connection_.Get(), SQL_COMMIT), connection_);
    inTransaction_ = false;
    SetAutocommit(true);
}

void OdbcConnection::RollbackTransaction() {
    Check(SQLEndTran(SQL_HANDLE_DBC, connection_.Get(), SQL_ROLLBACK), connection_);
    inTransaction_ = false;
    // Switching autocommit on commits what is open: only after the rollback.
    SetAutocommit(true);
}

} // namespace karusello::dao
