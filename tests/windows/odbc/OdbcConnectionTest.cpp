// The driver search against the driver manager of this machine: unixODBC with the SQLite ODBC
// driver on Linux, Wine's ODBC layer over the same under Wine.
#include "windows/odbc/OdbcConnection.h"
#include "windows/odbc/DriverFilePath.h"

#include "tests/support/TempFolder.h"
#include "tests/support/hostdb/HostDb.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace karusello::dao {
namespace {

using ::testing::HasSubstr;

class OdbcConnectionTest : public ::testing::Test {
protected:
    OdbcConnectionTest() {
        karusello::test::HostDb(file_, true).Exec("CREATE TABLE t (x INTEGER)");
    }

    DriverConnection Sqlite(const std::string& file) const {
        return {"SQLite3", "Driver={SQLite3};Database=" + DriverFilePath(file) + ";NoCreat=1"};
    }

    static DriverConnection Missing(const std::string& name) {
        return {name, "Driver={" + name + "};DBQ=x"};
    }

    static RuntimeError ConnectError(OdbcBackend backend,
                                     const std::vector<DriverConnection>& ways) {
        try {
            OdbcConnection connection(backend, ways);
        } catch (const RuntimeError& error) {
            return error;
        }
        return RuntimeError(0, "verbunden");
    }

    karusello::test::TempFolder folder_;
    std::string file_ = folder_ / "host.mdb";
};

TEST_F(OdbcConnectionTest, TheNextDriverIsTriedOnlyWhereOneIsNotInstalled) {
    EXPECT_NO_THROW(
        OdbcConnection(OdbcBackend::Sqlite, {Missing("Karusello Gibtsnicht"), Sqlite(file_)}));

    // An installed driver that fails ends the search: the next one would fail differently, or
    // open what the first refused for a reason.
    const RuntimeError failed =
        ConnectError(OdbcBackend::Sqlite, {Sqlite(folder_ / "fehlt.mdb"), Sqlite(file_)});
    EXPECT_EQ(failed.Number(), errnum::DbCannotOpen);
    EXPECT_FALSE(std::filesystem::exists(folder_.Path() / "fehlt.mdb"));

    const RuntimeError none =
        ConnectError(OdbcBackend::Access, {Missing("Karusello Eins"), Missing("Karusello Zwei")});
    EXPECT_EQ(none.Number(), errnum::DbCannotOpen);
    EXPECT_THAT(none.Text(), HasSubstr("Karusello Eins"));
}

} // namespace
} // namespace karusello::dao
