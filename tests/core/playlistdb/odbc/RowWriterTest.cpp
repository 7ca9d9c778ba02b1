// The ODBC driver's ways to write a row, each against the SQLite ODBC driver: by rowid (the
// program's way on an SQLite file), by a positioned update of the cursor's row (its way on an
// Access file) and by a searched UPDATE by the table's key (where a driver refuses the
// positioned one). Each writes only the changed field of the current row, says before the first
// write how it will write, and writes nothing where it cannot find the row alone.
#include "../HostDatabase.h"

#include "core/playlistdb/PlaylistQueries.h"
#include "windows/odbc/OdbcDriver.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace karusello::dao {
namespace {

using test::ErrorOf;
using test::HostDb;
using ::testing::HasSubstr;

struct Way {
    RowWriterChoice choice;
    WritePath path; // how the entry query's rows are written
};

const Way kWays[] = {
    {RowWriterChoice::ByBackend, {WriteMethod::Rowid, "rowid"}},
    {RowWriterChoice::Positioned, {WriteMethod::Positioned, ""}},
    {RowWriterChoice::Keyed, {WriteMethod::Keyed, "plid"}},
};

std::string Name(RowWriterChoice choice) {
    return choice == RowWriterChoice::ByBackend    ? "by backend"
           : choice == RowWriterChoice::Positioned ? "positioned"
                                                   : "keyed";
}

class RowWriterTest : public test::HostDatabaseTest {
protected:
    RowWriterTest() {
        AddEntries(17, 1, 4);
        AddEntries(5, 10, 2);
    }

    std::unique_ptr<Database> Open(RowWriterChoice choice) {
        DBEngine engine(std::make_shared<OdbcDriver>(choice));
        engine.SetBusyTimeout(std::chrono::milliseconds(200));
        return engine.OpenDatabase(path_);
    }

    void CreateTable(const std::string& definition, const std::string& rows) {
        HostDb host = HostConnection();
        host.Exec("CREATE TABLE " + definition);
        host.Exec("INSERT INTO " + rows);
    }

    std::vector<std::string> Rows(const std::string& sql) const {
        std::vector<std::string> rows;
        for (const auto& row : HostConnection().Rows(sql)) {
            std::string text;
            for (const auto& field : row) {
                text += (text.empty() ? "" : "|") + field.value_or("NULL");
            }
            rows.push_back(text);
        }
        return rows;
    }
};

TEST_F(RowWriterTest, EachWayWritesOnlyTheChangedFieldOfTheCurrentRow) {
    const std::vector<std::string> others =
        Rows("SELECT plid, pnid, artist, title, duration FROM pl_all ORDER BY plid");
    const std::vector<std::string> playlist5 = Rows("SELECT * FROM pl_all WHERE pnid = 5");
    std::int32_t base = 100;
    for (const Way& way : kWays) {
        SCOPED_TRACE(Name(way.choice));
        auto db = Open(way.choice);
        {
            Transaction transaction(*db);
            auto rs = db->OpenRecordset(EntryQuery(17));
            EXPECT_EQ(rs->RowWriting().method, way.path.method);
            EXPECT_EQ(rs->RowWriting().key, way.path.key);
            for (std::int32_t sid = base; !rs->Eof(); ++sid) {
                rs->Edit();
                if (rs->AbsolutePosition() == 2) {
                    rs->SetFieldNull("sid");
                } else {
                    rs->SetField("sid", sid);
                }
                rs->Update();
                rs->MoveNext();
            }
            // The way stays what it said: a driver that had refused it would have changed it.
            EXPECT_EQ(rs->RowWriting().method, way.path.method);
            rs->Close();
            transaction.Commit();
        }
        db->Close();
        const std::string b = std::to_string(base);
        EXPECT_EQ(Rows("SELECT sid FROM pl_all WHERE pnid = 17 ORDER BY plid"),
                  (std::vector<std::string>{b, std::to_string(base + 1), "NULL",
                                            std::to_string(base + 3)}));
        EXPECT_EQ(Rows("SELECT plid, pnid, artist, title, duration FROM pl_all ORDER BY plid"),
                  others);
        EXPECT_EQ(Rows("SELECT * FROM pl_all WHERE pnid = 5"), playlist5);
        base += 100;
    }
}

// Where there is no primary key, a unique index finds the row; the SQLite ODBC driver refuses
// its positioned update on such a table, and the positioned way goes over to the key without
// losing the row that it refused.
TEST_F(RowWriterTest, AUniqueIndexIsTheKeyWhereThereIsNoPrimaryKey) {
    CreateTable("eindeutig (nr INTEGER, pnid INTEGER, sid INTEGER)",
                "eindeutig VALUES (1, 17, 5), (2, 17, 6), (3, 9, 7)");
    HostConnection().Exec("CREATE UNIQUE INDEX eindeutig_nr ON eindeutig (nr)");
    CreateTable("paar (a INTEGER, b TEXT, sid INTEGER, PRIMARY KEY (b, a))",
                "paar VALUES (1, 'x', 5), (1, 'y', 6)");
    for (const RowWriterChoice choice : {RowWriterChoice::Positioned, RowWriterChoice::Keyed}) {
        SCOPED_TRACE(Name(choice));
        auto db = Open(choice);
        auto rs = db->OpenRecordset("select * from eindeutig where pnid=17 order by nr asc");
        if (choice == RowWriterChoice::Keyed) {
            EXPECT_EQ(rs->RowWriting().key, "nr");
        }
        for (std::int32_t sid = 50; !rs->Eof(); ++sid) {
            rs->Edit();
            rs->SetField("sid", sid);
            rs->Update();
            rs->MoveNext();
        }
        EXPECT_EQ(rs->RowWriting().method, WriteMethod::Keyed);
        EXPECT_EQ(rs->RowWriting().key, "nr");
        rs->Close();

        auto pair = db->OpenRecordset("select * from paar order by b");
        if (choice == RowWriterChoice::Keyed) {
            // In the key's order; the SQLite ODBC driver gives the table's order instead.
            EXPECT_THAT(pair->RowWriting().key, ::testing::AnyOf("b,a", "a,b"));
        }
        pair->MoveNext();
        pair->Edit();
        pair->SetField("sid", 66);
        pair->Update();
        pair->Close();
        db->Close();
        EXPECT_EQ(Rows("SELECT sid FROM eindeutig ORDER BY nr"),
                  (std::vector<std::string>{"50", "51", "7"}));
        EXPECT_EQ(Rows("SELECT sid FROM paar ORDER BY b"), (std::vector<std::string>{"5", "66"}));
    }
}

// A table whose rows nothing finds alone: the shuffle ends with a clear error before its first
// row is written, and the file stays as it was, byte for byte.
TEST_F(RowWriterTest, WithoutAKeyNothingIsWrittenAndTheErrorSaysWhy) {
    CreateTable("ohne (nr INTEGER, pnid INTEGER, sid INTEGER)",
                "ohne VALUES (1, 17, 5), (1, 17, 5), (2, 17, 6)");
    const std::string before = Content(path_);
    for (const RowWriterChoice choice : {RowWriterChoice::Positioned, RowWriterChoice::Keyed}) {
        SCOPED_TRACE(Name(choice));
        auto db = Open(choice);
        RuntimeError error(0, "");
        {
            Transaction transaction(*db);
            auto rs = db->OpenRecordset("select * from ohne where pnid=17 order by nr asc");
            EXPECT_EQ(rs->RowWriting().method, choice == RowWriterChoice::Positioned
                                                   ? WriteMethod::Positioned
                                                   : WriteMethod::None);
            error = ErrorOf([&] {
                rs->Edit();
                rs->SetField("sid", 1);
                rs->Update();
            });
            EXPECT_EQ(rs->RowWriting().method, WriteMethod::None);
        }
        db->Close();
        EXPECT_EQ(error.Number(), errnum::DbReadOnly);
        EXPECT_THAT(error.Text(), HasSubstr("'ohne' hat keinen Primärschlüssel"));
        EXPECT_TRUE(Content(path_) == before) << "the file changed";
    }
}

// A query that does not hold the key, or holds other things than the table's columns, has no
// rows that the keyed way could find. The columns of a table whose name only matches pl_all as a
// pattern ("_" for any character) are none of pl_all's.
TEST_F(RowWriterTest, TheKeyMustBeAmongTheColumnsOfTheQuery) {
    CreateTable("pl1all (plid INTEGER PRIMARY KEY, wert INTEGER)", "pl1all VALUES (1, 2)");
    auto db = Open(RowWriterChoice::Keyed);
    for (const char* sql : {"select pnid, sid from pl_all where pnid=17",
                            "select plid, sid as wert from pl_all where pnid=17",
                            "select count(*) as anz from pl_all where pnid=17"}) {
        auto rs = db->OpenRecordset(sql);
        EXPECT_EQ(rs->RowWriting().method, WriteMethod::None) << sql;
        EXPECT_EQ(ErrorOf([&] { rs->Edit(); }).Number(), errnum::DbReadOnly) << sql;
    }
    EXPECT_EQ(Open(RowWriterChoice::ByBackend)
                  ->OpenRecordset("select pnid, sid from pl_all where pnid=17")
                  ->RowWriting()
                  .method,
              WriteMethod::Rowid);
}

// Found by its key, a row that is gone changes nothing, and the driver says so. (The SQLite ODBC
// driver's positioned update does not tell a row that is gone from one that it changed; the
// Access driver reports a cursor operation conflict, which a station must confirm.)
TEST_F(RowWriterTest, ARowDeletedSinceItWasReadIsReportedByTheSearchedUpdates) {
    for (const RowWriterChoice choice : {RowWriterChoice::ByBackend, RowWriterChoice::Keyed}) {
        SCOPED_TRACE(Name(choice));
        AddEntries(60, 500, 2);
        auto db = Open(choice);
        auto rs = db->OpenRecordset(EntryQuery(60));
        HostConnection().Exec("DELETE FROM pl_all WHERE plid = 500");
        rs->Edit();
        rs->SetField("sid", 3);
        EXPECT_EQ(ErrorOf([&] { rs->Update(); }).Number(), errnum::DbNoCurrentRecord);
        rs->Close();
        HostConnection().Exec("DELETE FROM pl_all WHERE pnid = 60");
    }
}

// The names of a hostile schema go into the UPDATE quoted as the driver quotes them.
TEST_F(RowWriterTest, NamesFromTheSchemaAreQuotedByEveryWay) {
    CreateTable(R"("t""; DROP TABLE pl_name; --" (nr INTEGER PRIMARY KEY, "s""=0; --" INTEGER))",
                R"("t""; DROP TABLE pl_name; --" VALUES (1, 5))");
    for (const Way& way : kWays) {
        SCOPED_TRACE(Name(way.choice));
        auto db = Open(way.choice);
        auto rs = db->OpenRecordset(R"(select * from "t""; DROP TABLE pl_name; --")");
        rs->Edit();
        rs->SetField(R"(s"=0; --)", 42);
        rs->Update();
        rs->Close();
        db->Close();
        EXPECT_EQ(HostConnection().Value("SELECT count(*) FROM pl_name"), "4");
        EXPECT_EQ(
            HostConnection().Value(R"(SELECT "s""=0; --" FROM "t""; DROP TABLE pl_name; --")"),
            "42");
        HostConnection().Exec(R"(UPDATE "t""; DROP TABLE pl_name; --" SET "s""=0; --" = 5)");
    }
}

} // namespace
} // namespace karusello::dao
