#include "HostDatabase.h"

#include "core/playlistdb/PlaylistQueries.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace karusello::dao {
namespace {

using test::EntryRow;
using test::ErrorOf;
using test::HostDb;
using ::testing::HasSubstr;

class RecordsetTest : public test::HostDatabaseTest {
protected:
    RecordsetTest() {
        // Entries of playlist 17 with plids out of insertion order, another playlist between.
        AddEntries(17, 100, 3);
        AddEntries(5, 200, 2);
        AddEntries(17, 50, 2);
        db_ = engine_.OpenDatabase(path_);
    }

    std::unique_ptr<Database> db_;
};

TEST_F(RecordsetTest, EntryQueryStepsInPlidOrderWithZeroBasedPositions) {
    auto rs = db_->OpenRecordset(EntryQuery(17));
    std::vector<std::int64_t> plids;
    std::vector<std::int32_t> positions;
    while (!rs->Eof()) {
        plids.push_back(rs->Fields("plid").ToInt32());
        positions.push_back(rs->AbsolutePosition());
        EXPECT_EQ(rs->Fields("pnid").ToInt32(), 17);
        rs->MoveNext();
    }
    EXPECT_EQ(plids, (std::vector<std::int64_t>{50, 51, 100, 101, 102}));
    EXPECT_EQ(positions, (std::vector<std::int32_t>{0, 1, 2, 3, 4}));
    EXPECT_EQ(rs->AbsolutePosition(), -1);
    EXPECT_EQ(ErrorOf([&] { rs->Fields("sid"); }).Number(), errnum::DbNoCurrentRecord);
    EXPECT_EQ(ErrorOf([&] { rs->MoveNext(); }).Number(), errnum::DbNoCurrentRecord);
    EXPECT_EQ(ErrorOf([&] { rs->Edit(); }).Number(), errnum::DbNoCurrentRecord);
}

TEST_F(RecordsetTest, CountAndNameQueriesAndTheIdentifierMinusOne) {
    auto count = db_->OpenRecordset(CountQuery(17));
    EXPECT_EQ(count->Fields("anz").ToInt32(), 5);
    EXPECT_EQ(count->Fields("ANZ").ToInt32(), 5);
    count->Close();
    EXPECT_EQ(db_->OpenRecordset(CountQuery(31))->Fields("anz").ToInt32(), 0);
    EXPECT_EQ(db_->OpenRecordset(CountQuery(-1))->Fields("anz").ToInt32(), 0);
    EXPECT_TRUE(db_->OpenRecordset(EntryQuery(-1))->Eof());
    EXPECT_TRUE(db_->OpenRecordset(EntryQuery(31))->Eof());
    EXPECT_TRUE(db_->OpenRecordset(NameQuery(-1))->Eof());
    EXPECT_TRUE(db_->OpenRecordset(NameQuery(99))->Eof());

    auto grid = db_->OpenRecordset(NameQuery(23));
    EXPECT_EQ(grid->Fields("name").ToText(), "Stundenraster");
    EXPECT_EQ(grid->Fields("grid").CompareEqual(-1), 1);
    EXPECT_EQ(db_->OpenRecordset(NameQuery(17))->Fields("grid").CompareEqual(-1), 0);
}

TEST_F(RecordsetTest, NullIsKeptApartAndUnknownFieldsAreReported) {
    auto rs = db_->OpenRecordset(NameQuery(40));
    ASSERT_FALSE(rs->Eof());
    EXPECT_TRUE(rs->Fields("Name").IsNull());
    EXPECT_EQ(rs->Fields("grid").CompareEqual(-1), -1);
    EXPECT_EQ(rs->Fields("nid").ToInt32(), 40);

    auto values = db_->OpenRecordset("select 0 as zero, '' as empty, null as nichts, 2.5 as half");
    EXPECT_FALSE(values->Fields("zero").IsNull());
    EXPECT_EQ(values->Fields("zero").ToInt32(), 0);
    EXPECT_EQ(values->Fields("empty").ToText(), "");
    EXPECT_TRUE(values->Fields("nichts").IsNull());
    EXPECT_EQ(values->Fields("half").ToInt32(), 2);

    const RuntimeError unknown = ErrorOf([&] { rs->Fields("rowid"); });
    EXPECT_EQ(unknown.Number(), errnum::DbItemNotFound);
    EXPECT_THAT(unknown.Text(), HasSubstr("'rowid'"));
}

TEST_F(RecordsetTest, UpdateWritesOnlySidOfTheCurrentRow) {
    const std::vector<EntryRow> before = Entries(17);
    const std::vector<EntryRow> otherBefore = Entries(5);
    auto rs = db_->OpenRecordset(EntryQuery(17));
    rs->MoveNext();
    rs->Edit();
    rs->SetField("SID", -7);
    EXPECT_EQ(rs->Fields("sid").ToInt32(), -7);
    rs->Update();
    EXPECT_EQ(rs->Fields("sid").ToInt32(), -7);
    rs->Close();
    db_->Close();

    std::vector<EntryRow> after = Entries(17);
    ASSERT_EQ(after.size(), before.size());
    for (std::size_t i = 0; i < after.size(); ++i) {
        EXPECT_EQ(after[i].plid, before[i].plid);
        EXPECT_EQ(after[i].title, before[i].title);
        EXPECT_EQ(after[i].sid, i == 1 ? std::optional<std::int64_t>(-7) : before[i].sid) << i;
    }
    EXPECT_EQ(Entries(5).size(), otherBefore.size());
    EXPECT_EQ(Entries(5)[0].sid, otherBefore[0].sid);
}

TEST_F(RecordsetTest, RowsThatChangeDifferentFieldsEachWriteWhatTheyChanged) {
    auto rs = db_->OpenRecordset(EntryQuery(17));
    const auto next = [&] {
        rs->Update();
        rs->MoveNext();
        rs->Edit();
    };
    rs->Edit();
    rs->SetField("sid", 1);
    next();
    rs->SetField("duration", 250);
    rs->SetField("sid", 2);
    next();
    rs->SetField("sid", 3);
    next();
    rs->SetField("sid", 4);
    rs->SetFieldNull("duration");
    next();
    rs->SetField("duration", 500);
    rs->Update();
    rs->Close();
    db_->Close();

    std::vector<std::string> rows;
    for (const auto& row :
         HostConnection().Rows("select sid, duration from pl_all where pnid = 17 order by plid")) {
        rows.push_back(row.at(0).value_or("") + "/" + row.at(1).value_or(""));
    }
    // The entries start with a duration of 200; the last one keeps its sid.
    EXPECT_EQ(rows, (std::vector<std::string>{"1/200", "2/250", "3/200", "4/", "30/500"}));
}

TEST_F(RecordsetTest, ANullCanBeWrittenBack) {
    auto rs = db_->OpenRecordset(EntryQuery(17));
    rs->Edit();
    rs->SetFieldNull("sid");
    EXPECT_TRUE(rs->Fields("sid").IsNull());
    rs->Update();
    EXPECT_TRUE(rs->Fields("sid").IsNull());
    rs->Close();
    db_->Close();
    EXPECT_EQ(Entries(17).at(0).sid, std::nullopt);
    EXPECT_NE(Entries(17).at(1).sid, std::nullopt);
}

TEST_F(RecordsetTest, EditingNeedsEditAndAnUpdatableQuery) {
    auto rs = db_->OpenRecordset(EntryQuery(17));
    // The test drivers write a row back by its rowid, and say so before anything is written.
    EXPECT_EQ(rs->RowWriting().method, WriteMethod::Rowid);
    EXPECT_EQ(rs->RowWriting().key, "rowid");
    EXPECT_EQ(ErrorOf([&] { rs->SetField("sid", 1); }).Number(), errnum::DbUpdateWithoutEdit);
    EXPECT_EQ(ErrorOf([&] { rs->Update(); }).Number(), errnum::DbUpdateWithoutEdit);
    rs->Edit();
    EXPECT_EQ(ErrorOf([&] { rs->SetField("gibtsnicht", 1); }).Number(), errnum::DbItemNotFound);
    rs->SetField("sid", 1);
    // Moving on drops an edit that was not written.
    rs->MoveNext();
    EXPECT_EQ(ErrorOf([&] { rs->Update(); }).Number(), errnum::DbUpdateWithoutEdit);
    rs->Close();
    EXPECT_EQ(Entries(17)[0].sid, 10);

    auto count = db_->OpenRecordset(CountQuery(17));
    EXPECT_EQ(ErrorOf([&] { count->Edit(); }).Number(), errnum::DbReadOnly);
    auto joined = db_->OpenRecordset(
        "select pl_all.sid, pl_name.Name from pl_all join pl_name on pnid = nid");
    EXPECT_EQ(ErrorOf([&] { joined->Edit(); }).Number(), errnum::DbReadOnly);
    auto distinct = db_->OpenRecordset("select distinct sid from pl_all");
    EXPECT_EQ(ErrorOf([&] { distinct->Edit(); }).Number(), errnum::DbReadOnly);
    auto snapshot = db_->OpenRecordset(EntryQuery(17), dbOpenSnapshot);
    EXPECT_EQ(snapshot->Fields("plid").ToInt32(), 50);
    EXPECT_EQ(ErrorOf([&] { snapshot->Edit(); }).Number(), errnum::DbReadOnly);
    for (const Recordset* readOnly : {count.get(), joined.get(), distinct.get(), snapshot.get()}) {
        EXPECT_EQ(readOnly->RowWriting().method, WriteMethod::None);
    }
    // What an alias does is each driver's own (AliasedColumns... of each driver's tests).
}

// Views and subqueries have no rowid of their own, and an ordinary column may be called rowid:
// neither may lead a write to another row.
TEST_F(RecordsetTest, RowsAreWrittenByTheirRealRowidOnly) {
    {
        HostDb host = HostConnection();
        host.Exec("CREATE VIEW eintraege AS SELECT * FROM pl_all");
        host.Exec("CREATE TABLE schatten (rowid INTEGER, sid INTEGER)");
        host.Exec("INSERT INTO schatten (_rowid_, rowid, sid) VALUES (1, 7, 10), (2, 7, 20)");
    }
    auto view = db_->OpenRecordset("select * from eintraege where pnid=17");
    EXPECT_EQ(ErrorOf([&] { view->Edit(); }).Number(), errnum::DbReadOnly);
    auto sub = db_->OpenRecordset("select * from (select * from pl_all) where pnid=17");
    EXPECT_EQ(ErrorOf([&] { sub->Edit(); }).Number(), errnum::DbReadOnly);

    auto shadow = db_->OpenRecordset("select * from schatten order by _rowid_");
    EXPECT_EQ(shadow->Fields("rowid").ToInt32(), 7);
    shadow->Edit();
    shadow->SetField("sid", 11);
    shadow->Update();
    shadow->Close();
    EXPECT_EQ(HostConnection().Value("SELECT group_concat(sid) FROM schatten ORDER BY _rowid_"),
              "11,20");
}

// Rows that are equal in every field are still two rows: each write lands on its own.
TEST_F(RecordsetTest, RowsEqualInEveryFieldAreWrittenOneByOne) {
    {
        HostDb host = HostConnection();
        host.Exec("CREATE TABLE doppelt (plid INTEGER, pnid INTEGER, sid INTEGER)");
        host.Exec("INSERT INTO doppelt VALUES (1, 17, 5), (2, 17, 6), (2, 17, 6), (3, 17, 7)");
    }
    auto rs = db_->OpenRecordset("select * from doppelt where pnid=17 order by plid asc");
    for (std::int32_t sid = 100; !rs->Eof(); ++sid) {
        rs->Edit();
        rs->SetField("sid", sid);
        rs->Update();
        rs->MoveNext();
    }
    rs->Close();
    EXPECT_EQ(HostConnection().Value("SELECT group_concat(sid) FROM (SELECT sid FROM doppelt "
                                     "ORDER BY sid)"),
              "100,101,102,103");
}

TEST_F(RecordsetTest, ARowDeletedBeforeItsUpdateIsReported) {
    auto rs = db_->OpenRecordset(EntryQuery(17));
    // The current row goes away behind the recordset's back.
    db_->OpenRecordset("delete from pl_all where plid = 50");
    rs->Edit();
    rs->SetField("sid", 3);
    EXPECT_EQ(ErrorOf([&] { rs->Update(); }).Number(), errnum::DbNoCurrentRecord);
}

TEST_F(RecordsetTest, BadTextsMapToTheirErrors) {
    const RuntimeError syntax = ErrorOf([&] { db_->OpenRecordset("selec * from pl_all"); });
    EXPECT_EQ(syntax.Number(), errnum::DbSyntax);
    EXPECT_THAT(syntax.Text(), HasSubstr("syntax error"));
    EXPECT_EQ(ErrorOf([&] { db_->OpenRecordset("select * from pl_fehlt"); }).Number(),
              errnum::DbItemNotFound);
    EXPECT_EQ(ErrorOf([&] { db_->OpenRecordset("select fehlt from pl_all"); }).Number(),
              errnum::DbItemNotFound);
    // A second statement is refused, not run.
    EXPECT_EQ(ErrorOf([&] { db_->OpenRecordset("select 1; delete from pl_all"); }).Number(),
              errnum::DbSyntax);
    EXPECT_EQ(Entries(17).size(), 5U);
}

TEST_F(RecordsetTest, ClosedObjectsRefuseFurtherWork) {
    auto rs = db_->OpenRecordset(EntryQuery(17));
    rs->Close();
    EXPECT_TRUE(rs->Eof());
    EXPECT_EQ(ErrorOf([&] { rs->MoveNext(); }).Number(), errnum::DbGeneric);
    db_->Close();
    db_->Close();
    EXPECT_EQ(ErrorOf([&] { db_->OpenRecordset(EntryQuery(17)); }).Number(), errnum::DbGeneric);
}

// Writing every row while the select steps on: each value lands on its own row, no row is seen
// twice or skipped. With and without the (pnid, plid) index, and with an order that needs a sort.
TEST_F(RecordsetTest, UpdatesDuringStreamingLandOnTheRightRows) {
    constexpr int kRows = 1500;
    AddEntries(60, 1000, kRows);
    const auto writeAll = [&](const std::string& sql, int factor) {
        auto db = engine_.OpenDatabase(path_);
        Transaction transaction(*db);
        auto rs = db->OpenRecordset(sql);
        int seen = 0;
        while (!rs->Eof()) {
            const std::int32_t plid = rs->Fields("plid").ToInt32();
            EXPECT_EQ(rs->AbsolutePosition(), seen);
            rs->Edit();
            rs->SetField("sid", factor * plid);
            rs->Update();
            rs->MoveNext();
            ++seen;
        }
        rs->Close();
        transaction.Commit();
        return seen;
    };
    const auto expectSids = [&](int factor) {
        const std::vector<EntryRow> rows = Entries(60);
        ASSERT_EQ(rows.size(), static_cast<std::size_t>(kRows));
        for (const EntryRow& row : rows) {
            ASSERT_EQ(row.sid, factor * row.plid) << row.plid;
        }
    };

    EXPECT_EQ(writeAll(EntryQuery(60), -1), kRows);
    expectSids(-1);
    // The written field is the sort key here: the sorter has read all rows before the first.
    EXPECT_EQ(writeAll("select * from pl_all where pnid=60 order by sid desc", 2), kRows);
    expectSids(2);
    HostConnection().Exec("DROP INDEX pl_all_pnid_plid");
    EXPECT_EQ(writeAll(EntryQuery(60), 3), kRows);
    expectSids(3);
    EXPECT_EQ(Entries(17)[0].sid, 10);
}

} // namespace
} // namespace karusello::dao
