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
        // cannot read the row (which marks the playlist as not to be touched), and the shuffle
        // cannot begin its transaction.
        HostLock lock(host.DbPath(), "BEGIN EXCLUSIVE");
        ExpectErrorReport(Shuffle(), errnum::DbLocked);
        EXPECT_EQ(ui.form.PlaylistId, -1);
    }
    EXPECT_EQ(host.SortValues(17), before);
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
