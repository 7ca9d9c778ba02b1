#include "tools/hostsim/core/HostDatabase.h"

#include "TempHost.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace karusello::hostsim {
namespace {

using test::TempHost;

std::vector<std::int64_t> Plids(const Playlist& playlist) {
    std::vector<std::int64_t> plids;
    for (const PlaylistEntry& entry : playlist.entries) {
        plids.push_back(entry.plid);
    }
    return plids;
}

std::vector<std::int64_t> Ascending(std::vector<std::int64_t> values) {
    std::sort(values.begin(), values.end());
    return values;
}

TEST(HostDatabaseTest, ReadsPlaylistsAndShowsEntriesInSortOrder) {
    const TempHost host;
    HostDatabase db(host.Database());

    const std::vector<PlaylistInfo> all = db.Playlists();
    ASSERT_FALSE(all.empty());
    EXPECT_TRUE(std::is_sorted(all.begin(), all.end(),
                               [](const auto& a, const auto& b) { return a.nid < b.nid; }));

    // Reverse the sort values of the first three entries: the display follows sid, not plid.
    const long long first = host.Number("select min(plid) from pl_all where pnid=17");
    host.Exec("update pl_all set sid = 1000 - plid where pnid=17 and plid < " +
              std::to_string(first + 3));
    const auto playlist = db.Read(17);
    ASSERT_TRUE(playlist);
    EXPECT_EQ(playlist->info.name, "Morgenshow");
    EXPECT_EQ(playlist->info.grid, 0);
    ASSERT_EQ(playlist->entries.size(), 300U);
    const auto& entries = playlist->entries;
    EXPECT_EQ(entries[297].plid, first + 2);
    EXPECT_EQ(entries[298].plid, first + 1);
    EXPECT_EQ(entries[299].plid, first);
    EXPECT_EQ(entries[299].sid, 1000 - first);
    EXPECT_FALSE(entries[0].artist.empty());
    EXPECT_FALSE(entries[0].title.empty());
    EXPECT_GT(entries[0].seconds, 0);

    // Equal and NULL sort values: NULL first, ties by plid.
    host.Exec("update pl_all set sid = 5 where pnid=5");
    host.Exec("update pl_all set sid = null where pnid=5 and plid = (select max(plid) from "
              "pl_all where pnid=5)");
    const auto tied = db.Read(5);
    ASSERT_TRUE(tied);
    EXPECT_FALSE(tied->entries.front().sid.has_value());
    const std::vector<std::int64_t> tiedPlids = Plids(*tied);
    const std::vector<std::int64_t> rest(tiedPlids.begin() + 1, tiedPlids.end());
    EXPECT_EQ(rest, Ascending(rest));

    EXPECT_FALSE(db.Read(4711)) << "no such playlist";
    EXPECT_TRUE(db.Read(31)->entries.empty());
    EXPECT_FALSE(db.Read(42)->info.grid.has_value()) << "a NULL grid flag stays NULL";
    host.Exec("update pl_name set Name = null where nid = 8");
    EXPECT_FALSE(db.Read(8)->info.name.has_value());
}

TEST(HostDatabaseTest, RenamesMarksAndDeletesPlaylists) {
    const TempHost host;
    HostDatabase db(host.Database());

    db.Rename(17, "Frühshow 'live'");
    EXPECT_EQ(db.Read(17)->info.name, "Frühshow 'live'");
    db.SetGrid(17, -1);
    EXPECT_EQ(db.Read(17)->info.grid, -1);
    db.SetGrid(17, std::nullopt);
    EXPECT_FALSE(db.Read(17)->info.grid.has_value());
    db.SetGrid(17, 0);
    EXPECT_EQ(db.Read(17)->info.grid, 0);

    const long long entriesBefore = host.Number("select count(*) from pl_all");
    db.Delete(17);
    EXPECT_FALSE(db.Read(17));
    EXPECT_EQ(host.Number("select count(*) from pl_all where pnid=17"), 0);
    EXPECT_EQ(host.Number("select count(*) from pl_all"), entriesBefore - 300)
        << "other playlists keep their entries";

    EXPECT_THROW(db.Rename(17, "x"), std::runtime_error);
    EXPECT_THROW(db.SetGrid(17, -1), std::runtime_error);
    EXPECT_THROW(db.Delete(17), std::runtime_error);
    EXPECT_THROW(db.AddEntries(17, 1), std::runtime_error);
    EXPECT_THROW(db.RemoveEntries(17, 1, std::nullopt), std::runtime_error);
}

TEST(HostDatabaseTest, AddsAndRemovesEntries) {
    const TempHost host;
    HostDatabase db(host.Database());
    const long long maxPlid = host.Number("select max(plid) from pl_all");
    const std::vector<std::int64_t> before = Ascending(Plids(*db.Read(17)));

    EXPECT_EQ(db.AddEntries(17, 2), 302);
    const auto grown = db.Read(17);
    ASSERT_EQ(grown->entries.size(), 302U);
    // New entries come last in plid order and in sort order, with new keys and sort values.
    EXPECT_EQ(grown->entries[300].plid, maxPlid + 1);
    EXPECT_EQ(grown->entries[301].plid, maxPlid + 2);
    EXPECT_EQ(grown->entries[300].sid, 301);
    EXPECT_EQ(grown->entries[301].sid, 302);
    EXPECT_FALSE(grown->entries[301].title.empty());

    EXPECT_EQ(db.AddEntries(31, 1), 1) << "an empty playlist";
    EXPECT_EQ(db.Read(31)->entries[0].sid, 1);

    EXPECT_EQ(db.RemoveEntries(17, 2, std::nullopt), 300) << "the last two by plid";
    EXPECT_EQ(Ascending(Plids(*db.Read(17))), before);

    EXPECT_EQ(db.RemoveEntries(17, 1, 1), 299) << "the second entry by plid";
    std::vector<std::int64_t> expected = before;
    expected.erase(expected.begin() + 1);
    EXPECT_EQ(Ascending(Plids(*db.Read(17))), expected);

    EXPECT_EQ(db.RemoveEntries(17, 5, 297), 297) << "only two are left from there";
    EXPECT_EQ(db.RemoveEntries(17, 1, 1000), 297) << "a position past the end removes none";
    EXPECT_EQ(db.RemoveEntries(31, 10, std::nullopt), 0);
}

TEST(HostDatabaseTest, WorksOnADatabaseWithoutTheDisplayColumns) {
    const TempHost host;
    {
        SQLite::Database db = host.Open();
        db.exec("drop table pl_all");
        db.exec("create table pl_all (plid integer primary key, pnid integer, sid integer)");
        db.exec("insert into pl_all values (1, 17, 2), (2, 17, 1)");
    }
    HostDatabase db(host.Database());
    EXPECT_EQ(Plids(*db.Read(17)), (std::vector<std::int64_t>{2, 1}));
    EXPECT_EQ(db.AddEntries(17, 1), 3);
    EXPECT_EQ(db.Read(17)->entries.back().sid, 3);
}

TEST(HostDatabaseTest, NeverCreatesAMissingDatabase) {
    const test::TempFolder folder;
    HostDatabase db(folder.Path() / "brisolan.mdb");
    EXPECT_ANY_THROW(db.Playlists());
    EXPECT_FALSE(std::filesystem::exists(folder.Path() / "brisolan.mdb"));
}

} // namespace
} // namespace karusello::hostsim
