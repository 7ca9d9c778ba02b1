// A host that holds a lock on its database while the user shuffles or restores: the program
// waits a bounded time, then either completes or ends with the standard error report, and never
// leaves a playlist half-written. (A database that cannot be written: posix/.)
#include "BusyHostFixture.h"

#include "core/playlistdb/DBEngine.h"

#include <chrono>

namespace karusello::test {
namespace {

using namespace std::chrono_literals;

using HostLock = HostWriteLock;

TEST_F(BusyHost, AWriteLockLongerThanTheWaitEndsTheShuffleWithNothingWritten) {
    StartOn(300);
    {
        // The lock is held until the end of the block: the shuffle must give up by itself.
        HostLock lock(host.DbPath(), "BEGIN IMMEDIATE");
        ExpectErrorReport(Shuffle(), errnum::DbLocked);
    }
    EXPECT_EQ(host.SortValues(17), before);
    EXPECT_EQ(host.SortValues(19), other);
    EXPECT_FALSE(ui.view.Enabled(Button::Weiderherstellen));
    EXPECT_FALSE(ui.view.Enabled(Button::Abbruch)) << "the click ended in the error report";
}

TEST_F(BusyHost, AnExclusiveLockEndsTheShuffleBeforeItReadsAnything) {
    StartOn(300);
    {
        // The host writes its pages: nobody may even read. The click's check of the playlist
        // gets no answer, which leaves the playlist as it is, and the shuffle cannot begin its
        // transaction: that failure is reported.
        HostLock lock(host.DbPath(), "BEGIN EXCLUSIVE");
        ExpectErrorReport(Shuffle(), errnum::DbLocked);
        EXPECT_EQ(ui.form.PlaylistId, 17);
    }
    EXPECT_EQ(host.SortValues(17), before);
}

// A compact or a repair holds the file for a moment: the name refresh that falls into it gets no
// answer and leaves everything as it was, and the next shuffle works and tells the host.
TEST_F(BusyHost, AnExclusiveLockAtTheNameRefreshLeavesThePlaylistToBeShuffled) {
    StartOn(300);
    const std::string label = ui.view.label;
    {
        HostLock lock(host.DbPath(), "BEGIN EXCLUSIVE");
        EXPECT_EQ(ui.Fire(FormEvent::Timer2), std::nullopt);
    }
    EXPECT_EQ(ui.form.PlaylistId, 17);
    EXPECT_EQ(ui.view.label, label);
    EXPECT_TRUE(ui.view.Enabled(Button::Shuffel));
    EXPECT_EQ(Shuffle(), std::nullopt);
    EXPECT_NE(host.SortValues(17), before);
    EXPECT_EQ(ui.message.sent, Notified(211));
    EXPECT_TRUE(ui.view.Enabled(Button::Weiderherstellen));
}

TEST_F(BusyHost, ALockReleasedWithinTheWaitLetsShuffleAndRestoreComplete) {
    dao::SharedDBEngine().SetBusyTimeout(10s);
    StartOn(300);
    {
        HostLock lock(host.DbPath(), "BEGIN IMMEDIATE", 400ms);
        EXPECT_EQ(Shuffle(), std::nullopt);
    }
    const auto shuffled = host.SortValues(17);
    EXPECT_TRUE(Distinct(shuffled));
    EXPECT_NE(shuffled, before);
    EXPECT_EQ(ui.message.sent, Notified(211));
    {
        HostLock lock(host.DbPath(), "BEGIN EXCLUSIVE", 400ms);
        EXPECT_EQ(Restore(), std::nullopt);
    }
    EXPECT_EQ(host.SortValues(17), before);
    EXPECT_TRUE(ui.lifetime.errors.empty());
}

TEST_F(BusyHost, AWriteLockDuringARestoreKeepsTheShuffledOrderWhole) {
    StartOn(300);
    ASSERT_EQ(Shuffle(), std::nullopt);
    const auto shuffled = host.SortValues(17);
    ui.message.sent.clear();
    {
        HostLock lock(host.DbPath(), "BEGIN IMMEDIATE");
        ExpectErrorReport(Restore(), errnum::DbLocked);
    }
    EXPECT_EQ(host.SortValues(17), shuffled);
}

} // namespace
} // namespace karusello::test
