// What the ODBC driver adds or does in its own way: Access files go to the Access driver, Yes/No
// fields read as DAO gives them, long values come back whole, and a column that the SQLite ODBC
// driver cannot trace to its table (an alias) keeps the rows read-only.
#include "../HostDatabase.h"

#include "core/playlistdb/PlaylistQueries.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace karusello::dao {
namespace {

using test::AccessHeader;
using test::ErrorOf;
using test::HostDb;
using ::testing::HasSubstr;

using OdbcDriverTest = test::HostDatabaseTest;

// Where no Access driver is installed (Linux, Wine), the error names the driver that was asked
// for; on Windows the driver itself refuses the header-only file.
TEST_F(OdbcDriverTest, AccessFilesGoToTheAccessDriver) {
    for (const std::string engine : {"Standard Jet DB", "Standard ACE DB"}) {
        const std::string file = WriteFile("host.mdb", AccessHeader(engine));
        const RuntimeError error = OpenError(file);
        EXPECT_NE(error.Number(), 0) << engine;
        EXPECT_THAT(error.Text(), HasSubstr("Microsoft Access Driver")) << engine;
        EXPECT_EQ(Content(file), AccessHeader(engine));
    }
}

// ODBC reports a Yes/No field as a bit, 1 for true; only such a field reads as -1, an integer
// field keeps its 1.
TEST_F(OdbcDriverTest, YesNoFieldsReadAsMinusOneOrZero) {
    {
        HostDb host = HostConnection();
        host.Exec("DROP TABLE pl_name");
        host.Exec("CREATE TABLE pl_name (nid INTEGER PRIMARY KEY, Name TEXT, grid BIT, "
                  "zahl INTEGER)");
        host.Exec("INSERT INTO pl_name VALUES (1, 'Eins', 1, 1), (2, 'Null', 0, 0), "
                  "(3, 'Minus', -1, -1), (4, 'Leer', NULL, NULL), (5, 'Wort', 'ja', 'ja')");
    }
    auto db = engine_.OpenDatabase(path_);
    const auto grid = [&](std::int32_t nid) {
        return db->OpenRecordset(NameQuery(nid))->Fields("grid");
    };
    EXPECT_EQ(grid(1).CompareEqual(-1), 1);
    EXPECT_EQ(grid(1).ToInt32(), -1);
    EXPECT_EQ(grid(2).CompareEqual(-1), 0);
    EXPECT_EQ(grid(2).ToInt32(), 0);
    EXPECT_EQ(grid(3).CompareEqual(-1), 1);
    EXPECT_TRUE(grid(4).IsNull());
    EXPECT_EQ(ErrorOf([&] { grid(5).CompareEqual(-1); }).Number(), errnum::TypeMismatch);

    auto plain = db->OpenRecordset(NameQuery(1));
    EXPECT_EQ(plain->Fields("zahl").ToInt32(), 1);
    EXPECT_EQ(plain->Fields("zahl").CompareEqual(-1), 0);
}

// A text of many parts, UTF-8 as SQLite keeps it; set through its bytes, so that it reaches the
// file unchanged whatever a driver manager on the host's side would make of the characters.
TEST_F(OdbcDriverTest, LongTextsAndBytesComeBackWhole) {
    std::string name;
    for (int i = 0; i < 3000; ++i) {
        name += "Grüße " + std::to_string(i) + " ";
    }
    std::string hex;
    for (const unsigned char c : name) {
        constexpr char kDigits[] = "0123456789ABCDEF";
        hex += kDigits[c >> 4];
        hex += kDigits[c & 0xF];
    }
    {
        HostDb host = HostConnection();
        host.Exec("UPDATE pl_name SET Name = CAST(x'" + hex + "' AS TEXT) WHERE nid = 17");
        host.Exec("UPDATE pl_name SET Name = x'4869' WHERE nid = 31");
    }
    auto db = engine_.OpenDatabase(path_);
    const std::string read = db->OpenRecordset(NameQuery(17))->Fields("Name").ToText();
    EXPECT_EQ(read.size(), name.size());
    EXPECT_TRUE(read == name) << "the text differs";
    EXPECT_EQ(db->OpenRecordset(NameQuery(31))->Fields("Name").ToText(), "Hi");
}

TEST_F(OdbcDriverTest, AliasedColumnsAreReadOnly) {
    AddEntries(17, 100, 3);
    auto db = engine_.OpenDatabase(path_);
    auto aliased = db->OpenRecordset("SELECT sid AS wert FROM pl_all WHERE plid = 100");
    EXPECT_EQ(aliased->Fields("wert").ToInt32(), 10);
    EXPECT_EQ(ErrorOf([&] { aliased->Edit(); }).Number(), errnum::DbReadOnly);
    EXPECT_EQ(Entries(17)[0].sid, 10);
}

} // namespace
} // namespace karusello::dao
