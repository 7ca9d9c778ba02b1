#include "PlaylistFixture.h"

namespace karusello::test {
namespace {

using RestoreFlow = PlaylistFixture;

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

TEST_F(RestoreFlow, MatchesEntriesByPositionWhenThePlaylistChanged) {
    StartOn(10);
    ASSERT_EQ(Shuffle(), std::nullopt);
    // The third entry is deleted: every later entry gets the value saved for the one before
    // it, and the last saved value is not written.
    host.Db().Exec("delete from pl_all where plid = 3");
    ASSERT_EQ(Restore(), std::nullopt);
    std::vector<std::int32_t> expected(before.begin(), before.begin() + 9);
    EXPECT_EQ(host.SortValues(17), expected);

    // Two entries added at the end get 0 (the two spare slots).
    host.AddEntries(17, 3, 50);
    ASSERT_EQ(Shuffle(), std::nullopt);
    ASSERT_EQ(Restore(), std::nullopt);
    auto values = host.SortValues(17);
    ASSERT_EQ(values.size(), 12u);
    EXPECT_EQ(values[10], 0);
    EXPECT_EQ(values[11], 0);
}

TEST_F(RestoreFlow, ThreeAddedEntriesFailAndChangeNothing) {
    StartOn(10);
    ASSERT_EQ(Shuffle(), std::nullopt);
    host.AddEntries(17, 3, 50);
    const auto shuffled = host.SortValues(17);
    ui.message.sent.clear();
    EXPECT_EQ(Restore(), ExitCode::ErrorReport);
    ASSERT_EQ(ui.lifetime.errors.size(), 1u);
    EXPECT_EQ(ui.lifetime.errors[0].Number(), errnum::SubscriptOutOfRange);
    EXPECT_EQ(host.SortValues(17), shuffled);
    EXPECT_TRUE(ui.message.sent.empty());
    EXPECT_FALSE(ui.view.Enabled(Button::Weiderherstellen));
}

TEST_F(RestoreFlow, OfADeletedPlaylistWritesNothingButNotifies) {
    StartOn(10);
    ASSERT_EQ(Shuffle(), std::nullopt);
    host.Db().Exec("delete from pl_name where nid = 17");
    ASSERT_EQ(Shuffle(), std::nullopt); // reads the playlist again: now -1
    const auto shuffled = host.SortValues(17);
    ui.message.sent.clear();
    EXPECT_EQ(Restore(), std::nullopt);
    EXPECT_EQ(host.SortValues(17), shuffled);
    EXPECT_EQ(ui.message.sent, Notified(0));
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
