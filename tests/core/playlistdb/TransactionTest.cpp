#include "HostDatabase.h"

#include "core/playlistdb/PlaylistQueries.h"

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
    test::HostDb host = HostConnection();
    host.Exec("BEGIN IMMEDIATE");
    host.Exec("UPDATE pl_all SET sid = 0 WHERE plid = 1");

    auto db = engine_.OpenDatabase(path_);
    const RuntimeError error = ErrorOf([&] { db->BeginTrans(); });
    EXPECT_EQ(error.Number(), errnum::DbLocked);
    EXPECT_THAT(error.Text(), HasSubstr("locked"));
    // Reading still works while the host holds its write lock.
    EXPECT_EQ(db->OpenRecordset(CountQuery(17))->Fields("anz").ToInt32(), 4);

    host.Exec("COMMIT");
    db->BeginTrans();
    WriteAll(*db, 9);
    db->CommitTrans();
    EXPECT_EQ(Sids(), (std::vector<std::optional<std::int64_t>>{9, 9, 9, 9}));
}

TEST_F(TransactionTest, AHostReaderMakesTheCommitWaitAndThenFailWithoutWriting) {
    auto db = engine_.OpenDatabase(path_);
    db->BeginTrans();
    WriteAll(*db, 3);

    // The host reads in a transaction of its own, which keeps its read lock until it ends.
    test::HostDb host = HostConnection();
    host.Exec("BEGIN");
    ASSERT_FALSE(host.Column("SELECT sid FROM pl_all").empty());
    EXPECT_EQ(ErrorOf([&] { db->CommitTrans(); }).Number(), errnum::DbLocked);
    host.Exec("ROLLBACK");

    db->Rollback();
    EXPECT_EQ(Sids(), original_);
}

// Reads after a transaction's end run outside any transaction again: the host can take even
// an exclusive lock while the database is still open.
TEST_F(TransactionTest, ReadsAfterACommitOrARollbackHoldNoLock) {
    auto db = engine_.OpenDatabase(path_);
    const auto readAll = [&] {
        auto rs = db->OpenRecordset(EntryQuery(17));
        while (!rs->Eof()) {
            rs->MoveNext();
        }
    };
    const auto hostCanWrite = [&] {
        test::HostDb host = HostConnection();
        host.Exec("BEGIN EXCLUSIVE");
        host.Exec("UPDATE pl_all SET title = title");
        host.Exec("COMMIT");
    };
    db->BeginTrans();
    WriteAll(*db, 2);
    db->CommitTrans();
    readAll();
    EXPECT_NO_THROW(hostCanWrite());

    db->BeginTrans();
    readAll();
    db->Rollback();
    readAll();
    EXPECT_NO_THROW(hostCanWrite());
    EXPECT_EQ(Sids(), (std::vector<std::optional<std::int64_t>>{2, 2, 2, 2}));
}

TEST_F(TransactionTest, TheSharedEngineIsOneObject) {
    EXPECT_EQ(&SharedDBEngine(), &SharedDBEngine());
    EXPECT_EQ(SharedDBEngine().BusyTimeout(), DBEngine::kDefaultBusyTimeout);
    DBEngine fresh;
    EXPECT_NO_THROW(fresh.Idle(dbRefreshCache));
}

} // namespace
} // namespace karusello::dao
