// Host databases that are not as the program expects them: tables or fields missing, nulls and
// texts where numbers belong, duplicate keys. Each ends in a defined way and never leaves a
// playlist half-written.
#include "PlaylistFixture.h"

namespace karusello::test {
namespace {

class BadDatabase : public PlaylistFixture {
protected:
    // Starts on playlist 17 after the tables have been made as the test wants them.
    std::optional<ExitCode> Load(const std::string& commandLine = "17") {
        host.WriteIni(kHostDB, kHostDJ);
        return ui.Load({kHostDB, kHostDJ}, commandLine);
    }

    void ReplaceEntries(const std::string& columns) {
        host.Db().Exec("drop table if exists pl_all");
        host.Db().Exec("create table pl_all (" + columns + ")");
    }

    int ErrorNumber() const {
        return ui.lifetime.errors.empty() ? 0 : ui.lifetime.errors.front().Number();
    }

    std::vector<std::string> Column(const std::string& sql) {
        std::vector<std::string> values;
        for (const auto& value : host.Db().Column(sql)) {
            values.push_back(value.value_or("NULL"));
        }
        return values;
    }
};

TEST_F(BadDatabase, AMissingEntryTableOrFieldEndsTheShuffleWithNothingWritten) {
    host.AddPlaylist(17, "Morgenshow");
    host.Db().Exec("drop table pl_all");
    ASSERT_EQ(Load(), std::nullopt) << "the name is read from pl_name alone";
    EXPECT_EQ(Shuffle(), ExitCode::ErrorReport);
    EXPECT_EQ(ErrorNumber(), errnum::DbItemNotFound);
    EXPECT_TRUE(ui.message.sent.empty());

    FormUnderTest noSid;
    ReplaceEntries("plid integer primary key, pnid integer, sort integer");
    host.Db().Exec("insert into pl_all values (1, 17, 5), (2, 17, 6)");
    ASSERT_EQ(noSid.Load({kHostDB}, "17"), std::nullopt);
    EXPECT_EQ(noSid.Fire(FormEvent::ShuffelClick), ExitCode::ErrorReport);
    ASSERT_EQ(noSid.lifetime.errors.size(), 1u);
    EXPECT_EQ(noSid.lifetime.errors[0].Number(), errnum::DbItemNotFound);
    EXPECT_EQ(Column("select sort from pl_all order by plid"),
              (std::vector<std::string>{"5", "6"}));

    FormUnderTest noPlid;
    ReplaceEntries("nr integer primary key, pnid integer, sid integer");
    host.Db().Exec("insert into pl_all values (1, 17, 5), (2, 17, 6)");
    ASSERT_EQ(noPlid.Load({kHostDB}, "17"), std::nullopt);
    EXPECT_EQ(noPlid.Fire(FormEvent::ShuffelClick), ExitCode::ErrorReport);
    ASSERT_EQ(noPlid.lifetime.errors.size(), 1u);
    EXPECT_EQ(noPlid.lifetime.errors[0].Number(), errnum::DbItemNotFound);
    EXPECT_EQ(Column("select sid from pl_all order by nr"), (std::vector<std::string>{"5", "6"}));
}

TEST_F(BadDatabase, AMissingPlaylistTableOrGridFieldRefusesTheStart) {
    host.Db().Exec("drop table pl_name");
    EXPECT_EQ(Load(), ExitCode::PlaylistCheck);

    host.Db().Exec("create table pl_name (nid integer primary key, Name text)");
    host.Db().Exec("insert into pl_name values (17, 'Ohne Raster')");
    FormUnderTest noGrid;
    EXPECT_EQ(noGrid.Load({kHostDB}, "17"), ExitCode::PlaylistCheck);
    EXPECT_EQ(noGrid.form.PlaylistName, "Ohne Raster");

    // Without a name field the window opens with an empty name.
    host.Db().Exec("drop table pl_name");
    host.Db().Exec("create table pl_name (nid integer primary key, grid integer)");
    host.Db().Exec("insert into pl_name values (17, 0)");
    FormUnderTest noName;
    EXPECT_EQ(noName.Load({kHostDB}, "17"), std::nullopt);
    EXPECT_EQ(noName.form.PlaylistName, "");
}

// A grid flag that is a numeric text counts by its number; one that cannot be compared at all
// leaves the playlist alone. A name that is a number or bytes is shown as text.
TEST_F(BadDatabase, TextsAndNullsInGridAndNameFollowTheNumberAndNullRules) {
    host.WriteIni(kHostDB, kHostDJ);
    host.Db().Exec("insert into pl_name values (1, 'Raster als Text', '-1'), "
                   "(2, 'Raster als Wort', 'ja'), (3, 4711, 0), (4, x'4869', 0), "
                   "(5, 'Raster als Zahl', -1.0), (6, NULL, NULL)");
    const std::vector<std::pair<std::string, std::optional<ExitCode>>> cases = {
        {"1", ExitCode::PlaylistCheck},
        {"2", ExitCode::PlaylistCheck},
        {"3", std::nullopt},
        {"4", std::nullopt},
        {"5", ExitCode::PlaylistCheck},
        {"6", std::nullopt}};
    const std::map<std::string, std::string> names = {{"1", "Raster als Text"},
                                                      {"2", "Raster als Wort"},
                                                      {"3", "4711"},
                                                      {"4", "Hi"},
                                                      {"5", "Raster als Zahl"},
                                                      {"6", ""}};
    for (const auto& [id, end] : cases) {
        FormUnderTest run;
        EXPECT_EQ(run.Load({kHostDB}, id), end) << id;
        EXPECT_EQ(run.form.PlaylistName, names.at(id)) << id;
        EXPECT_TRUE(run.lifetime.errors.empty()) << id;
    }
}

// A null sort value is kept as null and comes back as null. A sort value that is no number at
// all is not kept: a restore leaves that entry as the shuffle left it, and gives every other
// entry its own value back.
TEST_F(BadDatabase, NullSortValuesAreKeptTextsAreLeftOutButNotTheShuffle) {
    host.AddPlaylist(17, "Morgenshow");
    host.Db().Exec("insert into pl_all (plid, pnid, sid) values (1, 17, 10), (2, 17, '20'), "
                   "(3, 17, 30.5), (4, 17, NULL), (5, 17, 50), (6, 17, 'abc'), (7, 17, 70)");
    ASSERT_EQ(Load(), std::nullopt);
    ASSERT_EQ(Shuffle(), std::nullopt);
    EXPECT_EQ(ui.form.SavedCount, 7);
    ASSERT_TRUE(ui.form.SavedOrder.has_value());
    EXPECT_EQ(ui.form.SavedOrder->Values(),
              (std::vector<SavedSortValue>{10, 20, 30, std::nullopt, 50, 70}));
    const auto shuffled = host.SortValues(17);
    EXPECT_TRUE(Distinct(shuffled));
    EXPECT_TRUE(AllWithin(shuffled, 0, 106));

    ASSERT_EQ(Restore(), std::nullopt);
    EXPECT_EQ(Column("select ifnull(sid, 'NULL') from pl_all order by plid"),
              (std::vector<std::string>{"10", "20", "30", "NULL", "50", std::to_string(shuffled[5]),
                                        "70"}));
}

TEST_F(BadDatabase, DuplicateEntryKeysAreShuffledAndRestoredInTheirOrder) {
    host.AddPlaylist(17, "Morgenshow");
    ReplaceEntries("plid integer, pnid integer, sid integer");
    host.Db().Exec("insert into pl_all values (1, 17, 11), (2, 17, 22), (2, 17, 33), "
                   "(2, 17, 44), (3, 17, 55), (3, 18, 66)");
    ASSERT_EQ(Load(), std::nullopt);
    const auto original = host.SortValues(17);
    ASSERT_EQ(Shuffle(), std::nullopt);
    const auto shuffled = host.SortValues(17);
    ASSERT_EQ(shuffled.size(), 5u);
    EXPECT_TRUE(Distinct(shuffled));
    EXPECT_TRUE(AllWithin(shuffled, 0, 104));
    ASSERT_EQ(Restore(), std::nullopt);
    EXPECT_EQ(host.SortValues(17), original);
    EXPECT_EQ(host.SortValues(18), std::vector<std::int32_t>{66});

    // One of the three rows that share a key is removed: the other two get the first two values
    // kept for that key, and the entry after them still gets its own.
    ASSERT_EQ(Shuffle(), std::nullopt);
    host.Db().Exec("delete from pl_all where rowid = 4");
    ASSERT_EQ(Restore(), std::nullopt);
    EXPECT_EQ(host.SortValues(17), (std::vector<std::int32_t>{11, 22, 33, 55}));

    // Two playlist rows of one identifier: the first one counts.
    host.Db().Exec("drop table pl_name");
    host.Db().Exec("create table pl_name (nid integer, Name text, grid integer)");
    host.Db().Exec("insert into pl_name values (17, 'Erste', 0), (17, 'Zweite', -1)");
    FormUnderTest twice;
    EXPECT_EQ(twice.Load({kHostDB}, "17"), std::nullopt);
    EXPECT_EQ(twice.form.PlaylistName, "Erste");
}

} // namespace
} // namespace karusello::test
