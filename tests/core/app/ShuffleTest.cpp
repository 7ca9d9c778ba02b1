#include "PlaylistFixture.h"

#include <filesystem>

namespace karusello::test {
namespace {

using ShuffleFlow = PlaylistFixture;

TEST_F(ShuffleFlow, GivesEveryEntryANewDistinctValueAndNotifiesBothHostWindows) {
    StartOn(400);
    ui.view.log.clear();
    EXPECT_EQ(Shuffle(), std::nullopt);

    const auto after = host.SortValues(17);
    ASSERT_EQ(after.size(), 400u);
    EXPECT_TRUE(Distinct(after));
    EXPECT_TRUE(AllWithin(after, 0, 499));
    EXPECT_NE(after, before);
    EXPECT_EQ(host.SortValues(19), other);
    EXPECT_EQ(ui.message.sent, Notified(211));
    EXPECT_EQ(ui.view.log, (std::vector<std::string>{"pointer 11", "disable cmdAbbruch",
                                                     "enable cmdWeiderherstellen",
                                                     "enable cmdAbbruch", "pointer 0"}));
    EXPECT_EQ(ui.events.passes, 1);
}

TEST_F(ShuffleFlow, SmallPlaylistsStayWithinCountPlusNinetyNine) {
    StartOn(1);
    for (int i = 0; i < 20; ++i) {
        ASSERT_EQ(Shuffle(), std::nullopt);
        const auto after = host.SortValues(17);
        ASSERT_EQ(after.size(), 1u);
        EXPECT_TRUE(AllWithin(after, 0, 100));
    }
}

TEST_F(ShuffleFlow, AnEmptyPlaylistWritesNothingButStillNotifiesAndEnablesRestore) {
    StartOn(0);
    EXPECT_EQ(Shuffle(), std::nullopt);
    EXPECT_EQ(ui.message.sent, Notified(211));
    EXPECT_TRUE(ui.view.Enabled(Button::Weiderherstellen));
    EXPECT_EQ(ui.form.SavedCount, 0);
    ASSERT_TRUE(ui.form.SavedOrder.has_value());
    EXPECT_EQ(ui.form.SavedOrder->Size(), 0u);
    EXPECT_EQ(host.SortValues(19), other);
}

// Nothing is written for a playlist that became a grid playlist or was deleted since the start:
// the host is not told of a change, nothing can be restored, and the window says why.
TEST_F(ShuffleFlow, APlaylistThatBecameAGridPlaylistOrWasDeletedIsLeftAlone) {
    StartOn(50);
    host.Db().Exec("update pl_name set grid = -1 where nid = 17");
    ui.view.log.clear();
    EXPECT_EQ(Shuffle(), std::nullopt);
    EXPECT_EQ(ui.form.PlaylistId, -1);
    EXPECT_EQ(host.SortValues(17), before);
    EXPECT_TRUE(ui.message.sent.empty());
    EXPECT_FALSE(ui.view.Enabled(Button::Shuffel));
    EXPECT_FALSE(ui.view.Enabled(Button::Weiderherstellen));
    EXPECT_TRUE(ui.view.Enabled(Button::Abbruch));
    EXPECT_EQ(ui.view.label, LeftAloneLine("Morgenshow"));
    EXPECT_EQ(ui.view.log.back(), "pointer 0");

    // It stays -1, even when the playlist comes back, and a click that still arrives does
    // nothing.
    host.Db().Exec("update pl_name set grid = 0 where nid = 17");
    EXPECT_EQ(Shuffle(), std::nullopt);
    EXPECT_EQ(Restore(), std::nullopt);
    EXPECT_EQ(host.SortValues(17), before);
    EXPECT_TRUE(ui.message.sent.empty());

    // Found deleted by the name refresh at a shuffle's yield: that shuffle has written its
    // values and tells the host, but leaves nothing to restore.
    FormUnderTest second;
    ASSERT_EQ(second.Load({kHostDB, kHostDJ}, "17"), std::nullopt);
    second.events.queued.push_back([&] {
        host.Db().Exec("delete from pl_name where nid = 17");
        second.form.Fire(FormEvent::Timer2);
    });
    EXPECT_EQ(second.Fire(FormEvent::ShuffelClick), std::nullopt);
    EXPECT_NE(host.SortValues(17), before);
    EXPECT_EQ(second.message.sent, Notified(211));
    EXPECT_FALSE(second.view.Enabled(Button::Weiderherstellen));
    EXPECT_FALSE(second.view.Enabled(Button::Shuffel));
}

TEST_F(ShuffleFlow, SavesTheOldOrderOnlyOnTheFirstShuffleOfARun) {
    StartOn(30);
    ASSERT_EQ(Shuffle(), std::nullopt);
    EXPECT_EQ(ui.form.SavedCount, 30);
    const std::vector<SavedSortValue> saved(before.begin(), before.end());
    ASSERT_TRUE(ui.form.SavedOrder.has_value());
    EXPECT_EQ(ui.form.SavedOrder->Values(), saved);
    ASSERT_EQ(Shuffle(), std::nullopt);
    EXPECT_EQ(ui.form.SavedCount, 30);
    EXPECT_EQ(ui.form.SavedOrder->Values(), saved);
}

// A station that shuffles the same playlist every day must not get the same order every day:
// each run draws from a seed of its own.
TEST_F(ShuffleFlow, TwoRunsOnTheSamePlaylistDrawDifferentValues) {
    StartOn(200);
    ASSERT_EQ(Shuffle(), std::nullopt);
    const auto firstRun = host.SortValues(17);

    host.Db().Exec("update pl_all set sid = plid where pnid = 17");
    FormUnderTest secondRun;
    ASSERT_EQ(secondRun.Load({kHostDB}, "17"), std::nullopt);
    ASSERT_EQ(secondRun.Fire(FormEvent::ShuffelClick), std::nullopt);
    const auto secondValues = host.SortValues(17);
    EXPECT_TRUE(Distinct(secondValues));
    EXPECT_TRUE(AllWithin(secondValues, 0, 299));
    EXPECT_NE(secondValues, firstRun);
}

TEST_F(ShuffleFlow, NotifiesTheHandlesThatTheHostPublishesAtThatMoment) {
    StartOn(10);
    host.WriteIni(0x1800001, 0);
    ASSERT_EQ(Shuffle(), std::nullopt);
    EXPECT_EQ(ui.message.sent,
              (std::vector<SentMessage>{{0x1800001, 1042, 211, 0}, {0, 1042, 211, 0}}));
}

TEST_F(ShuffleFlow, ADatabaseGoneSinceTheStartIsReportedAndNeverCreated) {
    StartOn(10);
    std::filesystem::remove(host.DbPath());
    EXPECT_EQ(Shuffle(), ExitCode::ErrorReport);
    ASSERT_EQ(ui.lifetime.errors.size(), 1u);
    EXPECT_EQ(ui.lifetime.errors[0].Number(), errnum::DbFileNotFound);
    EXPECT_EQ(ui.form.PlaylistId, 17) << "a file that cannot be opened is no answer";
    EXPECT_FALSE(std::filesystem::exists(host.DbPath()));
    EXPECT_TRUE(ui.message.sent.empty());
}

TEST_F(ShuffleFlow, AFailureWhileWritingLeavesEveryValueAsItWas) {
    StartOn(100);
    // The host's database refuses the 60th write.
    host.Db().Exec("create table writes (n integer)");
    host.Db().Exec("insert into writes values (0)");
    host.Db().Exec("create trigger refuse before update of sid on pl_all begin "
                   "update writes set n = n + 1; "
                   "select raise(abort, 'refused') where (select n from writes) >= 60; end");
    EXPECT_EQ(Shuffle(), ExitCode::ErrorReport);
    ASSERT_EQ(ui.lifetime.errors.size(), 1u);
    EXPECT_EQ(host.SortValues(17), before);
    EXPECT_TRUE(ui.message.sent.empty());
    EXPECT_FALSE(ui.view.Enabled(Button::Weiderherstellen));
}

TEST_F(ShuffleFlow, ClicksAndTicksWaitingAtTheYieldRunInFull) {
    StartOn(20);
    // A second shuffle click waits while the first one works.
    ui.events.queued.push_back([&] { ui.form.Fire(FormEvent::ShuffelClick); });
    ASSERT_EQ(Shuffle(), std::nullopt);
    EXPECT_EQ(ui.message.sent.size(), 4u);
    EXPECT_EQ(ui.events.passes, 2);

    // A restore click waiting at the yield of a shuffle restores the saved order, and the
    // outer shuffle then notifies last.
    const auto savedBefore = before;
    ui.message.sent.clear();
    ui.events.queued.push_back([&] { ui.form.Fire(FormEvent::WeiderherstellenClick); });
    ASSERT_EQ(Shuffle(), std::nullopt);
    EXPECT_EQ(host.SortValues(17), savedBefore);
    EXPECT_EQ(ui.message.sent, (std::vector<SentMessage>{{kHostDB, 1042, 0, 0},
                                                         {kHostDJ, 1042, 0, 0},
                                                         {kHostDB, 1042, 211, 0},
                                                         {kHostDJ, 1042, 211, 0}}));
}

// The close box (or cancel, which is enabled during a restore) at a yield must not leave the
// host showing the old order: the program ends once every notification under way is sent.
TEST_F(ShuffleFlow, AnEndAskedForAtTheYieldComesAfterBothHostWindowsWereTold) {
    StartOn(20);
    ui.events.queued.push_back([&] { ui.form.Fire(FormEvent::QueryUnload); });
    EXPECT_EQ(Shuffle(), ExitCode::Normal);
    EXPECT_EQ(ui.message.sent, Notified(211));
    EXPECT_NE(host.SortValues(17), before);

    FormUnderTest restoring;
    restoring.windows.live = {kHostDB, kHostDJ};
    restoring.process.commandLine = "17";
    ASSERT_EQ(restoring.Fire(FormEvent::Load), std::nullopt);
    const auto shuffled = host.SortValues(17);
    ASSERT_EQ(restoring.Fire(FormEvent::ShuffelClick), std::nullopt); // saves the order
    // A restore click waits at the next shuffle's yield, and a cancel click at the restore's:
    // the restore tells the host, then the shuffle does, then the program ends.
    restoring.events.queued.push_back([&] {
        restoring.events.queued.push_back([&] { restoring.form.Fire(FormEvent::AbbruchClick); });
        restoring.form.Fire(FormEvent::WeiderherstellenClick);
    });
    EXPECT_EQ(restoring.Fire(FormEvent::ShuffelClick), ExitCode::Normal);
    EXPECT_EQ(host.SortValues(17), shuffled);
    std::vector<SentMessage> expected = Notified(211);
    for (auto kind : {0, 211}) {
        const auto told = Notified(kind);
        expected.insert(expected.end(), told.begin(), told.end());
    }
    EXPECT_EQ(restoring.message.sent, expected);
}

// Once the window is closing, clicks that were waiting behind the close do no more work: the
// program ends as soon as the host knows of the shuffle under way.
TEST_F(ShuffleFlow, ClicksWaitingBehindTheCloseAreIgnored) {
    StartOn(20);
    ASSERT_EQ(Shuffle(), std::nullopt); // restore is enabled from here on
    ui.message.sent.clear();
    host.Db().Exec("update pl_all set sid = plid where pnid = 17");
    const auto renumbered = host.SortValues(17);
    ui.events.queued.push_back([&] { ui.form.Fire(FormEvent::QueryUnload); });
    ui.events.queued.push_back([&] { ui.form.Fire(FormEvent::ShuffelClick); });
    ui.events.queued.push_back([&] { ui.form.Fire(FormEvent::WeiderherstellenClick); });
    EXPECT_EQ(Shuffle(), ExitCode::Normal);
    EXPECT_EQ(ui.message.sent, Notified(211)) << "one shuffle told the host, nothing else ran";
    const auto after = host.SortValues(17);
    EXPECT_NE(after, renumbered);
    EXPECT_NE(after, before) << "no restore ran";
    EXPECT_EQ(ui.events.passes, 2) << "the waiting shuffle would have yielded once more";
}

TEST_F(ShuffleFlow, AWatchdogEndAtTheYieldStopsBeforeTheHostIsNotified) {
    StartOn(20);
    ui.windows.live = {};
    ui.events.queued.push_back([&] { ui.form.Fire(FormEvent::Timer1); });
    EXPECT_EQ(Shuffle(), ExitCode::NoHostWindow);
    EXPECT_TRUE(ui.message.sent.empty());
    EXPECT_TRUE(Distinct(host.SortValues(17)));
    EXPECT_NE(host.SortValues(17), before) << "the writes were already committed";
}

} // namespace
} // namespace karusello::test
