#include "windows/odbc/OdbcError.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace karusello::dao {
namespace {

using ::testing::HasSubstr;

struct Case {
    OdbcBackend backend;
    OdbcDiagnostic diagnostic;
    int number;
};

// The SQLite ODBC driver's records as measured (SQLite's result code as the native error),
// and the standard SQLSTATEs that the Access driver reports.
TEST(OdbcError, EachFailureGetsTheNumberOfTheSameFailureOnTheSqliteDriver) {
    const OdbcBackend sqlite = OdbcBackend::Sqlite;
    const OdbcBackend access = OdbcBackend::Access;
    const Case cases[] = {
        {sqlite, {"HY000", 5, "database is locked (5)"}, errnum::DbLocked},
        {sqlite, {"HY000", 6, "database table is locked (6)"}, errnum::DbLocked},
        {sqlite, {"HY000", 8, "attempt to write a readonly database (8)"}, errnum::DbReadOnly},
        {sqlite, {"HY000", 11, "database disk image is malformed (11)"}, errnum::DbCannotOpen},
        {sqlite, {"HY000", 14, "connect failed"}, errnum::DbCannotOpen},
        {sqlite, {"HY000", 26, "file is not a database (26)"}, errnum::DbUnrecognizedFormat},
        {sqlite, {"HY000", 1, "no such table: pl_fehlt (1)"}, errnum::DbItemNotFound},
        {sqlite, {"HY000", 1, "no such column: fehlt (1)"}, errnum::DbItemNotFound},
        {sqlite, {"HY000", 1, "near \"selec\": syntax error (1)"}, errnum::DbSyntax},
        {sqlite, {"HY000", -1, "only one SQL statement allowed"}, errnum::DbSyntax},
        {sqlite, {"HY000", -1, "incompatible rowset"}, errnum::DbGeneric},
        {access, {"42S02", -1305, "could not find the input table"}, errnum::DbItemNotFound},
        {access, {"07002", -3010, "Too few parameters. Expected 1."}, errnum::DbItemNotFound},
        {access, {"42000", -3506, "Syntax error in FROM clause."}, errnum::DbSyntax},
        {access, {"HYT00", 0, "Timeout expired"}, errnum::DbLocked},
        {access, {"HY000", 5, "a Jet error"}, errnum::DbGeneric},
        // Jet's own codes, whatever the language of the message.
        {access,
         {"HY000", -1032, "Could not use '(unknown)'; file already in use."},
         errnum::DbFileInUse},
        {access, {"S1000", -1032, "Die Datei wird bereits verwendet."}, errnum::DbFileInUse},
        {access, {"HY000", -1102, "Could not update; currently locked."}, errnum::DbLocked},
        {access, {"HY000", -1811, "Could not find file '(unknown)'."}, errnum::DbFileNotFound},
        // The lock limit by the registry entry's name in the message, whatever the code.
        {access,
         {"HY000", 0,
          "Anzahl der Dateisperren für gemeinsamen Zugriff überschritten. Erhöhen Sie den Wert "
          "für den Registrierungseintrag MaxLocksPerFile."},
         errnum::DbLockLimit},
        // The same codes from the SQLite driver are SQLite's own and mean something else.
        {sqlite, {"HY000", -1032, "?"}, errnum::DbGeneric},
        {access, {"IM002", 0, "Data source name not found"}, errnum::DbCannotOpen},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ErrorNumberFor(c.backend, c.diagnostic), c.number) << c.diagnostic.message;
    }
}

// The lock limit ends a transaction that the file cannot hold: the text says what to change.
TEST(OdbcError, JetsLockLimitSaysWhichSettingToRaise) {
    const RuntimeError error = OdbcError(
        OdbcBackend::Access, {{"HY000", 0,
                               "[Microsoft][ODBC Microsoft Access Driver] File sharing lock count "
                               "exceeded. Increase MaxLocksPerFile registry entry."}});
    EXPECT_EQ(error.Number(), errnum::DbLockLimit);
    EXPECT_THAT(error.Text(), HasSubstr("Registrierungseintrag MaxLocksPerFile"));
    EXPECT_THAT(error.Text(), HasSubstr("File sharing lock count exceeded"));
}

TEST(OdbcError, TheTextKeepsTheDriversMessageAndSkipsWarnings) {
    const RuntimeError error =
        OdbcError(OdbcBackend::Sqlite,
                  {{"01S02", -1, "option value changed"}, {"HY000", 5, "database is locked (5)"}});
    EXPECT_EQ(error.Number(), errnum::DbLocked);
    EXPECT_EQ(error.Text(),
              StandardErrorText(errnum::DbLocked) + " (ODBC HY000 5: database is locked (5))");
    EXPECT_EQ(OdbcError(OdbcBackend::Access, {}).Number(), errnum::DbGeneric);
}

TEST(OdbcError, AMissingDriverIsToldApartFromAFailingOne) {
    const std::vector<OdbcDiagnostic> unixOdbc = {
        {"01000", 0,
         "[unixODBC][Driver Manager]Can't open lib 'Microsoft Access Driver "
         "(*.mdb)' : file not found"}};
    const std::vector<OdbcDiagnostic> windows = {
        {"IM002", 0,
         "[Microsoft][ODBC Driver Manager] Data source name not found and no "
         "default driver specified"}};
    EXPECT_TRUE(IsDriverMissing(unixOdbc));
    EXPECT_TRUE(IsDriverMissing(windows));
    EXPECT_FALSE(IsDriverMissing({{"HY000", 14, "connect failed"}}));
    EXPECT_FALSE(IsDriverMissing({{"01000", 0, "General warning"}}));
    const RuntimeError missing = OdbcError(OdbcBackend::Access, unixOdbc);
    EXPECT_EQ(missing.Number(), errnum::DbCannotOpen);
    EXPECT_THAT(missing.Text(), HasSubstr("Can't open lib 'Microsoft Access Driver (*.mdb)'"));
}

// A function the driver lacks (the Access driver's SQLPrimaryKeys) is told apart from a failure
// of a function it has, which must still end the work with its own number.
TEST(OdbcError, AFunctionTheDriverLacksIsToldApartFromAFailure) {
    EXPECT_TRUE(IsFunctionUnsupported(
        {{"IM001", 0, "[Microsoft][ODBC Driver Manager] Driver does not support this function"}}));
    EXPECT_TRUE(IsFunctionUnsupported({{"HYC00", 0, "Optional feature not implemented"}}));
    EXPECT_FALSE(IsFunctionUnsupported({{"HY000", -1102, "Could not read; currently locked"}}));
    EXPECT_FALSE(IsFunctionUnsupported({{"HY000", 5, "database is locked (5)"}}));
}

} // namespace
} // namespace karusello::dao
