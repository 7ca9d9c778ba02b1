#include "PlaylistFixture.h"

#include <map>

namespace karusello::test {
namespace {

class RestoreFlow : public PlaylistFixture {
protected:
    // The playlist's sort values by entry key.
    std::map<std::int64_t, std::int32_t> SidByPlid() {
        std::map<std::int64_t, std::int32_t> values;
        for (const auto& row : host.Db().Column(
                 "select plid || ' ' || sid from pl_all where pnid = 17 order by plid")) {
            const auto blank = row->find(' ');
            values[std::stoll(row->substr(0, blank))] = std::stoi(row->substr(blank + 1));
        }
        return values;
    }
};

TEST_F(RestoreFlow, PutsBackTheOrderFromBeforeTheFirstShuffle) {
    StartOn(50);
    ASSERT_EQ(Shuffle(), std::nullopt);
    ASSERT_EQ(Shuffle(), std::nullopt);
    ui.message.sent.clear();
    ui.view.log.clear();
    EXPECT_EQ(Restore(), std::nullopt);
    EXPECT_EQ(host.SortValues(17), before);
    EXPECT_EQ(ui.message.sent, Notified(0));
    EXPECT_EQ(ui.view.log, std::vector<std::string>{"disable cmdWeiderherstellen"});

    // Restore, shuffle, restore: both restores write the same values.
    ASSERT_EQ(Shuffle(), std::nullopt);
    ASSERT_EQ(Restore(), std::nullopt);
    EXPECT_EQ(host.SortValues(17), before);
    EXPECT_EQ(host.SortValues(19), other);
}

// The host works on the playlist while the window is open. A restore gives every entry that
// was there before the first shuffle its own value back, by its key: an entry the host added
// since keeps the value it has, one it removed is passed over, and nobody gets a neighbour's
// value.
TEST_F(RestoreFlow, GivesEveryEntryItsOwnValueWhenTheHostChangedThePlaylist) {
    StartOn(10);
    // Keys 1010, 1020, ... 1100, so that there is room between them.
    host.Db().Exec("update pl_all set plid = 1000 + plid * 10 where pnid = 17");
    const auto original = SidByPlid();
    ASSERT_EQ(Shuffle(), std::nullopt);

    // An entry added in the middle.
    host.Db().Exec("insert into pl_all (plid, pnid, sid) values (1055, 17, 5)");
    ASSERT_EQ(Restore(), std::nullopt);
    auto expected = original;
    expected[1055] = 5;
    EXPECT_EQ(SidByPlid(), expected);

    // An entry removed.
    ASSERT_EQ(Shuffle(), std::nullopt);
    host.Db().Exec("delete from pl_all where plid = 1030");
    expected.erase(1030);
    expected[1055] = SidByPlid().at(1055);
    ASSERT_EQ(Restore(), std::nullopt);
    EXPECT_EQ(SidByPlid(), expected);

    // Three entries added at the end: more than the old order had room for.
    ASSERT_EQ(Shuffle(), std::nullopt);
    host.AddEntries(17, 3, 2000);
    expected[1055] = SidByPlid().at(1055);
    for (int plid : {2000, 2001, 2002}) {
        expected[plid] = 1000 + plid * 10;
    }
    ui.message.sent.clear();
    ASSERT_EQ(Restore(), std::nullopt);
    EXPECT_EQ(SidByPlid(), expected);
    EXPECT_EQ(ui.message.sent, Notified(0));
    EXPECT_TRUE(ui.lifetime.errors.empty());
    EXPECT_EQ(host.SortValues(19), other);
}

TEST_F(RestoreFlow, OfADeletedPlaylistIsNotOfferedAndWritesNothing) {
    StartOn(10);
    ASSERT_EQ(Shuffle(), std::nullopt);
    host.Db().Exec("delete from pl_name where nid = 17");
    ASSERT_EQ(Shuffle(), std::nullopt); // reads the playlist again: now -1
    EXPECT_FALSE(ui.view.Enabled(Button::Weiderherstellen));
    const auto shuffled = host.SortValues(17);
    ui.message.sent.clear();
    // A click that was waiting still arrives.
    EXPECT_EQ(Restore(), std::nullopt);
    EXPECT_EQ(host.SortValues(17), shuffled);
    EXPECT_TRUE(ui.message.sent.empty());
}

TEST_F(RestoreFlow, AShuffleClickWaitingAtTheYieldRunsInFull) {
    StartOn(20);
    ASSERT_EQ(Shuffle(), std::nullopt);
    ui.message.sent.clear();
    ui.events.queued.push_back([&] { ui.form.Fire(FormEvent::ShuffelClick); });
    ASSERT_EQ(Restore(), std::nullopt);
    EXPECT_NE(host.SortValues(17), before) << "the waiting shuffle ran after the restore";
    EXPECT_TRUE(ui.view.Enabled(Button::Weiderherstellen));
    EXPECT_EQ(ui.message.sent, (std::vector<SentMessage>{{kHostDB, 1042, 211, 0},
                                                         {kHostDJ, 1042, 211, 0},
                                                         {kHostDB, 1042, 0, 0},
                                                         {kHostDJ, 1042, 0, 0}}));
}

} // namespace
} // namespace karusello::test
