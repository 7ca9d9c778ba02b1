// What the SQLite driver does in its own way: it names Access files as files it cannot read,
// writes through an alias to the table's column, takes a comment behind the statement, and
// copies a WAL file's committed pages into the main file on the engine's refresh.
#include "../HostDatabase.h"

#include "core/playlistdb/PlaylistQueries.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace karusello::dao {
namespace {

using test::AccessHeader;
using test::HostDb;
using ::testing::HasSubstr;

class SqliteDriverTest : public test::HostDatabaseTest {
protected:
    SqliteDriverTest() { AddEntries(17, 100, 3); }
};

TEST_F(SqliteDriverTest, AccessFilesAreNoSqliteDatabases) {
    const std::string jet = WriteFile("jet.mdb", AccessHeader("Standard Jet DB"));
    const std::string ace = WriteFile("ace.accdb", AccessHeader("Standard ACE DB"));
    const RuntimeError jetError = OpenError(jet);
    EXPECT_EQ(jetError.Number(), errnum::DbUnrecognizedFormat);
    EXPECT_EQ(jetError.Text(), "Nicht erkennbares Datenbankformat '" + jet +
                                   "': eine Microsoft-Access-Datenbank (Jet), keine "
                                   "SQLite-Datenbank.");
    EXPECT_THAT(OpenError(ace).Text(), HasSubstr("Microsoft-Access-Datenbank (ACE)"));
    EXPECT_EQ(OpenError(ace).Number(), errnum::DbUnrecognizedFormat);
}

TEST_F(SqliteDriverTest, AliasedColumnsWriteTheTableColumn) {
    auto db = engine_.OpenDatabase(path_);
    auto aliased = db->OpenRecordset("SELECT sid AS wert FROM pl_all WHERE plid = 100");
    aliased->Edit();
    aliased->SetField("wert", 99);
    aliased->Update();
    aliased->Close();
    EXPECT_EQ(Entries(17)[0].sid, 99);
}

TEST_F(SqliteDriverTest, ACommentBehindTheStatementIsNoSecondStatement) {
    auto db = engine_.OpenDatabase(path_);
    EXPECT_FALSE(db->OpenRecordset("select 1; -- nur ein Kommentar")->Eof());
}

TEST_F(SqliteDriverTest, IdleCopiesCommittedPagesOfAWalFileIntoTheMainFile) {
    HostDb host = HostConnection();
    host.Exec("PRAGMA journal_mode=WAL");
    {
        auto db = engine_.OpenDatabase(path_);
        Transaction transaction(*db);
        auto rs = db->OpenRecordset(EntryQuery(17));
        while (!rs->Eof()) {
            rs->Edit();
            rs->SetField("sid", 4);
            rs->Update();
            rs->MoveNext();
        }
        transaction.Commit();
    }
    engine_.Idle(dbRefreshCache);

    // A copy of the main file alone already holds the new values.
    const std::filesystem::path copy = folder_.Path() / "kopie.mdb";
    std::filesystem::copy_file(path_, copy);
    EXPECT_EQ(HostDb(copy).Value("SELECT min(sid) || ',' || max(sid) FROM pl_all"), "4,4");
    EXPECT_EQ(host.Value("PRAGMA journal_mode"), "wal");
}

} // namespace
} // namespace karusello::dao
