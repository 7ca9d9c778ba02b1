// The read-only store of the Windows stand-in host, here over the SQLite driver: it must show
// every playlist exactly as the simulator's own SQLite access does.
#include "tools/hostcore/DaoPlaylistStore.h"
#include "tools/hostsim/core/HostDatabase.h"

#include "linux/sqlite/SqliteDriver.h"

#include "TempHost.h"

#include <gtest/gtest.h>

#include <memory>

namespace karusello::hostsim {
namespace {

class DaoPlaylistStoreTest : public ::testing::Test {
protected:
    DaoPlaylistStoreTest()
        : engine_(std::make_shared<dao::SqliteDriver>()),
          store_(engine_, host_.Database().string()), reference_(host_.Database()) {}

    void ExpectSameAsReference(std::int32_t nid) {
        const std::optional<Playlist> expected = reference_.Read(nid);
        const std::optional<Playlist> read = store_.Read(nid);
        ASSERT_EQ(read.has_value(), expected.has_value()) << "playlist " << nid;
        if (!expected) {
            return;
        }
        EXPECT_EQ(read->info.nid, expected->info.nid);
        EXPECT_EQ(read->info.name, expected->info.name) << "playlist " << nid;
        EXPECT_EQ(read->info.grid, expected->info.grid) << "playlist " << nid;
        ASSERT_EQ(read->entries.size(), expected->entries.size()) << "playlist " << nid;
        for (std::size_t i = 0; i < expected->entries.size(); ++i) {
            const PlaylistEntry& got = read->entries[i];
            const PlaylistEntry& want = expected->entries[i];
            EXPECT_EQ(got.plid, want.plid) << "playlist " << nid << " row " << i;
            EXPECT_EQ(got.sid, want.sid) << "playlist " << nid << " row " << i;
            EXPECT_EQ(got.artist, want.artist) << "playlist " << nid << " row " << i;
            EXPECT_EQ(got.title, want.title) << "playlist " << nid << " row " << i;
            EXPECT_EQ(got.seconds, want.seconds) << "playlist " << nid << " row " << i;
        }
    }

    test::TempHost host_;
    dao::DBEngine engine_;
    DaoPlaylistStore store_;
    HostDatabase reference_;
};

TEST_F(DaoPlaylistStoreTest, ShowsEveryPlaylistInTheHostsOrder) {
    // Ties, NULLs and a NULL name and grid, where display orders most easily go wrong.
    host_.Exec("update pl_all set sid = 7 where pnid = 17 and plid % 5 = 0");
    host_.Exec("update pl_all set sid = null where pnid = 17 and plid % 11 = 0");
    host_.Exec("update pl_all set artist = null, duration = null where pnid = 5");
    host_.Exec("update pl_name set Name = null where nid = 8");

    const std::vector<PlaylistInfo> expected = reference_.Playlists();
    const std::vector<PlaylistInfo> read = store_.Playlists();
    ASSERT_EQ(read.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(read[i].nid, expected[i].nid);
        EXPECT_EQ(read[i].name, expected[i].name);
        EXPECT_EQ(read[i].grid, expected[i].grid);
        ExpectSameAsReference(expected[i].nid);
    }
    EXPECT_FALSE(store_.Read(4711)) << "no such playlist";
    EXPECT_EQ(store_.Read(8)->info.name, std::nullopt);
}

TEST_F(DaoPlaylistStoreTest, ReadsATableWithoutTheHostsExtraColumnsAndNeverWrites) {
    host_.Exec("create table plain as select pnid, plid, sid from pl_all;"
               "drop table pl_all; alter table plain rename to pl_all");
    const std::optional<Playlist> read = store_.Read(17);
    ASSERT_TRUE(read);
    ASSERT_FALSE(read->entries.empty());
    EXPECT_EQ(read->entries.front().artist, "");
    EXPECT_EQ(read->entries.front().seconds, 0);
    ExpectSameAsReference(17);

    EXPECT_THROW(store_.Rename(17, "x"), std::runtime_error);
    EXPECT_THROW(store_.SetGrid(17, -1), std::runtime_error);
    EXPECT_THROW(store_.Delete(17), std::runtime_error);
    EXPECT_THROW(store_.AddEntries(17, 1), std::runtime_error);
    EXPECT_THROW(store_.RemoveEntries(17, 1, std::nullopt), std::runtime_error);
    EXPECT_EQ(store_.Read(17)->entries.size(), read->entries.size());
}

TEST_F(DaoPlaylistStoreTest, ReportsAMissingDatabase) {
    DaoPlaylistStore missing(engine_, (host_.Folder() / "nothing.mdb").string());
    EXPECT_THROW(missing.Playlists(), std::runtime_error);
    EXPECT_THROW(missing.Read(17), std::runtime_error);
    EXPECT_FALSE(std::filesystem::exists(host_.Folder() / "nothing.mdb")) << "never created";
}

} // namespace
} // namespace karusello::hostsim
