#include "windows/odbc/ConnectionText.h"

#include "core/errors/RuntimeError.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace karusello::dao {
namespace {

using namespace std::chrono_literals;
using namespace std::string_literals;
using ::testing::HasSubstr;

std::vector<std::string> Texts(OdbcBackend backend, const std::string& path,
                               std::chrono::milliseconds timeout = 10000ms) {
    std::vector<std::string> texts;
    for (const DriverConnection& way : ConnectionTexts(backend, path, timeout)) {
        texts.push_back(way.text);
    }
    return texts;
}

TEST(ConnectionText, TheDriverFollowsTheFilesHeader) {
    EXPECT_EQ(BackendFor(DatabaseFormat::Jet), OdbcBackend::Access);
    EXPECT_EQ(BackendFor(DatabaseFormat::Ace), OdbcBackend::Access);
    EXPECT_EQ(BackendFor(DatabaseFormat::Sqlite), OdbcBackend::Sqlite);
}

// The SQLite ODBC driver waits up to twice its timeout (SQLite's busy handler, then its own
// retry): it gets half the engine's.
TEST(ConnectionText, SqliteNeverCreatesTheFileAndWaitsWithinTheBusyTimeout) {
    EXPECT_EQ(Texts(OdbcBackend::Sqlite, "/srv/brisolan/brisolan.mdb"),
              std::vector<std::string>{
                  "Driver={SQLite3};Database=/srv/brisolan/brisolan.mdb;NoCreat=1;Timeout=5000"});
    EXPECT_THAT(Texts(OdbcBackend::Sqlite, "/x.mdb", 0ms).at(0), HasSubstr(";Timeout=0"));
    EXPECT_THAT(Texts(OdbcBackend::Sqlite, "/x.mdb", 1ms).at(0), HasSubstr(";Timeout=1"));
    EXPECT_THAT(Texts(OdbcBackend::Sqlite, "/x.mdb", 301ms).at(0), HasSubstr(";Timeout=151"));
}

TEST(ConnectionText, AccessTriesTheNewerDriverFirstSharedAndReadWrite) {
    const std::vector<DriverConnection> ways =
        ConnectionTexts(OdbcBackend::Access, R"(C:\Brisolan\brisolan.mdb)", 10000ms);
    ASSERT_EQ(ways.size(), 2u);
    EXPECT_EQ(ways[0].driver, "Microsoft Access Driver (*.mdb, *.accdb)");
    EXPECT_EQ(ways[0].text,
              R"(Driver={Microsoft Access Driver (*.mdb, *.accdb)};DBQ=C:\Brisolan\brisolan.mdb)");
    EXPECT_EQ(ways[1].driver, "Microsoft Access Driver (*.mdb)");
    EXPECT_EQ(ways[1].text,
              R"(Driver={Microsoft Access Driver (*.mdb)};DBQ=C:\Brisolan\brisolan.mdb)");
    // Blanks and parentheses are part of a plain value.
    EXPECT_THAT(Texts(OdbcBackend::Access, R"(C:\Program Files (x86)\Brisolan\b.mdb)").at(0),
                ::testing::EndsWith(R"(;DBQ=C:\Program Files (x86)\Brisolan\b.mdb)"));
    for (const DriverConnection& way : ways) {
        EXPECT_THAT(way.text, ::testing::Not(HasSubstr("Exclusive")));
        EXPECT_THAT(way.text, ::testing::Not(HasSubstr("ReadOnly")));
    }
}

// A path is one attribute value, whatever it holds: what a driver would read as the end of the
// value is refused before it reaches the driver.
TEST(ConnectionText, APathCanNeverAddAttributes) {
    const auto refusal = [](OdbcBackend backend, const std::string& path) {
        try {
            ConnectionTexts(backend, path, 10000ms);
        } catch (const RuntimeError& error) {
            return error;
        }
        return RuntimeError(0, "angenommen");
    };
    const RuntimeError semicolon = refusal(OdbcBackend::Sqlite, "/srv/a;NoCreat=0;x/b.mdb");
    EXPECT_EQ(semicolon.Number(), errnum::DbCannotOpen);
    EXPECT_THAT(semicolon.Text(), HasSubstr("';'"));
    EXPECT_EQ(refusal(OdbcBackend::Access, R"(C:\a};Exclusive=1;x={\b.mdb)").Number(),
              errnum::DbCannotOpen);
    EXPECT_EQ(refusal(OdbcBackend::Sqlite, "/srv/a\0b.mdb"s).Number(), errnum::DbCannotOpen);
    EXPECT_EQ(refusal(OdbcBackend::Access, "C:\\a\0b.mdb"s).Number(), errnum::DbCannotOpen);

    // In braces the Access driver reads ';' and '{' as part of the value; the SQLite driver
    // knows no braces and takes them, and '=', as they are.
    EXPECT_EQ(Texts(OdbcBackend::Access, R"(C:\a;b\c.mdb)").at(1),
              R"(Driver={Microsoft Access Driver (*.mdb)};DBQ={C:\a;b\c.mdb})");
    EXPECT_THAT(Texts(OdbcBackend::Access, R"(C:\{a\c.mdb)").at(0),
                ::testing::EndsWith(R"(;DBQ={C:\{a\c.mdb})"));
    EXPECT_EQ(refusal(OdbcBackend::Access, R"(C:\a}b\c.mdb)").Number(), errnum::DbCannotOpen);
    EXPECT_THAT(Texts(OdbcBackend::Sqlite, "/srv/{a}=b/c.mdb").at(0),
                HasSubstr("Database=/srv/{a}=b/c.mdb;NoCreat=1"));
}

} // namespace
} // namespace karusello::dao
