#include "HostDatabase.h"

#include "playlistdb/PlaylistQueries.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace karusello::dao {
namespace {

using test::ErrorOf;
using ::testing::HasSubstr;

class TransactionTest : public test::HostDatabaseTest {
protected:
    TransactionTest() { AddEntries(17, 1, 4); }

    // Sets sid of every entry of playlist 17 to value.
    static void WriteAll(Database& db, std::int32_t value) {
        auto rs = db.OpenRecordset(EntryQuery(17));
        while (!rs->Eof()) {
            rs->Edit();
            rs->SetField("sid", value);
            rs->Update();
            rs->MoveNext();
        }
    }

    std::vector<std::optional<std::int64_t>> Sids() const {
        std::vector<std::optional<std::int64_t>> sids;
        for (const auto& row : Entries(17)) {
            sids.push_back(row.sid);
        }
        return sids;
    }

    const std::vector<std::optional<std::int64_t>> original_{10, 20, 30, 40};
};

TEST_F(TransactionTest, CommitWritesAndRollbackUndoes) {
    auto db = engine_.OpenDatabase(path_);
    db->BeginTrans();
    WriteAll(*db, 1);
    // Another connection does not see what is not committed yet.
    EXPECT_EQ(Sids(), original_);
    db->CommitTrans();
    EXPECT_EQ(Sids(), (std::vector<std::optional<std::int64_t>>{1, 1, 1, 1}));

    db->BeginTrans();
    WriteAll(*db, 2);
    db->Rollback();
    EXPECT_EQ(Sids(), (std::vector<std::optional<std::int64_t>>{1, 1, 1, 1}));

    EXPECT_EQ(ErrorOf([&] { db->CommitTrans(); }).Number(), errnum::DbGeneric);
    db->BeginTrans();
    EXPECT_EQ(ErrorOf([&] { db->BeginTrans(); }).Number(), errnum::DbGeneric);
    db->Rollback();
}

TEST_F(TransactionTest, AnUncommittedTransactionIsRolledBackOnEveryWayOut) {
    {
        auto db = engine_.OpenDatabase(path_);
        Transaction transaction(*db);
        WriteAll(*db, 5);
    }
    EXPECT_EQ(Sids(), original_);
    {
        auto db = engine_.OpenDatabase(path_);
        db->BeginTrans();
        WriteAll(*db, 6);
    }
    EXPECT_EQ(Sids(), original_);
    {
        auto db = engine_.OpenDatabase(path_);
        Transaction transaction(*db);
        auto rs = db->OpenRecordset(EntryQuery(17));
        rs->Edit();
        rs->SetField("sid", 7);
        rs->Update();
        // Closing the database ends the transaction even while a recordset is still open.
        db->Close();
        EXPECT_EQ(Sids(), original_);
    }
    {
        auto db = engine_.OpenDatabase(path_);
        Transaction transaction(*db);
        WriteAll(*db, 8);
        transaction.Commit();
    }
    EXPECT_EQ(Sids(), (std::vector<std::optional<std::int64_t>>{8, 8, 8, 8}));
}

TEST_F(TransactionTest, ALockHeldByTheHostMakesBeginWaitAndThenFail) {
    SQLite::Database host = HostConnection();
    host.exec("BEGIN IMMEDIATE");
    host.exec("UPDATE pl_all SET sid = 0 WHERE plid = 1");

    auto db = engine_.OpenDatabase(path_);
    const RuntimeError error = ErrorOf([&] { db->BeginTrans(); });
    EXPECT_EQ(error.Number(), errnum::DbLocked);
    EXPECT_THAT(error.Text(), HasSubstr("locked"));
    // Reading still works while the host holds its write lock.
    EXPECT_EQ(db->OpenRecordset(CountQuery(17))->Fields("anz").ToInt32(), 4);

    host.exec("COMMIT");
    db->BeginTrans();
    WriteAll(*db, 9);
    db->CommitTrans();
    EXPECT_EQ(Sids(), (std::vector<std::optional<std::int64_t>>{9, 9, 9, 9}));
}

TEST_F(TransactionTest, AHostReaderMakesTheCommitWaitAndThenFailWithoutWriting) {
    auto db = engine_.OpenDatabase(path_);
    db->BeginTrans();
    WriteAll(*db, 3);

    SQLite::Database host = HostConnection();
    SQLite::Statement reading(host, "SELECT sid FROM pl_all");
    ASSERT_TRUE(reading.executeStep());
    EXPECT_EQ(ErrorOf([&] { db->CommitTrans(); }).Number(), errnum::DbLocked);
    reading.reset();

    db->Rollback();
    EXPECT_EQ(Sids(), original_);
}

TEST_F(TransactionTest, IdleCopiesCommittedPagesOfAWalFileIntoTheMainFile) {
    SQLite::Database host = HostConnection();
    host.exec("PRAGMA journal_mode=WAL");
    {
        auto db = engine_.OpenDatabase(path_);
        Transaction transaction(*db);
        WriteAll(*db, 4);
        transaction.Commit();
    }
    engine_.Idle(dbRefreshCache);

    // A copy of the main file alone already holds the new values.
    const std::filesystem::path copy = folder_.Path() / "kopie.mdb";
    std::filesystem::copy_file(path_, copy);
    SQLite::Database copied(copy.string(), SQLite::OPEN_READWRITE);
    EXPECT_EQ(copied.execAndGet("SELECT min(sid) || ',' || max(sid) FROM pl_all").getString(),
              "4,4");
    EXPECT_EQ(host.execAndGet("PRAGMA journal_mode").getString(), "wal");
}

TEST_F(TransactionTest, TheSharedEngineIsOneObject) {
    EXPECT_EQ(&SharedDBEngine(), &SharedDBEngine());
    EXPECT_EQ(SharedDBEngine().BusyTimeout(), DBEngine::kDefaultBusyTimeout);
    DBEngine fresh;
    EXPECT_NO_THROW(fresh.Idle(dbRefreshCache));
}

} // namespace
} // namespace karusello::dao
