// A host that holds a lock on its database, or a database that cannot be written, while the
// user shuffles or restores: the program waits a bounded time, then either completes or ends
// with the standard error report, and never leaves a playlist half-written.
#include "PlaylistFixture.h"
#include "tests/support/ImmutableFile.h"

#include "playlistdb/DBEngine.h"

#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <future>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <thread>
#include <unistd.h>

namespace karusello::test {
namespace {

using namespace std::chrono_literals;

// The host's own connection: takes a lock as the host does when it writes, and lets go of it
// after a while, or when it goes out of scope.
class HostLock {
public:
    HostLock(const std::filesystem::path& db, const char* begin,
             std::chrono::milliseconds holdFor = 0ms) {
        std::promise<void> taken;
        auto ready = taken.get_future();
        holder_ = std::thread([this, db, begin, holdFor, taken = std::move(taken)]() mutable {
            SQLite::Database host(db.string(), SQLite::OPEN_READWRITE);
            host.exec(begin);
            host.exec("update pl_all set title = title where plid = 1");
            taken.set_value();
            std::unique_lock<std::mutex> lock(mutex_);
            if (holdFor > 0ms) {
                released_.wait_for(lock, holdFor, [this] { return release_; });
            } else {
                released_.wait(lock, [this] { return release_; });
            }
            host.exec("COMMIT");
        });
        ready.wait();
    }
    ~HostLock() {
        {
            std::lock_guard<std::mutex> lock(mutex_);
            release_ = true;
        }
        released_.notify_all();
        holder_.join();
    }
    HostLock(const HostLock&) = delete;
    HostLock& operator=(const HostLock&) = delete;

private:
    std::mutex mutex_;
    std::condition_variable released_;
    bool release_ = false;
    std::thread holder_;
};

// Makes a file unwritable for this process: the immutable flag for root (whom permission bits
// do not stop), the permission bits for everybody else. Undone when it goes out of scope.
class Unwritable {
public:
    explicit Unwritable(const std::filesystem::path& file) : file_(file) {
        if (::geteuid() != 0) {
            std::filesystem::permissions(file_, std::filesystem::perms::owner_read);
            how_ = How::Permissions;
            return;
        }
        if (SetImmutable(true)) {
            how_ = How::Immutable;
        } else {
            reason_ = "running as root, and the file system refuses the immutable flag (errno " +
                      std::to_string(errno) + ")";
        }
    }
    ~Unwritable() {
        if (how_ == How::Immutable) {
            SetImmutable(false);
        } else if (how_ == How::Permissions) {
            std::filesystem::permissions(file_, std::filesystem::perms::owner_read |
                                                    std::filesystem::perms::owner_write);
        }
    }
    Unwritable(const Unwritable&) = delete;
    Unwritable& operator=(const Unwritable&) = delete;

    bool Done() const { return how_ != How::None; }
    const std::string& Reason() const { return reason_; }

private:
    bool SetImmutable(bool on) { return test::SetImmutable(file_, on); }

    enum class How { None, Permissions, Immutable };
    std::filesystem::path file_;
    How how_ = How::None;
    std::string reason_;
};

class BusyHost : public PlaylistFixture {
protected:
    void SetUp() override { dao::SharedDBEngine().SetBusyTimeout(300ms); }
    void TearDown() override {
        dao::SharedDBEngine().SetBusyTimeout(dao::DBEngine::kDefaultBusyTimeout);
    }

    // The run ended with the standard error report of that number.
    void ExpectErrorReport(std::optional<ExitCode> end, int number) {
        EXPECT_EQ(end, ExitCode::ErrorReport);
        ASSERT_EQ(ui.lifetime.errors.size(), 1u);
        EXPECT_EQ(ui.lifetime.errors[0].Number(), number) << ui.lifetime.errors[0].Text();
        EXPECT_TRUE(ui.message.sent.empty()) << "the host is not told of a change that failed";
    }
};

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

TEST_F(BusyHost, AReadOnlyDatabaseEndsShuffleWithDbReadOnlyAndNothingWritten) {
    StartOn(300);
    Unwritable readOnly(host.DbPath());
    if (!readOnly.Done()) {
        GTEST_SKIP() << readOnly.Reason();
    }
    ExpectErrorReport(Shuffle(), errnum::DbReadOnly);
    EXPECT_EQ(host.SortValues(17), before);
    EXPECT_FALSE(std::filesystem::exists(host.DbPath().string() + "-journal"));
}

} // namespace
} // namespace karusello::test
