// The host's database connection through the SQLite ODBC driver (Windows, where the tests run
// under Wine against the Linux driver). Autocommit stays on: BEGIN and COMMIT in the texts run
// as they are, as the host would send them.
#include "tests/support/hostdb/HostDb.h"

#include "windows/odbc/ColumnValue.h"
#include "windows/odbc/DriverFilePath.h"
#include "windows/odbc/OdbcConnection.h"
#include "windows/odbc/WideText.h"

#include "core/errors/RuntimeError.h"
#include "core/os/Utf8Path.h"

#include <stdexcept>

namespace karusello::test {

using namespace karusello::dao;

struct HostDb::Impl {
    std::unique_ptr<OdbcConnection> connection;
};

namespace {

std::unique_ptr<OdbcConnection> Connect(const std::filesystem::path& file, bool create) {
    // The host waits for the program's locks a while, as SQLite hosts usually do.
    const std::string text = "Driver={SQLite3};Database=" + DriverFilePath(PathUtf8(file)) +
                             (create ? "" : ";NoCreat=1") + ";Timeout=5000";
    return std::make_unique<OdbcConnection>(OdbcBackend::Sqlite,
                                            std::vector<DriverConnection>{{"SQLite3", text}});
}

} // namespace

HostDb::HostDb(const std::filesystem::path& file, bool create)
    : impl_(std::make_unique<Impl>(Impl{Connect(file, create)})) {}

HostDb::~HostDb() = default;
HostDb::HostDb(HostDb&&) noexcept = default;
HostDb& HostDb::operator=(HostDb&&) noexcept = default;

void HostDb::Exec(const std::string& sql) {
    try {
        impl_->connection->Execute(sql);
    } catch (const RuntimeError& error) {
        throw std::runtime_error(error.Text() + " in: " + sql);
    }
}

std::vector<std::vector<std::optional<std::string>>> HostDb::Rows(const std::string& sql) {
    try {
        OdbcConnection& connection = *impl_->connection;
        const OdbcHandle statement = connection.NewStatement();
        std::u16string text = Utf16FromUtf8(sql);
        connection.Check(SQLExecDirectW(statement.Get(), SqlChars(text), SQL_NTS), statement);
        SQLSMALLINT columns = 0;
        connection.Check(SQLNumResultCols(statement.Get(), &columns), statement);
        std::vector<std::vector<std::optional<std::string>>> rows;
        for (SQLRETURN rc = SQLFetch(statement.Get()); rc != SQL_NO_DATA;
             rc = SQLFetch(statement.Get())) {
            connection.Check(rc, statement);
            std::vector<std::optional<std::string>>& row = rows.emplace_back();
            for (SQLUSMALLINT i = 1; i <= static_cast<SQLUSMALLINT>(columns); ++i) {
                row.push_back(
                    ReadColumnText(OdbcBackend::Sqlite, statement.Get(), i, ColumnKind::Text));
            }
        }
        return rows;
    } catch (const RuntimeError& error) {
        throw std::runtime_error(error.Text() + " in: " + sql);
    }
}

} // namespace karusello::test
